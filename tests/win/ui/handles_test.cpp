// The handle owners free once, hand over on release and put selected objects back.
#include <gtest/gtest.h>

#include "win/ui/handles.h"

namespace {

using namespace ui;

TEST(HandlesTest, MovingAndReleasingTransfersOwnershipExactlyOnce) {
    ScopedRegion a(::CreateRectRgn(0, 0, 10, 10));
    HRGN raw = a.get();
    ASSERT_NE(raw, nullptr);
    ScopedRegion b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), raw);
    HRGN released = b.release();
    EXPECT_FALSE(b);
    EXPECT_EQ(::GetObjectType(released), DWORD(OBJ_REGION));
    { ScopedRegion again(released); }
    EXPECT_EQ(::GetObjectType(released), 0u);  // deleted by the scope
}

TEST(HandlesTest, SelectGuardPutsTheOldObjectBack) {
    ScopedMemoryDC dc(::CreateCompatibleDC(nullptr));
    ScopedBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    {
        ScopedSelectObject select(dc.get(), brush.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

TEST(HandlesTest, GetDCIsGivenBackAndTimersAreKilled) {
    HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    {
        ScopedGetDC dc(hwnd);
        EXPECT_TRUE(dc);
        ScopedGetDC moved(std::move(dc));
        EXPECT_FALSE(dc);
        EXPECT_TRUE(moved);
    }
    {
        ScopedTimer timer(hwnd, 5, 10);
        EXPECT_EQ(timer.get(), 5u);
    }
    EXPECT_FALSE(::KillTimer(hwnd, 5));  // already gone
    ::DestroyWindow(hwnd);
}

}  // namespace
