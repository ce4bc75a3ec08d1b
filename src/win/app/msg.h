#pragma once
// The program's two message-box helpers, captioned with the application title.
#include <windows.h>

#include <string>

namespace app {

// Information box with an OK button.
void ShowInfo(HWND owner, const std::string& text);
// Question box with Yes and No; true only when Yes was chosen.
bool AskYesNo(HWND owner, const std::string& text);

}  // namespace app
