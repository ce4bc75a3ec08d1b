#pragma once
// What the benchmarks count of a process's GUI objects. Wine answers GetGuiResources with 0;
// there a live GDI object is also named by its handle-table index alone, so probing every
// index counts them.
#include <windows.h>

#include <cstring>
#include <string>

namespace benchgui {

// The process's GDI objects by kind (index: OBJ_PEN .. OBJ_COLORSPACE).
struct GdiCount {
    DWORD total = 0;
    DWORD byKind[16] = {};
    const char* how = "GetGuiResources";
};

inline GdiCount CountGdiObjects() {
    GdiCount c;
    if ((c.total = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) != 0)
        return c;
    c.how = "probing the handle table";
    for (UINT_PTR index = 1; index < 0x10000; ++index) {
        const DWORD kind = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (kind) {
            ++c.total;
            ++c.byKind[kind < 16 ? kind : 0];
        }
    }
    return c;
}

inline std::string KindChanges(const GdiCount& from, const GdiCount& to) {
    static const char* const names[16] = {"other",
                                          "pen",
                                          "brush",
                                          "DC",
                                          "metafile DC",
                                          "palette",
                                          "font",
                                          "bitmap",
                                          "region",
                                          "metafile",
                                          "memory DC",
                                          "extended pen",
                                          "enhanced metafile DC",
                                          "enhanced metafile",
                                          "colour space",
                                          "?"};
    std::string out;
    for (int k = 0; k < 16; ++k)
        if (to.byKind[k] != from.byKind[k])
            out += std::string(out.empty() ? "" : ", ") + names[k] + " " +
                   std::to_string(long(to.byKind[k]) - long(from.byKind[k]));
    return out.empty() ? "none" : out;
}

inline BOOL CALLBACK CountPopup(HWND hwnd, LPARAM lp) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::strcmp(name, "TFormDesktopAlert") == 0)
        ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

// Alert popups of this thread.
inline int PopupWindows() {
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountPopup, reinterpret_cast<LPARAM>(&n));
    return n;
}

}  // namespace benchgui
