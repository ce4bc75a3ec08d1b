#include "win/ui/message_box.h"

namespace ui {
namespace {

class SystemMessageBox : public MessageBoxSeam {
  public:
    int Show(HWND owner, const char* text, const char* caption, UINT type) override {
        return ::MessageBoxA(owner, text, caption, type);
    }
};

SystemMessageBox g_system;
MessageBoxSeam* g_current = nullptr;

}  // namespace

MessageBoxSeam& MessageBoxes() {
    return g_current ? *g_current : g_system;
}

MessageBoxSeam* SetMessageBoxes(MessageBoxSeam* seam) {
    MessageBoxSeam* old = g_current;
    g_current = seam;
    return old;
}

}  // namespace ui
