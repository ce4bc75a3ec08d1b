#pragma once
// Texts the application object derives for its message boxes.
#include <cstddef>
#include <string>

namespace core {

// The title that captions every message box: the executable's file name without its folder,
// cut at its first ".", every character after the first in lower case ("CLOCK.EXE" -> "Clock").
std::string ApplicationTitle(const std::string& exePath);

// The error box shows the text with a full stop added when its last character sorts after "."
// (so "Disk full" and "Why?" get one; "Done." and "Stop!" keep their text).
std::string ErrorBoxText(const std::string& message);

}  // namespace core
