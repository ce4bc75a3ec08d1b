#include "core/widgets/desktop_alert_stack.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/widgets/alert_fakes.h"

namespace {

using alert_test::FakeStacked;

const core::AlertRect kWorkArea{0, 0, 1024, 738};

struct StackRig {
    core::TDesktopAlertStack stack{[] { return kWorkArea; }};
    std::vector<FakeStacked> popups;

    StackRig(int n, int w, int h) : popups(size_t(n), FakeStacked(w, h)) {}
    void AddAll() {
        for (auto& p : popups)
            stack.AddAlert(&p);
    }
    std::vector<core::StackedAlert*> Expect(std::initializer_list<int> order) {
        std::vector<core::StackedAlert*> out;
        for (int i : order)
            out.push_back(i < 0 ? nullptr : &popups[size_t(i)]);
        return out;
    }
};

TEST(AlertStack, TwoPopupsAtBottomRightAndTheUpperMovesDown) {
    StackRig r(2, 329, 76);
    r.AddAll();
    EXPECT_EQ(r.popups[0].left, 1024 - 329);
    EXPECT_EQ(r.popups[0].top, 738 - 76);
    EXPECT_EQ(r.popups[1].top, 738 - 152);
    r.stack.RemoveAlert(&r.popups[0]);
    EXPECT_EQ(r.popups[1].top, 738 - 76);
    EXPECT_EQ(r.stack.Slots(), r.Expect({1}));
}

TEST(AlertStack, PopupUnderTheMouseKeepsItsPlace) {
    StackRig r(2, 329, 76);
    r.AddAll();
    r.popups[1].mouse = true;
    r.stack.RemoveAlert(&r.popups[0]);
    EXPECT_EQ(r.popups[1].top, 738 - 152);
    // The popup keeps its slot, so the empty slot before it stays too.
    EXPECT_EQ(r.stack.Slots(), r.Expect({-1, 1}));
}

TEST(AlertStack, FourthMovesPastTheHoveredThird) {
    StackRig r(4, 200, 50);
    r.AddAll();
    r.popups[2].mouse = true;
    r.stack.RemoveAlert(&r.popups[1]);
    EXPECT_EQ(r.stack.Slots(), r.Expect({0, 3, 2}));
    EXPECT_EQ(r.popups[3].top, 738 - 100) << "into the second's place";
    EXPECT_EQ(r.popups[2].top, 738 - 150) << "the hovered one stays";
}

TEST(AlertStack, HoleBelowAHoveredTopPopupIsKeptAndANewPopupCoversIt) {
    const int h = 76;
    StackRig r(4, 329, h);
    for (int i = 0; i < 3; ++i)
        r.stack.AddAlert(&r.popups[size_t(i)]);
    EXPECT_EQ(r.popups[2].top, 738 - 3 * h);
    r.popups[2].mouse = true;
    r.stack.RemoveAlert(&r.popups[1]);
    EXPECT_EQ(r.stack.Slots(), r.Expect({0, -1, 2}));
    EXPECT_EQ(r.popups[2].top, 738 - 3 * h);
    r.stack.AddAlert(&r.popups[3]);
    EXPECT_EQ(r.popups[3].top, 738 - 3 * h);
}

TEST(AlertStack, EachCornerWithMixedHeights) {
    struct Case {
        core::TDesktopAlertPosition pos;
        int left0, top0, left1, top1;
    } cases[] = {
        {core::dapTopLeft, 0, 0, 0, 40},
        {core::dapTopRight, 1024 - 100, 0, 1024 - 60, 40},
        {core::dapBottomLeft, 0, 738 - 40, 0, 738 - 70},
        {core::dapBottomRight, 1024 - 100, 738 - 40, 1024 - 60, 738 - 70},
    };
    for (const Case& c : cases) {
        core::TDesktopAlertStack stack([] { return kWorkArea; });
        stack.SetPosition(c.pos);
        FakeStacked a(100, 40), b(60, 30);
        stack.AddAlert(&a);
        stack.AddAlert(&b);
        EXPECT_EQ(a.left, c.left0) << c.pos;
        EXPECT_EQ(a.top, c.top0) << c.pos;
        EXPECT_EQ(b.left, c.left1) << c.pos;
        EXPECT_EQ(b.top, c.top1) << c.pos;
    }
}

TEST(AlertStack, OtherPositionsKeepTheListButMoveNobody) {
    for (auto pos : {core::dapCustom, core::dapDesktopCenter, core::dapActiveFormCenter}) {
        StackRig r(3, 100, 40);
        r.stack.SetPosition(pos);
        r.AddAll();
        r.stack.RemoveAlert(&r.popups[0]);
        EXPECT_EQ(r.stack.Slots(), r.Expect({1, 2}));
        for (const auto& p : r.popups)
            EXPECT_EQ(p.moves, 0) << pos;
    }
}

TEST(AlertStack, HiddenPopupsTakeNoRoomAndOddRemovalsAreIgnored) {
    StackRig r(3, 100, 40);
    r.popups[1].visible = false;
    r.AddAll();
    EXPECT_EQ(r.popups[1].moves, 0);
    EXPECT_EQ(r.popups[2].top, 738 - 80);

    FakeStacked stranger(10, 10);
    r.stack.RemoveAlert(&stranger);
    r.stack.RemoveAlert(nullptr);
    EXPECT_EQ(r.stack.Slots().size(), 3u);

    // Adding a listed popup again does not list it twice, so one removal clears it.
    r.stack.AddAlert(&r.popups[2]);
    r.stack.RemoveAlert(&r.popups[2]);
    EXPECT_FALSE(r.stack.Contains(&r.popups[2]));
    EXPECT_EQ(r.stack.Slots(), r.Expect({0, 1}));
}

TEST(AlertStack, TrailingHolesAreDropped) {
    StackRig r(3, 100, 40);
    r.AddAll();
    r.popups[2].mouse = true;
    r.stack.RemoveAlert(&r.popups[1]);
    ASSERT_EQ(r.stack.Slots(), r.Expect({0, -1, 2}));
    r.stack.RemoveAlert(&r.popups[2]);
    EXPECT_EQ(r.stack.Slots(), r.Expect({0}));
    r.stack.RemoveAlert(&r.popups[0]);
    EXPECT_TRUE(r.stack.Slots().empty());
    r.stack.ArrangeAlerts();  // an empty list is fine
}

}  // namespace
