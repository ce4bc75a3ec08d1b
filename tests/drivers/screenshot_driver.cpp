// screenshot_driver FOLDER: drives a running clock from outside, as a user would, through every
// window a user can open: the clock, its popup menu with an item selected, the alarm list and
// its system menu, the editor for each alarm type, the delete question, the about box, and
// the alarm popup of an
// alarm due within the next two minutes. For each one it writes FOLDER\NAME.shot holding the
// window's screen rectangle and waits until the script has taken the picture and removed it.
// Ends with status 0 after closing the clock, 1 when something did not appear in time.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string g_folder;
DWORD g_clockProcess = 0;

struct Failed {
    std::string what;
};

HWND Wait(const char* cls, const char* what, DWORD ms = 15000) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(50)) {
        HWND h = FindWindowA(cls, nullptr);
        if (h && IsWindowVisible(h))
            return h;
    }
    throw Failed{what};
}

// Until a skinned window answers that it is skinned and has had time to paint.
void WaitSkinned(HWND h) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(50)) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutA(h, 13603, 0, 0, SMTO_ABORTIFHUNG, 500, &answer) && answer == 1)
            break;
    }
    Sleep(400);
}

void Shot(const std::string& name, HWND h, int margin = 10) {
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (h) {
        GetWindowRect(h, &r);
        InflateRect(&r, margin, margin);
        r.left = r.left < 0 ? 0 : r.left;
        r.top = r.top < 0 ? 0 : r.top;
    }
    const std::string path = g_folder + "\\" + name + ".shot";
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f)
        throw Failed{"cannot write " + path};
    std::fprintf(f, "%ld %ld %ld %ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    std::fclose(f);
    for (DWORD start = GetTickCount(); GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
         Sleep(50))
        if (GetTickCount() - start > 20000)
            throw Failed{"no picture taken of " + name};
    std::printf("%s\n", name.c_str());
}

void Key(WORD vk, bool alt = false) {
    std::vector<INPUT> in;
    auto add = [&](WORD k, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (alt)
        add(VK_MENU, false);
    add(vk, false);
    add(vk, true);
    if (alt)
        add(VK_MENU, true);
    SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
    Sleep(100);
}

void MouseTo(int x, int y) {
    SetCursorPos(x, y);
    Sleep(150);
}

struct Find {
    const char* cls;
    const char* text;  // nullptr: any
    int items;         // combo boxes: the number of items, -1: any
    HWND found;
};

BOOL CALLBACK FindOne(HWND h, LPARAM l) {
    auto* f = reinterpret_cast<Find*>(l);
    char c[64] = {0}, t[128] = {0};
    GetClassNameA(h, c, sizeof c);
    GetWindowTextA(h, t, sizeof t);
    if (lstrcmpiA(c, f->cls) != 0 || (f->text && lstrcmpA(t, f->text) != 0))
        return TRUE;
    if (f->items >= 0 && SendMessageA(h, CB_GETCOUNT, 0, 0) != f->items)
        return TRUE;
    f->found = h;
    return FALSE;
}

// A child window of `parent` (any depth) of class `cls` whose text is `text`.
HWND Child(HWND parent, const char* cls, const char* text, int items = -1) {
    Find find{cls, text, items, nullptr};
    EnumChildWindows(parent, FindOne, reinterpret_cast<LPARAM>(&find));
    if (!find.found)
        throw Failed{std::string("no ") + cls + " " + (text ? text : "")};
    return find.found;
}

void Press(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

// The clock's popup menu, opened as a right click on the clock opens it.
HWND OpenMenu(HWND clock) {
    RECT r;
    GetWindowRect(clock, &r);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    SetForegroundWindow(clock);
    PostMessageA(clock, WM_CONTEXTMENU, WPARAM(clock), MAKELPARAM(x, y));
    return Wait("#32768", "the popup menu");
}

void Run() {
    HWND clock = Wait("TForm1", "the clock window", 30000);
    GetWindowThreadProcessId(clock, &g_clockProcess);
    WaitSkinned(clock);

    // The alarm popup first: it is due within two minutes.
    HWND popup = Wait("TFormDesktopAlert", "the alarm popup", 150000);
    Sleep(1500);  // the fade-in
    Shot("popup", popup);
    PostMessageA(popup, WM_CLOSE, 0, 0);
    Sleep(1500);
    Shot("clock", clock, 40);

    HWND menu = OpenMenu(clock);
    Sleep(300);
    RECT m;
    GetWindowRect(menu, &m);
    MouseTo(m.left + 40, m.top + 12);  // the first item selected
    Shot("menu", menu, 4);
    Key('A');  // &Alarms
    HWND list = Wait("TfrmAlarmList", "the alarm list");
    WaitSkinned(list);
    Shot("alarm_list", list);

    // The skinned system menu, as a right click on the caption opens it.
    RECT lr;
    GetWindowRect(list, &lr);
    PostMessageA(list, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(lr.left + 40, lr.top + 14));
    HWND sys = Wait("#32768", "the system menu");
    Sleep(300);
    RECT sr;
    GetWindowRect(sys, &sr);
    MouseTo(sr.left + 40, sr.top + 33);  // an item selected
    Shot("system_menu", list);
    Key(VK_ESCAPE);
    Sleep(300);

    Press(Child(list, "Button", "&Add"));
    HWND editor = Wait("TfrmModifyAlarm", "the alarm editor");
    WaitSkinned(editor);
    const char* types[] = {"once", "every_day", "every_week", "every_month", "every_year"};
    HWND kinds = Child(editor, "ComboBox", nullptr, 5);  // the alarm types
    for (int i = 0; i < 5; ++i) {
        SendMessageA(kinds, CB_SETCURSEL, WPARAM(i), 0);
        SendMessageA(GetParent(kinds), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(kinds), CBN_SELCHANGE),
                     LPARAM(kinds));
        Sleep(300);
        Shot(std::string("editor_") + types[i], editor);
    }
    Press(Child(editor, "Button", "&Cancel"));
    Sleep(500);

    Press(Child(list, "Button", "&Delete"));
    HWND question = Wait("#32770", "the delete question");
    WaitSkinned(question);
    Shot("delete_question", question);
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    Sleep(500);
    Press(Child(list, "Button", "&Exit"));
    Sleep(800);

    OpenMenu(clock);
    Sleep(200);
    Key('B');  // A&bout
    HWND about = Wait("TfrmAbout", "the about box");
    WaitSkinned(about);
    Shot("about", about);
    PostMessageA(about, WM_CLOSE, 0, 0);
    Sleep(500);
    PostMessageA(clock, WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot_driver FOLDER\n");
        return 2;
    }
    g_folder = argv[1];
    try {
        Run();
    } catch (const Failed& f) {
        std::fprintf(stderr, "screenshot_driver: %s did not appear\n", f.what.c_str());
        if (HWND clock = FindWindowA("TForm1", nullptr))
            PostMessageA(clock, WM_CLOSE, 0, 0);
        return 1;
    }
    return 0;
}
