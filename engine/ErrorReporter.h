#pragma once

#include <functional>
#include <string>

namespace poker {

// How the engine tells the user about a failure it handles itself: the caller
// hands in a reporter (the window shows a message box, a test records the text).
using ErrorReporter = std::function<void(const std::string& message)>;

}  // namespace poker
