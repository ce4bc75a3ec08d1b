#include "win/app/msg.h"

#include <cstring>

#include "win/ui/application.h"
#include "win/ui/message_box.h"

namespace app {
namespace {

// The caption and the text travel in fixed buffers of 64 and 1024 bytes (zero included), so
// longer texts are cut rather than overrunning anything.
constexpr size_t kCaptionBuffer = 64;
constexpr size_t kTextBuffer = 1024;

int ShowBox(HWND owner, const std::string& text, UINT type) {
    char caption[kCaptionBuffer];
    char body[kTextBuffer];
    std::string title = ui::Application ? ui::Application->Title() : std::string();
    std::strncpy(caption, title.c_str(), kCaptionBuffer - 1);
    caption[kCaptionBuffer - 1] = '\0';
    std::strncpy(body, text.c_str(), kTextBuffer - 1);
    body[kTextBuffer - 1] = '\0';
    return ui::MessageBoxes().Show(owner, body, caption, type);
}

}  // namespace

void ShowInfo(HWND owner, const std::string& text) {
    ShowBox(owner, text, MB_OK | MB_ICONINFORMATION);
}

bool AskYesNo(HWND owner, const std::string& text) {
    return ShowBox(owner, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace app
