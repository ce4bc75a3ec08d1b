#include "core/skin/menu_item_layout.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "core/skin/skin_data.h"

namespace core {

namespace {

// Classic 7 x 7 check mark, 5 x 5 bullet and 4 x 7 right-pointing arrow.
constexpr const char* kCheckMark[] = {"......#", ".....##", "#...###", "##.###.",
                                      "#####..", ".###...", "..#...."};
constexpr const char* kBullet[] = {".###.", "#####", "#####", "#####", ".###."};
constexpr const char* kArrow[] = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};

template <size_t N>
std::vector<Rect> PatternSpans(const char* const (&rows)[N], int x, int y) {
    std::vector<Rect> spans;
    for (size_t r = 0; r < N; ++r) {
        const std::string row = rows[r];
        size_t i = 0;
        while (i < row.size()) {
            if (row[i] != '#') {
                ++i;
                continue;
            }
            const size_t start = i;
            while (i < row.size() && row[i] == '#')
                ++i;
            const int top = y + int(r);
            spans.push_back(Rect{x + int(start), top, x + int(i), top + 1});
        }
    }
    return spans;
}

template <size_t N>
int PatternWidth(const char* const (&rows)[N]) {
    return int(std::string(rows[0]).size());
}

Rect Offset(const Rect& r, int dx, int dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

Rect MirrorX(const Rect& r, int width) {
    return r.Empty() ? r : Rect{width - r.right, r.top, width - r.left, r.bottom};
}

Rect Box(int x, int y, int w, int h) {
    return Rect{x, y, x + std::max(0, w), y + std::max(0, h)};
}

// Pieces that copy unscaled, cut to `bounds`: the painter's blits then never reach outside
// the item bitmap.
std::vector<BlitPiece> ClipUnscaled(std::vector<BlitPiece> pieces, const Rect& bounds) {
    std::vector<BlitPiece> out;
    for (BlitPiece p : pieces) {
        const Rect d = Intersect(p.dst, bounds);
        if (d.Empty())
            continue;
        if (!p.Stretched())
            p.src = Offset(Rect{d.left - p.dst.left, d.top - p.dst.top, d.right - p.dst.left,
                                d.bottom - p.dst.top},
                           p.src.left, p.src.top);
        else if (!(d == p.dst))
            continue;  // a stretched piece is laid whole or not at all
        p.dst = d;
        out.push_back(p);
    }
    return out;
}

uint32_t ItemTextColour(const TMenuItemDraw& in, bool composed) {
    const TMenuColours& c = in.colours;
    if (!in.state.enabled)
        return c.buttonShadow;
    if (!composed)
        return in.state.selected ? c.hilightText : c.menuText;
    const TDataSkinObject& o = *in.menuItem;
    if (in.state.selected && o.MouseOverColour != -1)
        return ResolveColour(o.MouseOverColour2);
    if (o.NormalColour != -1)
        return ResolveColour(o.NormalColour2);
    return c.menuText;
}

int GlyphColumn(TMenuKind kind, const TMenuImages& images) {
    if (images.Present())
        return images.width + kMenuGlyphPadding;
    return kind == TMenuKind::PopupMenu ? kMenuNoImagesPopup : kMenuNoImagesMain;
}

void LayContent(const TMenuItemDraw& in, TMenuItemPaint& out) {
    const TMenuItemState& s = in.state;
    const int W = in.item.Width(), H = in.item.Height();
    const int left = in.menuItem ? std::max(0, in.menuItem->LeftWidth) : 0;
    const int rightPad = std::max(kMenuMinRightPadding, in.menuItem ? in.menuItem->RightWidth : 0);
    const int column = GlyphColumn(in.kind, in.images);

    if (s.glyph >= 0 && in.images.Present()) {
        out.glyph = Box(left + (column - in.images.width) / 2, (H - in.images.height) / 2,
                        in.images.width, in.images.height);
        out.glyphGrey = !s.enabled;
        if (s.checked) {
            out.glyphFrame = Rect{out.glyph.left - 2, out.glyph.top - 2, out.glyph.right + 2,
                                  out.glyph.bottom + 2};
            out.glyphFrameColour = in.colours.hilight;
        }
    } else if (s.checked) {
        const int size = s.radio ? PatternWidth(kBullet) : PatternWidth(kCheckMark);
        const int x = left + (column - size) / 2, y = (H - size) / 2;
        out.mark = s.radio ? PatternSpans(kBullet, x, y) : PatternSpans(kCheckMark, x, y);
    }

    const int arrowLeft = W - rightPad - kMenuArrowColumn;
    if (s.hasSubmenu) {
        const int w = PatternWidth(kArrow), h = int(std::size(kArrow));
        out.arrow = PatternSpans(kArrow, arrowLeft + (kMenuArrowColumn - w) / 2, (H - h) / 2);
    }

    const int textTop = (H - in.text.textHeight) / 2;
    const int captionLeft = left + column;
    int captionLimit = arrowLeft;
    if (in.text.shortcutWidth > 0) {
        out.shortcut =
            Box(std::max(captionLeft, arrowLeft - in.text.shortcutWidth), textTop,
                std::min(in.text.shortcutWidth, arrowLeft - captionLeft), in.text.textHeight);
        captionLimit = out.shortcut.left - kMenuShortcutGap;
    }
    out.caption =
        Box(captionLeft, textTop, std::min(in.text.captionWidth, captionLimit - captionLeft),
            in.text.textHeight);
    out.bold = s.isDefault;

    if (in.rightToLeft) {
        out.glyph = MirrorX(out.glyph, W);
        out.glyphFrame = MirrorX(out.glyphFrame, W);
        out.caption = MirrorX(out.caption, W);
        out.shortcut = MirrorX(out.shortcut, W);
        for (Rect& r : out.mark)
            r = MirrorX(r, W);
        for (Rect& r : out.arrow)
            r = MirrorX(r, W);
    }
}

}  // namespace

TMenuColours MenuColoursOf(const TSkinData& skin) {
    TMenuColours c;
    c.menu = ResolveColour(skin.Colour(kSkinMenu));
    c.menuText = ResolveColour(skin.Colour(kSkinMenuText));
    c.hilight = ResolveColour(skin.Colour(kSkinHilight));
    c.hilightText = ResolveColour(skin.Colour(kSkinHilightText));
    c.buttonHilight = ResolveColour(skin.Colour(kSkinButtonHilight));
    c.buttonShadow = ResolveColour(skin.Colour(kSkinButtonShadow));
    c.menubar = ResolveColour(skin.Colour(kSkinMenubar));
    c.menuBarText = ResolveColour(skin.Colour(kSkinMenuBarText));
    return c;
}

TMenuItemSize FrameworkMeasureItem(bool separator,
                                   const TMenuTextSize& text,
                                   const TMenuImages& images) {
    if (separator)
        return TMenuItemSize{0, kMenuSeparatorHeight};
    TMenuItemSize size;
    size.width = text.captionWidth + kMenuArrowColumn;
    if (text.shortcutWidth > 0)
        size.width += kMenuShortcutGap + text.shortcutWidth;
    size.height = text.textHeight + kMenuTextPadding;
    if (images.Present()) {
        size.width += images.width + kMenuGlyphPadding;
        size.height = std::max(size.height, images.height + kMenuGlyphPaddingY);
    }
    return size;
}

TMenuItemSize SkinMeasureItem(TMenuItemSize framework,
                              TMenuKind kind,
                              bool hasImageList,
                              const TDataSkinObject* menuItem) {
    const bool popup = kind == TMenuKind::PopupMenu;
    framework.width += (menuItem ? std::max(0, menuItem->LeftWidth) : 0) +
                       (popup ? kMenuSkinExtraPopup : kMenuSkinExtraMain);
    if (!hasImageList)
        framework.width += popup ? kMenuNoImagesPopup : kMenuNoImagesMain;
    return framework;
}

TMenuItemPaint MenuItemPaintPlan(const TMenuItemDraw& in) {
    TMenuItemPaint out;
    const int W = in.item.Width(), H = in.item.Height();
    const Rect whole{0, 0, W, H};
    const TMenuItemState& s = in.state;
    out.composed = in.menuItem != nullptr;
    out.textColour = ItemTextColour(in, out.composed);

    if (!out.composed) {
        out.fill = s.selected && !s.separator ? in.colours.hilight : in.colours.menu;
        if (s.separator) {
            const int y = H / 2 - 1;
            out.lines.push_back({Rect{1, y, W - 1, y + 1}, in.colours.buttonShadow});
            out.lines.push_back({Rect{1, y + 1, W - 1, y + 2}, in.colours.buttonHilight});
            return out;
        }
        LayContent(in, out);
        return out;
    }

    const TDataSkinObject& o = *in.menuItem;
    out.backgroundFromPopup = in.popupHasBackground;
    out.backgroundSrc = Offset(in.item, in.clientLeft, in.clientTop);
    out.fill = in.colours.menu;
    if (s.separator) {
        // Three slices at the picture's own height, standing on the item's bottom edge.
        out.frame = kMenuItemFrameSeparator;
        const Rect src = FrameRect(o.Picture, o.FrameCount, out.frame);
        out.framePieces = ClipUnscaled(
            ThreeSlicePieces(src, Rect{0, H - src.Height(), W, H}, o.LeftWidth, o.RightWidth),
            whole);
        out.frameTransparent = true;
        return out;
    }
    out.frame = s.selected ? kMenuItemFrameSelected : kMenuItemFrameNormal;
    out.framePieces = NineGridPieces(
        FrameRect(o.Picture, o.FrameCount, out.frame), whole,
        Margins{o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight}, o.Tile == 1);
    out.frameTransparent = o.Trans == 1;
    LayContent(in, out);
    return out;
}

TPopupBackgroundPlan PopupBackgroundPlan(int windowWidth,
                                         int windowHeight,
                                         bool skinLoaded,
                                         const TDataSkinObject* menuBackground,
                                         uint32_t menuColour) {
    TPopupBackgroundPlan plan;
    const int W = std::max(0, windowWidth), H = std::max(0, windowHeight);
    const int bx = std::min(kPopupBorder, W / 2), by = std::min(kPopupBorder, H / 2);
    plan.borderStrips = {Rect{0, 0, W, by}, Rect{0, H - by, W, H}, Rect{0, by, bx, H - by},
                         Rect{W - bx, by, W, H - by}};
    plan.inner = Rect{bx, by, W - bx, H - by};
    plan.fill = menuColour;
    if (!skinLoaded || !menuBackground || menuBackground->Picture.Empty())
        return plan;
    const TDataSkinObject& o = *menuBackground;
    plan.skinned = true;
    plan.pieces = NineGridPieces(FrameRect(o.Picture, 1, 1), Rect{0, 0, W, H},
                                 Margins{o.LeftWidth, o.TopHeight, o.RightWidth, o.BottomHeight},
                                 o.Tile == 1);
    plan.transparent = o.Trans == 1;
    return plan;
}

}  // namespace core
