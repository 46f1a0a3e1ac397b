#pragma once

#include <QString>

namespace tutor {

// Whether the file is a whole RIFF wave: a format chunk, then a data chunk,
// and every byte the chunk headers announce is in the file. Qt's wave
// loader waits for ever on the missing bytes of a file cut short, and the
// next sound then waits on the loader: such a file is better not played.
bool isCompleteWave(const QString& path);

}  // namespace tutor
