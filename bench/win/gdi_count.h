#pragma once
// The process's GDI objects by kind, for the benchmarks that check what a round of windows
// gives back.
#include <windows.h>

#include <string>

// Index: OBJ_PEN .. OBJ_COLORSPACE. Wine answers GetGuiResources with 0; there a live object
// is also named by its handle-table index alone, so probing every index counts them.
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
