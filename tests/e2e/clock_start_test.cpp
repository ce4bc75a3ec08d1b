// Starts the real clock beside generated designs and checks what a user sees.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "core/app/clock_design.h"
#include "e2e/clock_design_fixture.h"
#include "e2e/clock_process.h"

namespace e2e {
namespace {

RECT ScreenRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void CloseClock(ClockProcess& clock, HWND form) {
    PostMessageA(form, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(clock.WaitForExit(10000, &code)) << "the clock did not end after WM_CLOSE";
    EXPECT_EQ(code, 0u);
}

// The LED's width is n cells of the design's sizes for some text length n.
void ExpectLedAutoSized(const RECT& led, int wordWidth, int space, int offX, int height) {
    const int w = Width(led);
    EXPECT_EQ((w - 2 * offX + space) % (wordWidth + space), 0) << "LED width " << w;
    EXPECT_GE((w - 2 * offX + space) / (wordWidth + space), 7) << "at least h:mm:ss";
    EXPECT_EQ(Height(led), height);
}

TEST(ClockStart, PictureFaceIsPlacedSizedAndCutToShape) {
    ClockSetup setup(StandardDesign());
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr) << "no clock window";
    EXPECT_EQ(WindowText(form), "Form1");
    // The default skin takes the window over (it answers as skinned) and leaves its size,
    // shape and opacity as they are, which the checks below hold it to.
    DWORD_PTR skinned = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000 && skinned != 1; Sleep(50))
        SendMessageTimeoutA(form, 13603, 0, 0, SMTO_ABORTIFHUNG, 1000, &skinned);
    EXPECT_EQ(skinned, 1u) << "the clock window is skinned";
    Sleep(300);  // its set-up message has run

    HWND led = FindChild(form, "TLEDFontNum");
    HWND image = FindChild(form, "TImage");
    ASSERT_NE(led, nullptr);
    ASSERT_NE(image, nullptr);
    const RECT wr = ScreenRect(form), lr = ScreenRect(led), ir = ScreenRect(image);

    // The face keeps its design place relative to the LED (face at 0,40; LED at 10,0) and the
    // window is exactly their common bounding box.
    EXPECT_EQ(ir.left - lr.left, -10);
    EXPECT_EQ(ir.top - lr.top, 40);
    EXPECT_EQ(Width(ir), 120);
    EXPECT_EQ(Height(ir), 90);
    ExpectLedAutoSized(lr, 17, 4, 4, 29 + 8);
    RECT both;
    UnionRect(&both, &lr, &ir);
    EXPECT_TRUE(EqualRect(&both, &wr))
        << "window " << wr.left << "," << wr.top << " " << Width(wr) << "x" << Height(wr);

    // Lower right corner of the whole screen, 30 pixels above its bottom edge.
    EXPECT_EQ(wr.left, GetSystemMetrics(SM_CXSCREEN) - Width(wr));
    EXPECT_EQ(wr.top, GetSystemMetrics(SM_CYSCREEN) - Height(wr) - 30);

    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    EXPECT_TRUE(flags & LWA_ALPHA);

    // Region: the circle (face origin at window 0,40) and the LED rectangle, nothing else.
    const int fx = ir.left - wr.left, fy = ir.top - wr.top;
    EXPECT_TRUE(RegionContains(form, fx + 60, fy + 45)) << "face centre";
    EXPECT_TRUE(RegionContains(form, fx + 60, fy + 6)) << "inside the circle near its top";
    EXPECT_FALSE(RegionContains(form, fx + 2, fy + 2)) << "background corner of the face";
    EXPECT_FALSE(RegionContains(form, fx + 119, fy + 89));
    EXPECT_TRUE(RegionContains(form, lr.left - wr.left + 1, lr.top - wr.top + 1)) << "LED";
    EXPECT_TRUE(RegionContains(form, lr.right - wr.left - 1, lr.bottom - wr.top - 1)) << "LED";
    // Beyond the right end of the face and below the LED lies nothing.
    if (Width(lr) + 10 > 121)
        EXPECT_FALSE(RegionContains(form, lr.right - wr.left - 1, fy + 60));

    // The LED shows lit segments in the light colour on its background, nothing else (once
    // the window has painted: it can be shown a moment before).
    std::set<COLORREF> seen;
    int lit = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(100)) {
        seen.clear();
        lit = 0;
        HDC screen = GetDC(nullptr);
        for (int y = lr.top; y < lr.bottom; ++y)
            for (int x = lr.left; x < lr.right; ++x) {
                COLORREF c = GetPixel(screen, x, y);
                seen.insert(c);
                if (c == 0x0000FF00)
                    ++lit;
            }
        ReleaseDC(nullptr, screen);
        if (seen.size() == 2 && lit > 50)
            break;
    }
    EXPECT_GT(lit, 50) << "no lit segments";
    EXPECT_EQ(seen, (std::set<COLORREF>{0x00400000, 0x0000FF00}));

    EXPECT_TRUE(Exists(setup.folder / "chime.wav")) << "sound written at start-up";
    CloseClock(clock, form);
    EXPECT_FALSE(Exists(setup.folder / "chime.wav")) << "sound deleted at exit";
}

TEST(ClockStart, WithoutCutShapeTheWindowStaysRectangular) {
    auto design = StandardDesign();
    design.Clock.SetCutShape(0);
    ClockSetup setup(design);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    int kind = 0;
    WindowRegionRects(form, &kind);
    EXPECT_EQ(kind, ERROR) << "a window region was set";
    CloseClock(clock, form);
}

TEST(ClockStart, HiddenLedStillJoinsTheShapeWithItsStoredBounds) {
    auto design = StandardDesign();
    design.Clock.SetLedHidden(1);
    design.Clock.SetFaceLeft(30);
    design.Clock.SetFaceTop(50);
    // A face that is background only: the shape is the LED rectangle alone.
    design.Face = core::EncodeBmp24(core::Bitmap(120, 90, kMagenta));
    design.Clock.SetFaceSize(uint32_t(design.Face.size()));
    ClockSetup setup(design);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    HWND led = FindChild(form, "TLEDFontNum");
    ASSERT_NE(led, nullptr);
    EXPECT_FALSE(IsWindowVisible(led));
    // Only the face counts for the size; it is moved to the top-left corner.
    const RECT wr = ScreenRect(form);
    EXPECT_EQ(Width(wr), 120);
    EXPECT_EQ(Height(wr), 90);
    // The hidden LED keeps its stored bounds (56, 0, 46 x 37).
    const auto rects = WindowRegionRects(form);
    ASSERT_FALSE(rects.empty());
    RECT box = rects[0];
    for (const auto& r : rects)
        UnionRect(&box, &box, &r);
    EXPECT_EQ(box.left, 56);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 56 + 46);
    EXPECT_EQ(box.bottom, 37);
    CloseClock(clock, form);
}

TEST(ClockStart, MovieFaceShapesTheWindowByThePlayerAndTheLed) {
    auto design = StandardDesign();
    design.Face = MovieWithBackground(0x20, 0xA0, 0x40);
    design.Clock.SetFaceSize(uint32_t(design.Face.size()));
    design.Clock.SetFaceExt(".SWF");
    design.Clock.SetCutShape(1);
    ClockSetup setup(design);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ReadBytes(setup.folder / "tmp.swf"),
              std::vector<unsigned char>(design.Face.begin(), design.Face.end()));
    HWND movie = FindChild(form, "TShockwaveFlash");
    HWND led = FindChild(form, "TLEDFontNum");
    ASSERT_NE(movie, nullptr);
    ASSERT_NE(led, nullptr);
    const RECT wr = ScreenRect(form), mr = ScreenRect(movie), lr = ScreenRect(led);
    EXPECT_EQ(Width(mr), 120);
    EXPECT_EQ(Height(mr), 90);
    // Every pixel of the two rectangles is inside, the corner outside both is not.
    EXPECT_TRUE(RegionContains(form, mr.left - wr.left, mr.top - wr.top));
    EXPECT_TRUE(RegionContains(form, mr.right - wr.left - 1, mr.bottom - wr.top - 1));
    EXPECT_TRUE(RegionContains(form, lr.right - wr.left - 1, lr.top - wr.top));
    if (lr.right > mr.right)
        EXPECT_FALSE(RegionContains(form, lr.right - wr.left - 1, mr.bottom - wr.top - 1));
    // The stand-in shows the movie's background colour (once it has painted).
    COLORREF c = CLR_INVALID;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(100)) {
        HDC screen = GetDC(nullptr);
        c = GetPixel(screen, mr.left + 60, mr.bottom - 5);
        ReleaseDC(nullptr, screen);
        if (c == RGB(0x20, 0xA0, 0x40))
            break;
    }
    EXPECT_EQ(c, RGB(0x20, 0xA0, 0x40));
    CloseClock(clock, form);
}

TEST(ClockStart, MissingDesignShowsTheMessageAndEndsWithCodeZero) {
    ClockSetup setup(StandardDesign(), "Missing.clk", "TestClock.exe", /*writeDesign=*/false);
    ClockProcess clock;
    // Started from another folder that does hold a design of that name: only the executable's
    // folder counts.
    TempFolder elsewhere;
    const auto file = core::BuildDesignFile(StandardDesign());
    WriteBytes(elsewhere / "Missing.clk", std::vector<unsigned char>(file.begin(), file.end()));
    ASSERT_TRUE(clock.Start(setup.exe, "", elsewhere.path()));
    HWND box = clock.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(MessageBoxText(box), "file Missing.clk not found.");
    EXPECT_EQ(WindowText(box), "Testclock");
    EXPECT_EQ(clock.FindWindowOfClass("TForm1") == nullptr ||
                  !IsWindowVisible(clock.FindWindowOfClass("TForm1")),
              true)
        << "the clock window must not be shown";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 1234;
    ASSERT_TRUE(clock.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(Exists(setup.folder / "Alarm.sav")) << "nothing else runs";
}

TEST(ClockStart, EmptyDesignNameGivesTwoBlanksInTheMessage) {
    ClockSetup setup(StandardDesign(), "", "TestClock.exe", /*writeDesign=*/false);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND box = clock.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "file  not found.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 1234;
    ASSERT_TRUE(clock.WaitForExit(10000, &code));
    EXPECT_EQ(code, 0u);
}

TEST(ClockStart, WrongMagicGivesAnInvisibleWindowAndNoMessage) {
    auto design = StandardDesign();
    design.Header.SetMagic("ZQX");
    ClockSetup setup(design);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    BYTE alpha = 99;
    ASSERT_TRUE(GetLayeredWindowAttributes(form, nullptr, &alpha, nullptr));
    EXPECT_EQ(alpha, 0);
    EXPECT_EQ(clock.FindWindowOfClass("#32770"), nullptr);
    EXPECT_FALSE(Exists(setup.folder / "chime.wav"));
    CloseClock(clock, form);
}

TEST(ClockStart, ArgumentPWritesNoSoundFile) {
    ClockSetup setup(StandardDesign());
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe, "p"));
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(Exists(setup.folder / "chime.wav"));
    CloseClock(clock, form);
}

TEST(ClockStart, BrokenFaceShowsTheErrorBoxAndTheClockCarriesOn) {
    auto design = StandardDesign();
    design.Face = core::Bytes(200, 0x41);
    design.Clock.SetFaceSize(uint32_t(design.Face.size()));
    ClockSetup setup(design);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND box = clock.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(MessageBoxText(box), "Bitmap image is not valid.");
    EXPECT_EQ(WindowText(box), "Testclock");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr) << "the window is still created and shown";
    CloseClock(clock, form);
}

TEST(ClockStart, ShortDesignFileFailsWithStreamReadError) {
    auto design = StandardDesign();
    design.Clock.SetFaceSize(0x7FFFFFF0);  // far more than the file holds
    ClockSetup setup(design);
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(setup.exe));
    HWND box = clock.WaitForWindow("#32770");
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(MessageBoxText(box), "Stream read error.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND form = clock.WaitForWindow("TForm1");
    ASSERT_NE(form, nullptr);
    CloseClock(clock, form);
}

}  // namespace
}  // namespace e2e
