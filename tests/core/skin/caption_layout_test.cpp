#include "core/skin/caption_layout.h"

#include <gtest/gtest.h>

#include "core/skin/test_skin.h"

namespace {

using namespace core;

TCaptionWindow Window(int width = 400) {
    TCaptionWindow w;
    w.width = width;
    w.metrics = TFrameMetrics{4, 24, 4, 3, 0};
    w.icons.systemMenu = true;
    return w;
}

TCaptionButtonSpec Button(int action, int align, int x, int visibility, int visibility1 = 0) {
    TCaptionButtonSpec b;
    b.action = action;
    b.align = align;
    b.x = x;
    b.y = 4;
    b.visibility = visibility;
    b.visibility1 = visibility1;
    b.width = 22;
    b.height = 16;
    return b;
}

TEST(CaptionLayout, VisibilityCodesBothMustAllow) {
    TCaptionWindow normal = Window();
    TCaptionWindow maxed = Window();
    maxed.state = wsMaximized;
    maxed.icons.maximize = true;
    TCaptionWindow inactive = Window();
    inactive.active = false;
    TCaptionWindow boxes = Window();
    boxes.icons.minimize = boxes.icons.maximize = true;
    TCaptionWindow dialog = Window();
    dialog.kind = fkDialog;
    TCaptionWindow systemDialog = dialog;
    systemDialog.systemDialogClass = true;
    const TVisibilityQuery asks = [](int code, int action) { return code == 1500 ? 1 : 0; };
    struct Row {
        int first, second;
        const TCaptionWindow& w;
        bool shown;
    } rows[] = {
        {0, 0, normal, true},   {1, 0, normal, false},         {1, 1, maxed, true},
        {2, 0, maxed, false},   {3, 0, inactive, false},       {4, 4, inactive, true},
        {6, 0, boxes, true},    {6, 0, normal, false},         {7, 7, normal, true},
        {8, 8, boxes, true},    {9, 0, boxes, false},          {100, 100, normal, false},
        {200, 0, dialog, true}, {200, 0, systemDialog, false}, {200, 0, normal, false},
        {450, 0, normal, true}, {1500, 0, normal, true},       {1501, 0, normal, false},
        {5, 0, normal, false},  {0, -1, normal, false},        {0, 200, dialog, false},
        {0, 6, boxes, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CaptionButtonVisible(Button(5, 1, 26, r.first, r.second), r.w, asks), r.shown)
            << r.first << "/" << r.second;
}

TEST(CaptionLayout, ActionsNeedTheirBoxAndIconButtonsHideInDialogs) {
    TCaptionWindow w = Window();
    EXPECT_TRUE(CaptionButtonVisible(Button(0, 1, 26, 0), w, nullptr));
    w.icons.systemMenu = false;
    EXPECT_FALSE(CaptionButtonVisible(Button(0, 1, 26, 0), w, nullptr));
    EXPECT_FALSE(CaptionButtonVisible(Button(1, 1, 26, 0), w, nullptr));
    EXPECT_FALSE(CaptionButtonVisible(Button(2, 1, 26, 0), w, nullptr));
    EXPECT_TRUE(CaptionButtonVisible(Button(3, 0, 4, 0), w, nullptr));
    w.kind = fkDialog;
    for (int action : {3, 11, 12})
        EXPECT_FALSE(CaptionButtonVisible(Button(action, 0, 4, 0), w, nullptr)) << action;
}

TEST(CaptionLayout, ButtonsByAlignmentAroundTheTextBox) {
    TDataSkinTitle title;
    title.LeftWidth = 26;
    title.RightWidth = 84;
    title.TopHeight = 4;  // vertical text shift: half of it counts
    title.TextBackLeftWidth = 3;
    title.TextBackRightWidth = 5;
    const std::vector<TCaptionButtonSpec> buttons = {Button(0, 1, 26, 0), Button(5, 0, 4, 0),
                                                     Button(5, 2, 2, 0),  Button(5, 3, 6, 0),
                                                     Button(5, 8, 1, 0),  Button(5, 9, 0, 0)};
    const TCaptionLayout l = LayoutCaption(Window(), buttons, 100, 13, title, nullptr);
    EXPECT_EQ(l.textBox, (Rect{26, 7, 134, 20}));  // (24 - 13) / 2 + 4 / 2 = 7
    EXPECT_EQ(l.textRect, (Rect{29, 7, 129, 20}));
    EXPECT_EQ(l.buttons[0], (Rect{374, 4, 396, 20}));
    EXPECT_EQ(l.buttons[1], (Rect{4, 4, 26, 20}));
    EXPECT_EQ(l.buttons[2], (Rect{2, 4, 24, 20}));
    EXPECT_EQ(l.buttons[3], (Rect{140, 4, 162, 20}));
    EXPECT_EQ(l.buttons[4], (Rect{3, 4, 25, 20}));
    EXPECT_EQ(l.buttons[5], (Rect{134, 4, 156, 20}));
}

TEST(CaptionLayout, TextBoxAlignmentClipAndDialogShift) {
    TDataSkinTitle title;
    title.LeftWidth = 26;
    title.RightWidth = 84;
    const std::vector<TCaptionButtonSpec> close = {Button(0, 1, 26, 0), Button(2, 1, 50, 8)};
    auto box = [&](TCaptionWindow w, int alignment, int textWidth) {
        title.TextAlignment = alignment;
        return LayoutCaption(w, close, textWidth, 14, title, nullptr).textBox;
    };
    TCaptionWindow w = Window();
    EXPECT_EQ(box(w, 0, 500), (Rect{26, 5, 316, 19})) << "ends at the right clip";
    EXPECT_EQ(box(w, 1, 100), (Rect{150, 5, 250, 19}));
    EXPECT_EQ(box(w, 2, 100), (Rect{216, 5, 316, 19}));
    w.rightToLeft = true;
    EXPECT_EQ(box(w, 0, 100), (Rect{216, 5, 316, 19})) << "right to left: always right";
    w = Window();
    w.kind = fkDialog;
    EXPECT_EQ(box(w, 0, 100), (Rect{10, 5, 110, 19})) << "no icon button: 16 further left";
    EXPECT_EQ(box(w, 1, 100), (Rect{150, 5, 250, 19}));
    w.popupStyle = true;
    EXPECT_EQ(box(w, 0, 500), (Rect{10, 5, 369, 19}))
        << "a popup's text ends 5 before its shown right-aligned buttons";
    w.icons.minimize = true;
    EXPECT_EQ(box(w, 0, 500), (Rect{10, 5, 345, 19}));
}

TEST(CaptionLayout, ButtonFramesByStateActivityAndFrameCount) {
    EXPECT_EQ(CaptionButtonFrame(ncNormal, true, 4, false), 1);
    EXPECT_EQ(CaptionButtonFrame(ncNormal, false, 4, false), 4);
    EXPECT_EQ(CaptionButtonFrame(ncNormal, false, 3, false), 1);
    EXPECT_EQ(CaptionButtonFrame(ncPressed, false, 4, false), 2);
    EXPECT_EQ(CaptionButtonFrame(ncHot, true, 4, false), 3);
    EXPECT_EQ(CaptionButtonFrame(ncHot, true, 4, true), 4);
    EXPECT_EQ(CaptionButtonFrame(ncNormal, false, 4, true), 1) << "the bar shows MDI buttons so";
}

TEST(CaptionLayout, SpecsOfTheSkinsButtons) {
    auto skin = skintest::FrameSkin().Read();
    ASSERT_GE(skin->CaptionButtons().size(), 3u);
    const TCaptionButtonSpec close = CaptionButtonSpecOf(*skin->CaptionButtons()[0]);
    EXPECT_EQ(close.width, 22);
    EXPECT_EQ(close.height, 16);
    EXPECT_EQ(close.x, 26);
    const TCaptionButtonSpec icon = CaptionButtonSpecOf(*skin->CaptionButtons()[2]);
    EXPECT_EQ(icon.action, 3);
    EXPECT_EQ(icon.width, 0) << "no picture: the form skin gives it the icon's size";
}

}  // namespace
