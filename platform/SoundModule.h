#pragma once

#include "platform/Services.h"

namespace tutor {

// What the sound module beside the program (libquillet_sound.so) hands out:
// a player that also tells whether a sound file it was given still loads.
// Qt Multimedia loads a sample in the background; a program that ends with
// such a load in flight leaves it allocated, so tests wait for loading() to
// turn false before they end.
class ModuleSoundPlayer : public SoundPlayer {
public:
    virtual bool loading() const = 0;
};

// The module's one exported function, resolved by name.
using MakeModuleSoundPlayer = ModuleSoundPlayer* (*)();
inline constexpr char kMakeModuleSoundPlayer[] = "quilletMakeSoundPlayer";

}  // namespace tutor
