// The running sample clock's popup menu under its skin, read from the screen as the user sees
// it: opened by a right click on the clock and from the tray icon, its border is the skin's
// menu background, the item under the mouse shows the selected item frame, separators and
// check marks are drawn, and the accelerators still choose their items (&Hide, &Exit).
// Needs the 64-bit sample clock (scripts/make_sample.sh) and the default skin.
#include <gtest/gtest.h>

#include <string>

#include "clock_process.h"
#include "core/alarms/alarm_db.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace {

constexpr int kBorder = 3;  // the menu window's border, where the items end

COLORREF Pixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

void MouseTo(int x, int y) {
    SetCursorPos(x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = LONG(x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = LONG(y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

// The default skin, as the clock carries it.
class DefaultSkin {
  public:
    DefaultSkin() {
        const std::string path = e2e::BinFolder() + "..\\..\\skin\\Default.skin";
        if (!e2e::Exists(path))
            return;
        const std::vector<unsigned char> bytes = e2e::ReadBytes(path);
        data_.SetSkinFileBytes(core::Bytes(bytes.begin(), bytes.end()));
        data_.LoadSkinFromStream();
    }
    bool Loaded() const { return !data_.NoSkin() && Background() && Item(); }
    const core::TDataSkinObject* Background() const { return data_.Find("MenuBackground"); }
    const core::TDataSkinObject* Item() const { return data_.Find("MenuItem"); }
    // Pixel (x, y) of frame `frame` of a picture, as the screen shows it.
    static COLORREF At(const core::TDataSkinObject& o, int frame, int x, int y) {
        const core::Rect r = core::FrameRect(o.Picture, o.FrameCount, frame);
        const uint32_t c = o.Picture.At(r.left + x, r.top + y);
        return RGB(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    }
    uint32_t MenuText() const { return core::ResolveColour(data_.Colour(core::kSkinMenuText)); }

  private:
    core::TSkinData data_;
};

class ClockMenuSkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(skin.Loaded()) << "the default skin is built";
        const std::string sample = e2e::BinFolder() + "..\\..\\sample\\win64\\";
        ASSERT_TRUE(e2e::Exists(sample + "SampleClock.exe")) << "no sample clock built";
        ASSERT_EQ(e2e::TrayIconWindow(), nullptr) << "another icon is already in the tray";
        for (const char* name : {"SampleClock.exe", "SampleClock.clk"})
            ASSERT_TRUE(CopyFileA((sample + name).c_str(), (folder / name).c_str(), FALSE));
        // Both options on: their items show check marks.
        core::TAlarmDB db;
        db.InitDefaults();
        db.SetShowOnTip(true);
        db.SetAutoRun(true);
        db.SaveToFile(folder / "Alarm.sav");
        ASSERT_TRUE(clock.Start(folder / "SampleClock.exe", "p"));
        form = clock.WaitForWindow("TForm1");
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(e2e::WaitFor([&] { return (icon = e2e::TrayIconWindow()) != nullptr; }));
    }
    void TearDown() override {
        MouseTo(0, 0);
        if (clock.Running()) {
            // Exit, the last item, from the tray icon's menu by keyboard.
            HWND menu = e2e::OpenTrayMenu(icon, clock.pid());
            ASSERT_NE(menu, nullptr);
            PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
            PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
            EXPECT_TRUE(clock.WaitForExit(10000));
        }
        EXPECT_TRUE(e2e::WaitFor([] { return e2e::TrayIconWindow() == nullptr; }));
    }

    // The menu window once it is open and painted with the skin's border.
    HWND WaitForSkinnedMenu(RECT& m) {
        HWND menu = nullptr;
        const bool painted = e2e::WaitFor([&] {
            if (e2e::VisibleMenus(clock.pid(), &menu) != 1)
                return false;
            GetWindowRect(menu, &m);
            const int mid = (m.top + m.bottom) / 2;
            return Pixel(m.left, mid) == DefaultSkin::At(*skin.Background(), 1, 0, 8) &&
                   Pixel(m.right - 1, mid) == DefaultSkin::At(*skin.Background(), 1, 15, 8);
        });
        return painted ? menu : nullptr;
    }

    DefaultSkin skin;
    e2e::TempFolder folder;
    e2e::ClockProcess clock;
    HWND form = nullptr, icon = nullptr;
};

TEST_F(ClockMenuSkinTest, RightClickOnTheClockOpensTheSkinnedMenuAndItsAcceleratorsChoose) {
    // What a right click on the clock sends (a real button press there also starts the
    // window's drag, which this test is not about).
    RECT f{};
    GetWindowRect(form, &f);
    HWND led = e2e::FindChild(form, "TLEDFontNum");
    ASSERT_NE(led, nullptr);
    PostMessageA(led, WM_CONTEXTMENU, WPARAM(led),
                 MAKELPARAM((f.left + f.right) / 2, (f.top + f.bottom) / 2));
    RECT m{};
    HWND menu = WaitForSkinnedMenu(m);
    ASSERT_NE(menu, nullptr) << "a menu with the skin's border";
    const core::TDataSkinObject& bg = *skin.Background();
    const core::TDataSkinObject& item = *skin.Item();
    // The border is the background picture's nine-grid, corners as they are.
    for (int d = 0; d < kBorder; ++d) {
        EXPECT_EQ(Pixel(m.left + d, m.top + d), DefaultSkin::At(bg, 1, d, d)) << d;
        EXPECT_EQ(Pixel(m.right - 1 - d, m.bottom - 1 - d), DefaultSkin::At(bg, 1, 15 - d, 15 - d))
            << d;
    }

    // Down the right column: the separator frame's line once per separator, and nothing but
    // the background and the line there (normal items let the background through).
    const int x = m.right - kBorder - 6;  // past every caption, in the arrow column
    const COLORREF line = DefaultSkin::At(item, 2, 10, 15);
    const COLORREF paper = DefaultSkin::At(bg, 1, 8, 8);
    // An item the pointer passed on its way may stay selected: its frame is allowed too.
    const COLORREF fill = DefaultSkin::At(item, 4, 10, 10), edge = DefaultSkin::At(item, 4, 10, 0);
    int lines = 0, other = 0;
    for (int y = m.top + kBorder; y < m.bottom - kBorder; ++y) {
        const COLORREF c = Pixel(x, y);
        lines += c == line;
        other += c != line && c != paper && c != fill && c != edge;
    }
    EXPECT_EQ(lines, 3) << "three separators";
    EXPECT_EQ(other, 0) << "only background and separator lines right of the captions";

    // Check marks in the glyph column: Always On Tip and Auto Run, two runs of rows with ink.
    const COLORREF ink = COLORREF(skin.MenuText());
    int runs = 0;
    bool inRun = false;
    for (int y = m.top + kBorder; y < m.bottom - kBorder; ++y) {
        bool any = false;
        for (int gx = m.left + kBorder; gx < m.left + kBorder + 4 + 23; ++gx)
            any = any || Pixel(gx, y) == ink;
        runs += any && !inRun;
        inRun = any;
    }
    EXPECT_EQ(runs, 2) << "two check marks";

    // The first item under the mouse shows the selected frame: its fill inside, its edge left.
    const int y = m.top + kBorder + 7;
    MouseTo(m.left + 40, y);
    EXPECT_TRUE(e2e::WaitFor(
        [&] { return Pixel(m.left + kBorder + 12, y) == DefaultSkin::At(item, 4, 10, 10); }, 3000))
        << "selected frame under the mouse";
    EXPECT_EQ(Pixel(m.left + kBorder, y), DefaultSkin::At(item, 4, 0, 10));

    // &Hide by its accelerator.
    PostMessageA(menu, WM_CHAR, 'h', 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(form); })) << "&Hide was chosen";
}

TEST_F(ClockMenuSkinTest, TheTrayIconOpensTheSameSkinnedMenuAndExitEnds) {
    ASSERT_NE(e2e::OpenTrayMenu(icon, clock.pid()), nullptr);
    RECT m{};
    HWND menu = WaitForSkinnedMenu(m);
    ASSERT_NE(menu, nullptr) << "a menu with the skin's border";
    PostMessageA(menu, WM_CHAR, 'e', 0);
    EXPECT_TRUE(clock.WaitForExit(10000)) << "&Exit was chosen";
}

}  // namespace
