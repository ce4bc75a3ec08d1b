// The framework's message chains: a control's WindowProc and the procedure of a window the
// framework did not make. Handlers join at the head and leave in any order.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win/ui/form.h"
#include "win/ui/window_subclass.h"
#include "win/ui/wnd_method_chain.h"

namespace {

using ui::TWndMethodChain;

constexpr UINT kProbe = WM_APP + 31;

// A handler that notes its letter and passes the message on.
TWndMethodChain::Handler Noting(std::string& trail, char letter) {
    return [&trail, letter](UINT m, WPARAM w, LPARAM l, const TWndMethodChain::Next& next) {
        if (m == kProbe)
            trail += letter;
        return next(m, w, l);
    };
}

TEST(WndMethodChain, HeadFirstAndLeavingInAnyOrder) {
    std::string trail;
    TWndMethodChain chain([&](UINT m, WPARAM, LPARAM) -> LRESULT {
        trail += '.';
        return 7;
    });
    auto a = chain.InsertHead(Noting(trail, 'a'));
    auto b = chain.InsertHead(Noting(trail, 'b'));
    auto c = chain.InsertHead(Noting(trail, 'c'));
    EXPECT_EQ(chain(kProbe, 0, 0), 7);
    EXPECT_EQ(trail, "cba.");
    b.Leave();  // from the middle
    trail.clear();
    chain(kProbe, 0, 0);
    EXPECT_EQ(trail, "ca.");
    c = TWndMethodChain::Link();  // the head, by assignment
    trail.clear();
    chain(kProbe, 0, 0);
    EXPECT_EQ(trail, "a.");
    EXPECT_FALSE(b.Joined());
    EXPECT_TRUE(a.Joined());
}

TEST(WndMethodChain, AHandlerLeavingWhileAMessageRunsIsSkippedAndTheRestStillRuns) {
    std::string trail;
    TWndMethodChain chain([&](UINT, WPARAM, LPARAM) -> LRESULT {
        trail += '.';
        return 0;
    });
    TWndMethodChain::Link lower = chain.InsertHead(Noting(trail, 'x'));
    TWndMethodChain::Link upper = chain.InsertHead(
        [&](UINT m, WPARAM w, LPARAM l, const TWndMethodChain::Next& next) -> LRESULT {
            trail += 'u';
            lower.Leave();
            upper.Leave();  // itself, while running
            return next(m, w, l);
        });
    chain(kProbe, 0, 0);
    EXPECT_EQ(trail, "u.");
    EXPECT_TRUE(chain.Empty());
}

TEST(WndMethodChain, ALinkOutlivesItsChain) {
    TWndMethodChain::Link link;
    {
        TWndMethodChain chain([](UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
        link = chain.InsertHead(
            [](UINT m, WPARAM w, LPARAM l, const TWndMethodChain::Next& n) { return n(m, w, l); });
    }
    EXPECT_FALSE(link.Joined());
    link.Leave();  // nothing left to leave
}

TEST(WndMethodChain, AFormsMessagesReachTheHeadFirst) {
    ui::TForm form(nullptr);
    form.HandleNeeded();
    std::string trail;
    auto link = form.WindowProc.InsertHead(Noting(trail, 's'));
    ::SendMessageA(form.Handle(), kProbe, 0, 0);
    EXPECT_EQ(trail, "s");
    link.Leave();
    ::SendMessageA(form.Handle(), kProbe, 0, 0);
    EXPECT_EQ(trail, "s");
}

// A window of the system class "Static", made without the framework, narrow or wide.
HWND SystemWindow(bool wide) {
    return wide ? ::CreateWindowExW(0, L"Static", L"w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr)
                : ::CreateWindowExA(0, "Static", "n", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
}

TEST(WindowSubclass, WideAndNarrowWindowsKeepTheirCharacterSet) {
    for (bool wide : {false, true}) {
        HWND h = SystemWindow(wide);
        ASSERT_NE(h, nullptr);
        const LONG_PTR own =
            wide ? ::GetWindowLongPtrW(h, GWLP_WNDPROC) : ::GetWindowLongPtrA(h, GWLP_WNDPROC);
        std::wstring seenWide;
        std::string seenNarrow;
        auto link = ui::ChainWindowProc(
            h, [&](UINT m, WPARAM w, LPARAM l, const TWndMethodChain::Next& next) -> LRESULT {
                if (m == WM_SETTEXT) {
                    if (wide)
                        seenWide = reinterpret_cast<const wchar_t*>(l);
                    else
                        seenNarrow = reinterpret_cast<const char*>(l);
                }
                return next(m, w, l);
            });
        EXPECT_EQ(::IsWindowUnicode(h) != FALSE, wide) << "the window stays as it was";
        ::SetWindowTextA(h, "caption");
        if (wide)
            EXPECT_EQ(seenWide, L"caption");
        else
            EXPECT_EQ(seenNarrow, "caption");
        char text[32] = {0};
        ::GetWindowTextA(h, text, sizeof text);
        EXPECT_STREQ(text, "caption") << "the window's own procedure still ran";
        link.Leave();
        EXPECT_EQ(
            wide ? ::GetWindowLongPtrW(h, GWLP_WNDPROC) : ::GetWindowLongPtrA(h, GWLP_WNDPROC), own)
            << "its own procedure is back";
        EXPECT_FALSE(ui::IsSubclassed(h));
        ::DestroyWindow(h);
    }
}

LRESULT CALLBACK Later(HWND h, UINT m, WPARAM w, LPARAM l);
WNDPROC g_beforeLater = nullptr;
int g_laterSeen = 0;
LRESULT CALLBACK Later(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == kProbe)
        ++g_laterSeen;
    return ::CallWindowProcA(g_beforeLater, h, m, w, l);
}

TEST(WindowSubclass, SomeoneSubclassingAfterUsKeepsWorkingWhenWeLeave) {
    HWND h = SystemWindow(false);
    std::string trail;
    auto first = ui::ChainWindowProc(h, Noting(trail, '1'));
    auto second = ui::ChainWindowProc(h, Noting(trail, '2'));
    g_beforeLater = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));
    ::SendMessageA(h, kProbe, 0, 0);
    EXPECT_EQ(trail, "21");
    first.Leave();
    second.Leave();
    g_laterSeen = 0;
    trail.clear();
    ::SendMessageA(h, kProbe, 0, 0);
    EXPECT_EQ(g_laterSeen, 1) << "the later procedure is not cut off";
    EXPECT_EQ(trail, "");
    ::DestroyWindow(h);  // the pass-through record goes with the window
}

}  // namespace
