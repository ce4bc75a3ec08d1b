// Hooks of the user-interface thread as owned objects: owners of one kind share one system
// hook and come and go in any order.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "win/ui/thread_hook.h"

namespace {

HWND Popup() {
    return ::CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
}

TEST(ThreadHook, OwnersShareTheSystemHookAndLeaveInAnyOrder) {
    std::vector<char> seen;
    auto creations = [&seen](char who) {
        return [&seen, who](int code, WPARAM, LPARAM) {
            if (code == HCBT_CREATEWND)
                seen.push_back(who);
            return false;
        };
    };
    auto a = std::make_unique<ui::TThreadHook>(WH_CBT, creations('a'));
    auto b = std::make_unique<ui::TThreadHook>(WH_CBT, creations('b'));
    EXPECT_TRUE(ui::TThreadHook::Installed(WH_CBT));
    ::DestroyWindow(Popup());
    EXPECT_EQ(seen, (std::vector<char>{'b', 'a'})) << "newest first, each once";
    a.reset();
    seen.clear();
    ::DestroyWindow(Popup());
    EXPECT_EQ(seen, (std::vector<char>{'b'}));
    b.reset();
    EXPECT_FALSE(ui::TThreadHook::Installed(WH_CBT)) << "gone with the last owner";
    seen.clear();
    ::DestroyWindow(Popup());
    EXPECT_TRUE(seen.empty());
}

TEST(ThreadHook, ASwallowedCreationFailsAndAnOwnerMayLeaveWhileCalled) {
    std::unique_ptr<ui::TThreadHook> leaving;
    int later = 0;
    ui::TThreadHook counting(WH_CBT, [&](int code, WPARAM, LPARAM) {
        if (code == HCBT_CREATEWND)
            ++later;
        return false;
    });
    leaving = std::make_unique<ui::TThreadHook>(WH_CBT, [&](int code, WPARAM, LPARAM) {
        if (code != HCBT_CREATEWND)
            return false;
        leaving.reset();  // itself
        return true;      // refuses this window
    });
    HWND refused = Popup();
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(later, 0) << "a swallowed call goes no further";
    HWND made = Popup();
    EXPECT_NE(made, nullptr);
    EXPECT_EQ(later, 1);
    ::DestroyWindow(made);
}

}  // namespace
