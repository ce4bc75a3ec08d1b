#include "core/skin/control_parts.h"

#include <gtest/gtest.h>

#include "core/skin/test_skin.h"

namespace {

using core::Rect;
using core::TScrollPart;

struct Thumb {
    int min, max;
    unsigned page;
    int pos;
    bool enabled;
    Rect thumb;  // empty: none
};

TEST(ScrollBarLayout, ThumbFromTheScrollInformation) {
    const Rect bar{100, 0, 116, 200};  // track 16..184, 168 long
    const core::TScrollBarMetrics m{16, 16, 8};
    const Thumb rows[] = {
        {0, 99, 10, 0, true, Rect{100, 16, 116, 33}},     // 168 x 10 / 100 = 16.8 -> 17
        {0, 99, 10, 90, true, Rect{100, 167, 116, 184}},  // last position ends the track
        {0, 99, 10, 45, true, Rect{100, 92, 116, 109}},   // 151 x 45 / 90 = 75.5 -> 76
        {0, 9999, 1, 0, true, Rect{100, 16, 116, 24}},    // at least the shortest thumb
        {0, 100, 0, 50, true, Rect{100, 92, 116, 108}},   // no page: the fixed thumb
        {0, 99, 100, 0, true, Rect{}},                    // page covers the range
        {0, 99, 10, 0, false, Rect{}},                    // disabled
    };
    for (const Thumb& r : rows) {
        const auto l =
            core::LayoutScrollBar(bar, true, m, {r.min, r.max, r.page, r.pos}, r.enabled);
        EXPECT_EQ(l.thumb, r.thumb)
            << r.min << ".." << r.max << " page " << r.page << " pos " << r.pos;
        EXPECT_EQ(l.arrowBefore, (Rect{100, 0, 116, 16}));
        EXPECT_EQ(l.arrowAfter, (Rect{100, 184, 116, 200}));
        EXPECT_EQ(l.track, (Rect{100, 16, 116, 184}));
        if (l.HasThumb()) {
            EXPECT_EQ(l.pageBefore, (Rect{100, 16, 116, r.thumb.top}));
            EXPECT_EQ(l.pageAfter, (Rect{100, r.thumb.bottom, 116, 184}));
        }
    }
}

TEST(ScrollBarLayout, ShortBarsSplitBetweenTheArrows) {
    const core::TScrollBarMetrics m{16, 16, 8};
    auto l = core::LayoutScrollBar(Rect{0, 0, 21, 16}, false, m, {0, 99, 10, 0}, true);
    EXPECT_EQ(l.arrowBefore, (Rect{0, 0, 10, 16}));
    EXPECT_EQ(l.arrowAfter, (Rect{10, 0, 21, 16}));
    EXPECT_TRUE(l.track.Empty());
    EXPECT_FALSE(l.HasThumb());
}

std::vector<uint32_t> Colours(int n, uint32_t base) {
    std::vector<uint32_t> c;
    for (int i = 0; i < n; ++i)
        c.push_back(base + uint32_t(i));
    return c;
}

std::unique_ptr<core::TSkinData> PartsSkin(bool tracks) {
    skintest::TestSkin skin;
    skin.ini = "[Scrollbar]\nImage=sb.bmp\n[Buttons]\nBitmap=b.bmp\n";
    skin.Add("sb.bmp", skintest::Strip(4, 4, Colours(23, 0x100)));
    skin.Add("b.bmp", skintest::Strip(4, 4, Colours(5, 0x200)));
    if (tracks) {
        skin.ini +=
            "[VertScroll]\nImage=vs.bmp\n[VertScrollThumb]\nImage=vt.bmp\nFrameCount=3\n"
            "[UpDown.Vert]\nImage=ud.bmp\nGlyphImage=g.bmp\n[Headerbar]\nImage=h.bmp\n"
            "[Tabs]\nImage=t.bmp\nNormalColour=1\nNormalColour2=9 9 9\n";
        skin.Add("vs.bmp", skintest::Strip(4, 4, Colours(4, 0x300)));
        skin.Add("vt.bmp", skintest::Strip(4, 4, Colours(3, 0x400)));
        skin.Add("ud.bmp", skintest::Strip(4, 4, Colours(8, 0x500)));
        skin.Add("g.bmp", skintest::Strip(2, 2, Colours(8, 0x600)));
        skin.Add("h.bmp", skintest::Strip(4, 4, Colours(5, 0x700)));
        skin.Add("t.bmp", skintest::Strip(4, 4, Colours(5, 0x800)));
    }
    return skin.Read();
}

// The colour of the frame a blit copies (every test frame is one solid colour).
uint32_t FrameColour(const core::SkinBlit& b) {
    return b.picture->At(b.pieces.front().src.left, b.pieces.front().src.top);
}

TEST(ScrollBarBlits, FramesForEachPartAndState) {
    const auto l = core::LayoutScrollBar(Rect{0, 0, 16, 200}, true, core::TScrollBarMetrics{},
                                         {0, 99, 10, 45}, true);
    core::TScrollBarLook look;
    look.pressed = TScrollPart::ArrowAfter;
    look.hot = TScrollPart::Thumb;

    const auto own = PartsSkin(false);
    ASSERT_TRUE(core::SkinDrawsScrollBars(*own));
    auto b = core::ScrollBarBlits(*own, l, look);
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(FrameColour(b[0]), 0x100u + 22) << "track: frame 23";
    EXPECT_EQ(FrameColour(b[1]), 0x100u + 19 + 1) << "vertical thumb, hot: frame 21";
    EXPECT_EQ(FrameColour(b[2]), 0x100u + 0) << "up arrow, normal: frame 1";
    EXPECT_EQ(FrameColour(b[3]), 0x100u + 4 + 2) << "down arrow, pressed: frame 7";
    EXPECT_EQ(b[1].pieces.front().dst, l.thumb);

    look = core::TScrollBarLook{};
    look.pressed = TScrollPart::PageAfter;
    const auto full = PartsSkin(true);
    b = core::ScrollBarBlits(*full, l, look);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(FrameColour(b[0]), 0x300u) << "VertScroll, normal";
    EXPECT_EQ(FrameColour(b[1]), 0x302u) << "pressed page area";
    EXPECT_EQ(b[1].pieces.front().dst, l.pageAfter);
    EXPECT_EQ(FrameColour(b[2]), 0x400u) << "VertScrollThumb, normal";

    look.enabled = false;
    const auto off = core::LayoutScrollBar(Rect{0, 0, 16, 200}, true, core::TScrollBarMetrics{},
                                           {0, 99, 10, 45}, false);
    b = core::ScrollBarBlits(*full, off, look);
    ASSERT_EQ(b.size(), 3u) << "no thumb";
    EXPECT_EQ(FrameColour(b[0]), 0x303u);
    EXPECT_EQ(FrameColour(b[1]), 0x100u + 3) << "up arrow, disabled";
}

TEST(TabFrames, SelectedNeverHotAndDisabledFirst) {
    EXPECT_EQ(core::TabFrame(true, true, false, true), 2);
    EXPECT_EQ(core::TabFrame(true, false, true, true), 5);
    EXPECT_EQ(core::TabFrame(false, true, true, true), 4);
    EXPECT_EQ(core::TabFrame(true, true, true, false), 3);
    EXPECT_EQ(core::TabRect(Rect{10, 4, 60, 24}, true), (Rect{8, 2, 62, 25}));

    const auto full = PartsSkin(true);
    EXPECT_EQ(FrameColour(core::TabBlit(*full, Rect{0, 0, 40, 20}, 4)), 0x803u);
    EXPECT_EQ(core::TabTextColour(*full, 1), core::TSkinColor(core::RGBColour(9, 9, 9)));
    EXPECT_EQ(core::TabTextColour(*full, 4), full->Colour(core::kSkinButtonText));
}

TEST(UpDownBlits, OwnObjectWithGlyphsOrTheScrollArrows) {
    const auto l = core::LayoutUpDown(16, 21, false);
    EXPECT_EQ(l.first, (Rect{0, 0, 16, 10}));
    EXPECT_EQ(l.second, (Rect{0, 10, 16, 21}));

    const auto full = PartsSkin(true);
    auto b = core::UpDownBlits(*full, l, false, core::psPressed, core::psDisabled);
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(FrameColour(b[0]), 0x502u) << "up, pressed: frame 3";
    EXPECT_EQ(FrameColour(b[1]), 0x602u) << "its glyph";
    EXPECT_TRUE(b[1].transparent);
    EXPECT_EQ(b[1].pieces.front().dst, (Rect{7, 4, 9, 6})) << "unscaled, centred";
    EXPECT_EQ(FrameColour(b[2]), 0x507u) << "down, disabled: frame 8";

    const auto own = PartsSkin(false);
    b = core::UpDownBlits(*own, l, false, core::psHot, core::psNormal);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(FrameColour(b[0]), 0x101u) << "up arrow, hot";
    EXPECT_EQ(FrameColour(b[1]), 0x104u) << "down arrow, normal";
    b = core::UpDownBlits(*own, l, true, core::psNormal, core::psNormal);
    EXPECT_EQ(FrameColour(b[1]), 0x10Cu) << "right arrow";
}

TEST(HeaderBlits, SectionsAndTheRestOfTheHeader) {
    EXPECT_EQ(core::HeaderFrame(true, true, true), 2);
    EXPECT_EQ(core::HeaderFrame(false, true, true), 4);
    const Rect header{0, 0, 300, 20};
    const auto full = PartsSkin(true);
    EXPECT_EQ(FrameColour(core::HeaderSectionBlit(*full, Rect{0, 0, 80, 20}, 4)), 0x703u);
    const auto rest = core::HeaderRemainderBlit(*full, header, 180);
    EXPECT_EQ(FrameColour(rest), 0x704u);
    EXPECT_EQ(rest.pieces.front().dst.left, 180);

    const auto own = PartsSkin(false);
    EXPECT_EQ(FrameColour(core::HeaderSectionBlit(*own, Rect{0, 0, 80, 20}, 2)), 0x201u)
        << "the push button's pressed frame";
    EXPECT_EQ(FrameColour(core::HeaderRemainderBlit(*own, header, 180)), 0x200u);
}

// Frames of sections 0 and 1 after a sequence of mouse events on a header with buttons.
TEST(HeaderInput, PressHotAndResizing) {
    enum Ev { Move0, Move1, MoveDivider, Down0, DownDivider, Up, Leave };
    struct Case {
        const char* what;
        std::vector<Ev> events;
        int frame0, frame1;
    };
    const Case cases[] = {
        {"hot under the mouse", {Move0}, 4, 1},
        {"pressed", {Move0, Down0}, 2, 1},
        {"pressed, moved off: neither pressed nor the other hot", {Down0, Move1}, 1, 1},
        {"pressed, back on it", {Down0, Move1, Move0}, 2, 1},
        {"released", {Down0, Up}, 4, 1},
        {"a divider is not a section", {Move0, MoveDivider}, 1, 1},
        {"resizing a column shows no hot section", {DownDivider, Move1}, 1, 1},
        {"after resizing", {DownDivider, Move1, Up, Move1}, 1, 4},
        {"left", {Move1, Leave}, 1, 1},
    };
    for (const Case& c : cases) {
        core::THeaderInput in;
        for (Ev e : c.events)
            switch (e) {
                case Move0:
                    in.MouseMove(0, false);
                    break;
                case Move1:
                    in.MouseMove(1, false);
                    break;
                case MoveDivider:
                    in.MouseMove(0, true);
                    break;
                case Down0:
                    in.MouseDown(0, false, true);
                    break;
                case DownDivider:
                    in.MouseDown(0, true, true);
                    break;
                case Up:
                    in.MouseUp();
                    break;
                case Leave:
                    in.MouseLeave();
                    break;
            }
        EXPECT_EQ(in.FrameOf(0, true), c.frame0) << c.what;
        EXPECT_EQ(in.FrameOf(1, true), c.frame1) << c.what;
        EXPECT_EQ(in.FrameOf(0, false), 3) << c.what << ", disabled";
    }
    core::THeaderInput plain;
    plain.MouseDown(0, false, false);
    EXPECT_EQ(plain.FrameOf(0, true), 4) << "without the buttons style a press only shows hot";
}

TEST(ScrollCorner, BetweenTwoBarsInTheTracksLook) {
    const Rect v{100, 0, 116, 84}, h{0, 84, 100, 100};
    EXPECT_EQ(core::ScrollCornerRect(v, h), (Rect{100, 84, 116, 100}));
    EXPECT_TRUE(core::ScrollCornerRect(v, Rect{}).Empty());
    const auto skin = PartsSkin(false);
    const auto corner = core::ScrollCornerBlit(*skin, core::ScrollCornerRect(v, h));
    ASSERT_FALSE(corner.Empty());
    EXPECT_EQ(FrameColour(corner), 0x116u) << "frame 23, the track";
}

}  // namespace
