#pragma once
// Owner-drawn menu items and the popup menu window behind them: how large an item is, what an
// item shows where, and how the popup's background is laid. Everything is plain data in the
// item's (or the popup window's) own coordinates; the Win32 painter executes the blit pieces
// and fills the rectangles in the colours given.
#include <array>
#include <cstdint>
#include <vector>

#include "core/skin/img_util.h"
#include "core/skin/skin_draw.h"
#include "core/skin/skin_objects.h"

namespace core {

class TSkinData;

// Framework popup menus (and the skinned system menu) or the drop-downs of a main menu.
enum class TMenuKind { PopupMenu, MainMenu };

// The popup menu window's border: the client area, where the items are, starts this far in.
constexpr int kPopupBorder = 3;

// Fixed proportions of an item, in pixels.
constexpr int kMenuSeparatorHeight = 9;
constexpr int kMenuTextPadding = 6;      // item height over the text height
constexpr int kMenuGlyphPadding = 7;     // glyph column over the image width
constexpr int kMenuGlyphPaddingY = 4;    // item height over the image height
constexpr int kMenuShortcutGap = 16;     // least room between caption and shortcut
constexpr int kMenuArrowColumn = 12;     // room for the submenu arrow, always kept
constexpr int kMenuMinRightPadding = 3;  // content never nearer the right edge than this

// What the skin's measure adds to the width: by menu kind, and for a menu without images.
constexpr int kMenuSkinExtraPopup = 12, kMenuSkinExtraMain = 10;
constexpr int kMenuNoImagesPopup = 23, kMenuNoImagesMain = 25;

// The colours menus are drawn in, resolved.
struct TMenuColours {
    uint32_t menu = 0, menuText = 0, hilight = 0, hilightText = 0;
    uint32_t buttonHilight = 0, buttonShadow = 0, menubar = 0, menuBarText = 0;
};
TMenuColours MenuColoursOf(const TSkinData& skin);

struct TMenuItemSize {
    int width = 0, height = 0;
};

// The display texts of an item measured in the menu font (bold for the default item):
// caption without its "&" markers, and the shortcut text (0 when the item has none).
struct TMenuTextSize {
    int captionWidth = 0, shortcutWidth = 0, textHeight = 0;
};

// The menu's image list; 0 x 0 when the menu has none.
struct TMenuImages {
    int width = 0, height = 0;
    bool Present() const { return width > 0 && height > 0; }
};

// The framework's own measure of an item: its texts, the shortcut gap, the arrow column and,
// with an image list, the glyph column.
TMenuItemSize FrameworkMeasureItem(bool separator,
                                   const TMenuTextSize& text,
                                   const TMenuImages& images);

// The skin's measure handler, given the framework measure: the width grows by the
// "MenuItem" left width (0 without that object) and by 12 for popup menus or 10 for main
// menu items, plus 23 or 25 when the menu has no image list.
TMenuItemSize SkinMeasureItem(TMenuItemSize framework,
                              TMenuKind kind,
                              bool hasImageList,
                              const TDataSkinObject* menuItem);

struct TMenuItemState {
    bool separator = false;
    bool selected = false;
    bool enabled = true;
    bool checked = false;
    bool radio = false;      // a checked radio item shows a bullet instead of the check mark
    bool isDefault = false;  // the caption is bold
    bool hasSubmenu = false;
    int glyph = -1;  // index in the menu's image list, -1 for none
};

struct TMenuItemDraw {
    TMenuKind kind = TMenuKind::PopupMenu;
    Rect item;  // the item's rectangle in the popup's client area
    TMenuItemState state;
    TMenuTextSize text;
    TMenuImages images;
    bool rightToLeft = false;
    bool popupHasBackground = false;  // the popup window holds a cached skin background
    // Where the popup's client area (the items' coordinates) starts in its window: its border,
    // unless the system draws the border inside the client area.
    int clientLeft = kPopupBorder, clientTop = kPopupBorder;
    const TDataSkinObject* menuItem = nullptr;
    TMenuColours colours;
};

// Frames of the "MenuItem" picture.
constexpr int kMenuItemFrameNormal = 1;
constexpr int kMenuItemFrameSeparator = 2;
constexpr int kMenuItemFrameSelected = 4;

struct TColouredRect {
    Rect rect;
    uint32_t colour = 0;
};

// What to draw for one item, in the item's coordinates ((0, 0) is its top-left corner).
struct TMenuItemPaint {
    // With a "MenuItem" object the item is composed in a bitmap of its size: the background
    // first (`backgroundSrc` of the popup's cached background, else `fill`), then the frame.
    // Without one, the item rectangle is filled with `fill` directly.
    bool composed = false;
    bool backgroundFromPopup = false;
    Rect backgroundSrc;  // in the popup window's coordinates: the item moved by the client origin
    uint32_t fill = 0;
    int frame = 0;  // frame of "MenuItem": 1, 2 or 4; 0 when none is drawn
    std::vector<BlitPiece> framePieces;
    bool frameTransparent = false;
    // Separators without a skin object: an etched line.
    std::vector<TColouredRect> lines;

    // Content; empty rectangles are not drawn.
    Rect glyph;  // image `state.glyph` of the image list, at its size
    bool glyphGrey = false;
    Rect glyphFrame;  // a one-pixel frame in `glyphFrameColour` around a checked glyph
    uint32_t glyphFrameColour = 0;
    std::vector<Rect> mark;   // check mark or bullet, filled with `textColour`
    std::vector<Rect> arrow;  // submenu arrow, filled with `textColour`
    Rect caption;             // the caption's display text, single line, clipped to this box
    Rect shortcut;            // the shortcut text, right-aligned in this box
    bool bold = false;
    uint32_t textColour = 0;
};

// Left to right: the "MenuItem" left margin, the glyph column (23 or 25 pixels without an
// image list, else the image width + 7) holding the glyph or the check mark, the caption;
// at the right, past max(3, right margin), the arrow column and, before it, the shortcut.
// Right to left mirrors the content, not the skin's frame.
TMenuItemPaint MenuItemPaintPlan(const TMenuItemDraw& in);

// The popup menu window's own background: the "MenuBackground" picture as a nine-grid over
// the whole window into the cached bitmap, then copied to the window border strips first.
struct TPopupBackgroundPlan {
    bool skinned = false;  // false: the system paints the window
    uint32_t fill = 0;     // under the picture, which may be transparent
    std::vector<BlitPiece> pieces;
    bool transparent = false;
    std::array<Rect, 4> borderStrips;  // top, bottom, left, right
    Rect inner;                        // the window less its border: where the items are printed
};

TPopupBackgroundPlan PopupBackgroundPlan(int windowWidth,
                                         int windowHeight,
                                         bool skinLoaded,
                                         const TDataSkinObject* menuBackground,
                                         uint32_t menuColour);

}  // namespace core
