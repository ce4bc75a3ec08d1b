#include "core/skin/skin_data.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/skin/img_util.h"
#include "core/skin/test_skin.h"

namespace {

using core::Bitmap;
using core::RGBColour;
using core::TSkinData;
using skintest::Strip;
using skintest::TestSkin;

Bitmap Solid(int w, int h, uint32_t c) {
    return Bitmap(w, h, c);
}

TEST(SkinColour, NumbersSeparatedByAnyNonDigit) {
    EXPECT_EQ(core::ParseSkinColour("255,0,0"), core::ParseSkinColour("255 0 0"));
    EXPECT_EQ(core::ParseSkinColour("230 235 245"), RGBColour(230, 235, 245));
    EXPECT_EQ(core::ParseSkinColour("10, 20,  30"), RGBColour(10, 20, 30));
    EXPECT_EQ(core::ParseSkinColour("300 0 0"), RGBColour(44, 0, 0));
    EXPECT_EQ(core::ParseSkinColour("255 128"), RGBColour(255, 0, 0))
        << "a number ending the text counts only as the third";
    EXPECT_EQ(core::ParseSkinColour("1 2 3 4 5"), RGBColour(1, 2, 3));
    EXPECT_EQ(core::ParseSkinColour("1 2 3 "), RGBColour(1, 2, 3));
    EXPECT_EQ(core::ParseSkinColour("rgb(9;8;7)"), RGBColour(9, 8, 7));
    EXPECT_EQ(core::ParseSkinColour("99999999999 0 0"), RGBColour(255, 0, 0)) << "10^11 - 1";
    EXPECT_EQ(core::ParseSkinColour("none"), 0u);
}

TEST(SkinDefinitions, DefaultsWhenEverySectionIsMissing) {
    TestSkin skin;
    auto d = skin.Read();
    EXPECT_FALSE(d->NoSkin());
    EXPECT_EQ(d->SkinName(), "");
    EXPECT_EQ(d->Colour(core::kSkinWindowText), core::SystemColour(core::kColorWindowText));
    EXPECT_EQ(d->Colour(core::kSkinButtonDkShadow), core::SystemColour(core::kColor3DDkShadow));
    EXPECT_EQ(d->Colour(core::kSkinTitleTextNoActive),
              core::SystemColour(core::kColorInactiveCaptionText));
    EXPECT_EQ(d->Colour(core::kSkinMenubar), core::SystemColour(core::kColorBtnFace));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(d->CustomColour(i), core::TSkinColor(core::kWhite));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(d->Border(i).Picture.Empty());
        EXPECT_EQ(d->Border(i).FrameCount, 1);
        EXPECT_EQ(d->Border(i).Tile, 1);
        EXPECT_EQ(d->Border(i).Trans, 1);
    }
    EXPECT_EQ(d->ButtonDef().FrameCount, 5);
    EXPECT_EQ(d->ButtonDef().RadioFrameCount, 4);
    EXPECT_EQ(d->ButtonDef().CheckFrameCount, 4);
    EXPECT_EQ(d->ButtonDef().NormalColour, -1);
    EXPECT_EQ(d->ButtonDef().NormalColour2, core::SystemColour(core::kColorBtnText));
    EXPECT_FALSE(d->ButtonDef().HasNormalColour2);
    EXPECT_EQ(d->Title().FontHeight, 14);
    EXPECT_EQ(d->Title().FrameCount, 2);
    EXPECT_EQ(d->Title().ActiveTextColour, core::kUnsetColour);
    EXPECT_EQ(d->CaptionButtons().size(), 3u) << "only the MDI buttons";
    EXPECT_EQ(d->CaptionColour(), d->ButtonFaceColour());
    // Only the derived toolbar background exists without sections.
    ASSERT_EQ(d->Objects().size(), 1u);
    EXPECT_EQ(d->Objects()[0]->Name, "Toolbar");
    EXPECT_EQ(d->Find("Progress"), nullptr);
    EXPECT_EQ(d->Find("ComboxArrow"), nullptr);
}

TEST(SkinDefinitions, ColoursSectionsAndCustomColours) {
    TestSkin skin;
    skin.ini =
        "[TitlebarSkin]\nSkinName=Morning\n"
        "[Colours]\nButtonFace=1 2 3\nbuttonshadow = 10,20,30\nHilight=\n"
        "[Colour.Panel]\ncolor=7 8 9\n[COLOURS]\n[colourEdit]\nother=1\n"
        "[Customcolors]\nColor3=4 5 6\nColor10=1 1 1\n";
    auto d = skin.Read();
    EXPECT_EQ(d->SkinName(), "Morning");
    EXPECT_EQ(d->Colour(core::kSkinButtonFace), core::TSkinColor(RGBColour(1, 2, 3)));
    EXPECT_EQ(d->Colour(core::kSkinMenubar), core::TSkinColor(RGBColour(1, 2, 3)))
        << "the menu bar follows the button face as read";
    EXPECT_EQ(d->Colour(core::kSkinButtonShadow), core::TSkinColor(RGBColour(10, 20, 30)));
    EXPECT_EQ(d->Colour(core::kSkinHilight), core::SystemColour(core::kColorHighlight));
    ASSERT_EQ(d->SectionColours().size(), 2u);
    EXPECT_EQ(d->SectionColours()[0].first, "Colour.Panel");
    EXPECT_EQ(d->SectionColours()[0].second, core::TSkinColor(RGBColour(7, 8, 9)));
    EXPECT_EQ(d->SectionColours()[1].second, core::SystemColour(core::kColorWindowText));
    EXPECT_EQ(d->CustomColour(3), core::TSkinColor(RGBColour(4, 5, 6)));
    EXPECT_EQ(d->CustomColour(0), core::TSkinColor(core::kWhite));
}

TEST(SkinDefinitions, CaptionButtonsSelectionAndFrameCounts) {
    TestSkin skin;
    skin.Add("wide.bmp", Solid(80, 10, 1));    // ratio 8 -> 6 frames
    skin.Add("narrow.bmp", Solid(60, 20, 2));  // ratio 3 -> 3 frames
    skin.ini =
        "[Buttons]\nBitmap=narrow.bmp\n[Button.Radio]\nButtonImage=wide.bmp\n"
        "[button0]\nButtonImage=narrow.bmp\nAlign=1\nXcoord=20\nYcoord=4\n"
        "[Button1]\nButtonImage=wide.bmp\nAction=2\n"
        "[Button2]\nAction=-1\nVisibility=0\nButtonImage=narrow.bmp\n"
        "[Button3]\nAction=-1\nButtonImage=narrow.bmp\n"
        "[Button4]\nAction=3\nButtonImage=narrow.bmp\n"
        "[Button5]\nAction=11\nframe=2\nButtonImage=narrow.bmp\nCombineOp=1\n"
        "[Button6]\nAction=1\n[MyButton]\nAction=1\n";
    auto d = skin.Read();
    const auto& b = d->CaptionButtons();
    ASSERT_EQ(b.size(), 6u + 3u);
    EXPECT_EQ(b[0]->Name, "BUTTON0");
    EXPECT_EQ(b[0]->FrameCount, 3);
    EXPECT_EQ(b[0]->Align, 1);
    EXPECT_EQ(b[0]->XCoord, 20);
    EXPECT_EQ(b[0]->YCoord, 4);
    EXPECT_EQ(b[0]->CombineOp, -1);
    EXPECT_EQ(b[0]->Visibility, 0);
    EXPECT_EQ(b[0]->Visibility1, 0);
    EXPECT_EQ(b[1]->FrameCount, 6);
    EXPECT_EQ(b[2]->Name, "BUTTON2") << "hidden-but-visible-0 buttons with action -1 stay";
    EXPECT_EQ(b[2]->FrameCount, 6) << "a negative action forces 6";
    EXPECT_EQ(b[2]->Visibility1, -1);
    EXPECT_EQ(b[3]->Name, "BUTTON4") << "Button3 (action -1, visibility -1) is dropped";
    EXPECT_TRUE(b[3]->Picture.Empty()) << "action 3 loses its picture when frames were unset";
    EXPECT_EQ(b[3]->FrameCount, 3);
    EXPECT_EQ(b[4]->Name, "BUTTON5");
    EXPECT_FALSE(b[4]->Picture.Empty()) << "an explicit frame count keeps the picture";
    EXPECT_EQ(b[4]->FrameCount, 2);
    EXPECT_EQ(b[4]->CombineOp, 1);
    EXPECT_EQ(b[5]->Name, "BUTTON6");
    EXPECT_EQ(b[5]->FrameCount, 6) << "no picture: 6";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(b[6 + size_t(i)]->Action, 7 + i);
        EXPECT_EQ(b[6 + size_t(i)]->Align, 100);
        EXPECT_EQ(b[6 + size_t(i)]->Visibility, 100);
        EXPECT_EQ(b[6 + size_t(i)]->Visibility1, 100);
        EXPECT_EQ(b[6 + size_t(i)]->FrameCount, 4);
        EXPECT_TRUE(b[6 + size_t(i)]->Picture.Empty());
    }
}

TEST(SkinDefinitions, MdiButtonsCutFromOnePicture) {
    TestSkin skin;
    Bitmap mdi(120, 10);
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 10; ++y)
            mdi.Set(x, y, uint32_t(x * 16 + y));
    skin.Add("mdi.bmp", mdi);
    skin.ini = "[MDICONTROLS]\nImage=mdi.bmp\n";
    auto d = skin.Read();
    ASSERT_EQ(d->CaptionButtons().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto& b = *d->CaptionButtons()[size_t(i)];
        ASSERT_EQ(b.Picture.width, 40);
        ASSERT_EQ(b.Picture.height, 10);
        EXPECT_EQ(b.Picture.At(0, 0), mdi.At(40 * i, 0));
        EXPECT_EQ(b.Picture.At(39, 9), mdi.At(40 * i + 39, 9));
        EXPECT_EQ(b.XCoord, 14 * (3 - i));
    }
}

TEST(SkinDefinitions, BordersTitleAndButtonDefinition) {
    TestSkin skin;
    skin.Add("top.bmp", Solid(30, 20, RGBColour(1, 1, 1)));
    skin.Add("radio.bmp", Solid(130, 13, 0));
    skin.Add("check.bmp", Solid(160, 16, 0));
    skin.Add("back.bmp", Solid(4, 4, 0));
    skin.ini =
        "[Personality]\nTop=skins\\top.bmp\nTopFrame=2\nTopStretch=3\nTopTrans=0\n"
        "TopTopHeight=5\nTopBotHeight=6\nLeft=top.bmp\nLeftTopHeight=7\nLeftBotHeight=8\n"
        "TextBack=back.bmp\nTextShift=3\nTextShiftVert=2\nTextRightClip=9\nTextAlignment=1\n"
        "ActiveTextR=10\nActiveTextG=20\nActiveTextB=30\nInActiveTextR=1\nInActiveTextG=2\n"
        "[Fonts]\nFontHeight=17\n"
        "[Buttons]\nRadioButton=radio.bmp\nCheckButton=check.bmp\nTile=2\nLeftWidth=4\n"
        "NormalColour=0\nMouseOverColour2=200 0 0\n";
    auto d = skin.Read();
    const auto& top = d->Border(2);
    EXPECT_EQ(top.Picture.width, 30) << "the folder part of the value is ignored";
    EXPECT_EQ(top.FrameCount, 2);
    EXPECT_EQ(top.Tile, 1);
    EXPECT_EQ(top.Trans, 0);
    EXPECT_EQ(top.LeftWidth, 5);
    EXPECT_EQ(top.RightWidth, 6);
    EXPECT_EQ(top.TopHeight, 0);
    EXPECT_EQ(d->Border(0).TopHeight, 7);
    EXPECT_EQ(d->Border(0).BottomHeight, 8);
    EXPECT_EQ(d->Border(0).LeftWidth, 0);

    const auto& t = d->Title();
    EXPECT_EQ(t.Picture.width, 4);
    EXPECT_EQ(t.LeftWidth, 3);
    EXPECT_EQ(t.TopHeight, 2);
    EXPECT_EQ(t.RightWidth, 9);
    EXPECT_EQ(t.TextAlignment, 1);
    EXPECT_EQ(t.FontHeight, 17);
    EXPECT_EQ(t.ActiveTextColour, core::TSkinColor(RGBColour(10, 20, 30)));
    EXPECT_EQ(t.InactiveTextColour, core::kUnsetColour) << "blue is missing";

    const auto& b = d->ButtonDef();
    EXPECT_EQ(b.RadioFrameCount, 10) << "130 / 13 for pictures under 16 high";
    EXPECT_EQ(b.CheckFrameCount, 10) << "160 / 16";
    EXPECT_EQ(b.Tile, 0);
    EXPECT_EQ(b.LeftWidth, 4);
    EXPECT_EQ(b.NormalColour, 0);
    EXPECT_TRUE(b.HasMouseOverColour2);
    EXPECT_FALSE(b.HasPressedColour2);
    EXPECT_EQ(b.MouseOverColour2, core::TSkinColor(RGBColour(200, 0, 0)));
}

TEST(SkinDefinitions, ObjectTableReadersAndFrameCounts) {
    TestSkin skin;
    skin.Add("p.bmp", Solid(20, 10, 0));
    skin.ini =
        "[Progress]\nBitmap=p.bmp\nTile=2\nFrame=9\n"
        "[Progress.Chunk]\nImage=p.bmp\nFrame=3\nTile=2\n"
        "[Personality]\nmenuBar=p.bmp\nTileMenu=4\n"
        "[GroupBox]\nImage=p.bmp\nBackgroundLeftShift=6\n"
        "[Tabs]\nImage=p.bmp\nFrame=1\nBorder=p.bmp\n"
        "[Tab.Pane]\nImage=p.bmp\nLeftWidth=9\nTopHeight=3\nRightWidth=5\nBottomHeight=4\n"
        "[Headerbar]\nImage=p.bmp\n"
        "[HorzScrollThumb]\nImage=p.bmp\nFrameCount=7\n[VertScrollThumb]\nImage=p.bmp\n"
        "[UpDown.Vert]\nImage=p.bmp\nGlyphImage=p.bmp\n"
        "[MenuItem]\nImage=\nImage=p.bmp\n"
        "[ExtraImages]\nImage=missing.bmp\n";
    auto d = skin.Read();
    auto get = [&](const char* n) {
        const core::TDataSkinObject* o = d->Find(n);
        EXPECT_NE(o, nullptr) << n;
        return o;
    };
    EXPECT_EQ(get("Progress")->FrameCount, 2) << "style 0";
    EXPECT_EQ(get("Progress")->Tile, 1) << "bitmap reader caps the tile at 1";
    EXPECT_EQ(get("Progress.Chunk")->FrameCount, 3);
    EXPECT_EQ(get("Progress.Chunk")->Tile, 0) << "image reader turns a tile above 1 into 0";
    EXPECT_EQ(get("menuBar")->FrameCount, 2);
    EXPECT_EQ(get("menuBar")->Tile, 1);
    EXPECT_EQ(get("menuBar")->LeftWidth, 1);
    EXPECT_EQ(get("menuBar")->RightWidth, 1);
    auto box = dynamic_cast<const core::TDataSkinBoxLabel*>(get("GroupBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->BackgroundLeftShift, 6);
    EXPECT_EQ(box->FrameCount, 1);
    auto tabs = dynamic_cast<const core::TDataSkinBorder*>(get("Tabs"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->FrameCount, 5);
    EXPECT_EQ(tabs->Picture2.width, 20);
    const auto* pane = get("Tab.Pane");
    EXPECT_EQ(pane->LeftWidth, 4);
    EXPECT_EQ(pane->TopHeight, 3);
    EXPECT_EQ(pane->RightWidth, 4);
    EXPECT_EQ(pane->BottomHeight, 4);
    EXPECT_EQ(get("Headerbar")->FrameCount, 5);
    EXPECT_EQ(get("HorzScrollThumb")->FrameCount, 7);
    EXPECT_EQ(get("VertScrollThumb")->FrameCount, 3);
    EXPECT_EQ(get("UpDown.Vert")->FrameCount, 8);
    EXPECT_EQ(d->Find("MenuItem"), nullptr) << "an empty first Image line hides the later one";
    ASSERT_NE(d->Find("ExtraImages"), nullptr) << "a missing file still makes the object";
    EXPECT_TRUE(d->Find("ExtraImages")->Picture.Empty());
    EXPECT_EQ(d->Find("Track"), nullptr) << "no program bitmap to fall back on";

    skin.ini = "[Progress]\nBitmap=p.bmp\nStyle=1\n[Headerbar]\nImage=p.bmp\nFrame=3\n";
    d = skin.Read();
    EXPECT_EQ(get("Progress")->FrameCount, 1);
    EXPECT_EQ(get("Headerbar")->FrameCount, 3);
}

TEST(SkinDefinitions, TrackFallsBackOnTheProgramsBitmaps) {
    TestSkin skin;
    std::vector<std::string> asked;
    skin.env.programBitmap = [&](const std::string& name) {
        asked.push_back(name);
        return Solid(9, 9, 5);
    };
    skin.Add("t.bmp", Solid(6, 6, 1));
    skin.ini = "[TRACKVERT]\nImage=t.bmp\nFrame=2\n";
    auto d = skin.Read();
    EXPECT_EQ(asked, std::vector<std::string>{"TRACK"});
    const auto* track = d->Find("Track");
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->Picture.width, 9);
    EXPECT_EQ(track->LeftWidth, 3);
    EXPECT_EQ(track->BottomHeight, 3);
    EXPECT_EQ(track->Tile, 0);
    EXPECT_EQ(track->FrameCount, 1);
    EXPECT_EQ(d->Find("TRACKVERT")->FrameCount, 2) << "read ones keep their count";
}

TEST(SkinDefinitions, BitmapNamesAndDamagedPictures) {
    TestSkin skin;
    skin.Add("good.bmp", Solid(3, 3, 1));
    skin.files["bad.bmp"] = core::Bytes{'B', 'M', 1, 2, 3};
    skin.files["upper.bmp"] = skin.files["good.bmp"];
    skin.ini =
        "[SunkEdge]\nImage=c:\\skins/good.bmp\n[MenuItem]\nImage=bad.bmp\n"
        "[ToolBars]\nImage=UPPER.BMP\n[Scrollbar]\nImage=good\n";
    auto d = skin.Read();
    EXPECT_FALSE(d->Find("SunkEdge")->Picture.Empty());
    EXPECT_TRUE(d->Find("MenuItem")->Picture.Empty()) << "a damaged picture reads as none";
    EXPECT_TRUE(d->Find("ToolBars")->Picture.Empty()) << "the extension must be lower case";
    EXPECT_TRUE(d->Find("Scrollbar")->Picture.Empty());
}

TEST(SkinDerivedImages, SunkenComboStripPixelByPixel) {
    const uint32_t A[4] = {0x000010, 0x000020, 0x000030, 0x000040};
    const uint32_t B[4] = {0x001000, 0x002000, 0x003000, 0x004000};
    const uint32_t C[5] = {0x100000, 0x200000, 0x300000, 0x400000, 0x500000};
    TestSkin skin;
    skin.env.hScrollArrowWidth = 10;  // s = 12
    skin.Add("sunk.bmp", Strip(10, 10, {A[0], A[1], A[2], A[3]}));
    Bitmap combo = Strip(8, 8, {B[0], B[1], B[2], B[3]});
    combo.Set(0, 0, core::kMagenta);  // transparent: the sunken edge shows through
    skin.Add("combo.bmp", combo);
    skin.Add("extra.bmp", Strip(3, 3, {C[0], C[1], C[2], C[3], C[4]}));
    skin.ini =
        "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=3\nBottomHeight=1\n"
        "[ComboButton]\nImage=combo.bmp\nLeftWidth=1\nRightWidth=1\nTopHeight=1\nBottomHeight=1\n"
        "[ExtraImages]\nImage=extra.bmp\n";
    auto d = skin.Read();
    const auto* cb = dynamic_cast<const core::TDataSkinBorder*>(d->Find("ComboButton"));
    const auto* se = d->Find("SunkEdge");
    ASSERT_NE(cb, nullptr);
    ASSERT_NE(se, nullptr);
    EXPECT_EQ(cb->Picture2.pixels, core::Mirrored(combo).pixels)
        << "the mirrored copy is of the picture as read";
    ASSERT_EQ(cb->Picture.width, 200);
    ASSERT_EQ(cb->Picture.height, 21);
    EXPECT_EQ(cb->Style, 2);
    EXPECT_EQ(cb->LeftWidth, 2);
    EXPECT_EQ(cb->RightWidth, 14);
    EXPECT_EQ(cb->TopHeight, 3);
    EXPECT_EQ(cb->BottomHeight, 1);
    EXPECT_EQ(cb->FrameCount, 4);
    EXPECT_EQ(se->LeftWidth, 14);
    EXPECT_EQ(se->RightWidth, 2);
    EXPECT_EQ(se->Picture.pixels, core::Mirrored(cb->Picture).pixels);
    for (int f = 0; f < 4; ++f) {
        const int x0 = 50 * f;
        const Bitmap& p = cb->Picture;
        EXPECT_EQ(p.At(x0, 0), A[f]);
        EXPECT_EQ(p.At(x0 + 1, 10), A[f]);
        EXPECT_EQ(p.At(x0 + 2, 2), core::kMagenta) << "the see-through middle";
        EXPECT_EQ(p.At(x0 + 36, 17), core::kMagenta);
        EXPECT_EQ(p.At(x0 + 37, 10), A[f]) << "the middle ends at 49 - s";
        EXPECT_EQ(p.At(x0 + 20, 18), A[f]);
        EXPECT_EQ(p.At(x0 + 38, 0), f == 0 ? A[0] : B[f]) << "magenta corner of frame 1";
        EXPECT_EQ(p.At(x0 + 39, 5), B[f]);
        EXPECT_EQ(p.At(x0 + 49, 20), B[f]);
        // The glyph is centred in the 12 x 21 button: (38 + 4, 9).
        EXPECT_EQ(p.At(x0 + 42, 9), C[f]);
        EXPECT_EQ(p.At(x0 + 44, 11), C[f]);
        EXPECT_EQ(p.At(x0 + 45, 11), B[f]);
        EXPECT_EQ(p.At(x0 + 42, 12), B[f]);
    }
    const auto* arrow = d->Find("ComboxArrow");
    ASSERT_NE(arrow, nullptr);
    ASSERT_EQ(arrow->Picture.width, 68);
    ASSERT_EQ(arrow->Picture.height, 17);
    EXPECT_EQ(arrow->FrameCount, 4);
    for (int f = 0; f < 4; ++f) {
        // Frame f is cut from (31, 2)-(48, 19) of strip cell f.
        EXPECT_EQ(arrow->Picture.At(17 * f, 0), core::kMagenta);
        EXPECT_EQ(arrow->Picture.At(17 * f + 8, 1), B[f]);
        EXPECT_EQ(arrow->Picture.At(17 * f + 11, 7), C[f]);
        EXPECT_EQ(arrow->Picture.At(17 * f + 6, 16), A[f]);
    }
}

TEST(SkinDerivedImages, ComboArrowWithoutSunkenEdge) {
    TestSkin skin;
    Bitmap combo = Strip(5, 5, {1, 2, 3, 4});
    combo.Set(6, 2, core::kMagenta);
    skin.Add("combo.bmp", combo);
    skin.ini = "[Colours]\nButtonFace=9 9 9\n[ComboButton]\nImage=combo.bmp\nStyle=1\n";
    auto d = skin.Read();
    const auto* arrow = d->Find("ComboxArrow");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->FrameCount, 4);
    EXPECT_EQ(arrow->Picture.At(6, 2), RGBColour(9, 9, 9));
    EXPECT_EQ(arrow->Picture.At(7, 2), 2u);
    EXPECT_EQ(d->Find("ComboButton")->Style, 1) << "no strip without a sunken edge";
    EXPECT_EQ(d->Find("ComboButton")->Picture.pixels, combo.pixels);
}

TEST(SkinDerivedImages, CaptionColourAndToolbarGradient) {
    // Top border with two stacked frames: the caption colour is the pixel at (10, 3).
    Bitmap top(30, 20, 0);
    top.Set(10, 3, RGBColour(200, 40, 40));
    TestSkin skin;
    skin.Add("top.bmp", top);
    skin.ini = "[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=100 100 100\n";
    auto d = skin.Read();
    EXPECT_EQ(d->CaptionColour(), RGBColour(200, 40, 40));
    const auto* tb = d->Find("Toolbar");
    ASSERT_NE(tb, nullptr);
    ASSERT_EQ(tb->Picture.width, 10);
    ASSERT_EQ(tb->Picture.height, 40);
    EXPECT_EQ(tb->FrameCount, 1);
    // Top: 0.15 * 100 + 0.85 * 255 = 231.75 -> 232.
    EXPECT_EQ(tb->Picture.At(0, 0), RGBColour(232, 232, 232));
    // Saturation 204 > 110: weight (5625 - 5100) / 140 + 50 = 53 hundredths of the caption.
    EXPECT_EQ(tb->Picture.At(9, 39), RGBColour(226, 141, 141));

    top.Set(10, 3, RGBColour(200, 200, 210));  // saturation 12: grey mixed into the caption
    skin.Add("top.bmp", top);
    d = skin.Read();
    EXPECT_EQ(d->Find("Toolbar")->Picture.At(5, 39), RGBColour(189, 189, 198));
    EXPECT_EQ(d->Find("Toolbar")->Picture.At(5, 0), RGBColour(232, 232, 232));
}

TEST(SkinDefinitions, ReadingAgainReplacesEverything) {
    TestSkin skin;
    skin.Add("p.bmp", Solid(4, 4, 0));
    skin.ini = "[MenuItem]\nImage=p.bmp\n[Button0]\nAction=1\n[Colour1]\ncolor=1 1 1\n";
    auto d = std::make_unique<TSkinData>();
    core::TQuickIni q;
    q.Load(reinterpret_cast<const uint8_t*>(skin.ini.data()), skin.ini.size());
    TSkinData::EntryFetcher fetch = [&](const std::string& n) { return skin.files[n]; };
    d->ReadDefinitions(q, fetch);
    d->ReadDefinitions(q, fetch);
    EXPECT_EQ(d->CaptionButtons().size(), 4u);
    EXPECT_EQ(d->SectionColours().size(), 1u);
    EXPECT_EQ(d->Objects().size(), 2u);
}

}  // namespace
