#pragma once
// The skinned parts that the selection table names but whose painting is this program's own
// choice: scroll bars (of memos and list views), the tabs of a page control, the up-down
// buttons of time pickers, and the sections of a list view's header. Each rule says which
// skin object and which frame a part is drawn from; the system keeps doing the rest (scroll
// behaviour, hit tests, keyboard, wheel, dragging).
#include <cstdint>
#include <vector>

#include "core/skin/control_button.h"
#include "core/skin/img_util.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_draw.h"

namespace core {

// The state of one part; disabled wins, then pressed, then hot.
enum TPartState : int { psNormal, psHot, psPressed, psDisabled };
TPartState PartState(bool hot, bool pressed, bool enabled);

// Text colour of a part drawn from `obj`: the object's second colour for the state when its
// switch is given ("NormalColour", "MouseOverColour", "PressedColour" other than -1), the
// system's button shadow colour when disabled, else `fallback`.
TSkinColor ObjectTextColour(const TDataSkinObject& obj, TPartState state, TSkinColor fallback);

// --- Scroll bars -------------------------------------------------------------------------
//
// "Scrollbar" holds 23 frames side by side: the arrows up, down, left and right with four
// states each (normal, hot, pressed, disabled: frames 1-16), the horizontal thumb (17-19) and
// the vertical thumb (20-22) in three states (normal, hot, pressed), and the track (23).
// "HorzScroll" and "VertScroll" are the tracks in four states, "HorzScrollThumb" and
// "VertScrollThumb" the thumbs in three; when present they are used instead of the
// corresponding frames of "Scrollbar". Every part is a nine-grid with its object's margins.

enum TScrollArrow : int { saUp, saDown, saLeft, saRight };
// Frame of an arrow in "Scrollbar".
int ScrollArrowFrame(TScrollArrow arrow, TPartState state);

// The scroll information of one bar (GetScrollInfo). While the thumb is dragged, `pos` is the
// track position.
struct TScrollInfoFacts {
    int min = 0, max = 0;
    unsigned page = 0;
    int pos = 0;
};
// System metrics of a bar: the arrow's length along the bar (SM_CYVSCROLL, SM_CXHSCROLL), the
// thumb's length when the bar has no page (SM_CYVTHUMB, SM_CXHTHUMB), and the shortest
// proportional thumb.
struct TScrollBarMetrics {
    int arrowSize = 16;
    int thumbSize = 16;
    int minThumb = 8;
};

enum class TScrollPart { None, ArrowBefore, PageBefore, Thumb, PageAfter, ArrowAfter };

struct TScrollBarLayout {
    Rect bar;
    bool vertical = false;
    Rect arrowBefore, arrowAfter;       // up and down, or left and right
    Rect track;                         // between the arrows
    Rect pageBefore, thumb, pageAfter;  // the thumb is empty when none shows
    bool HasThumb() const { return !thumb.Empty(); }
};
// Lays out a bar as the system does: arrows at both ends (each half the bar when it is shorter
// than two arrows); a thumb whose length is track x page / range (at least minThumb), or
// thumbSize without a page, placed in proportion to pos between min and max - page + 1. No
// thumb when the bar is disabled, when there is nothing to scroll (range empty or the page
// covers it) or when the thumb does not fit the track.
TScrollBarLayout LayoutScrollBar(const Rect& bar,
                                 bool vertical,
                                 const TScrollBarMetrics& metrics,
                                 const TScrollInfoFacts& info,
                                 bool enabled);
// The part under a point, for the hot and pressed looks.
TScrollPart ScrollBarHitTest(const TScrollBarLayout& layout, int x, int y);

struct TScrollBarLook {
    TScrollPart hot = TScrollPart::None;
    TScrollPart pressed = TScrollPart::None;
    bool enabled = true;
};
// The skin draws scroll bars when it has a "Scrollbar" picture; otherwise they keep the
// system look.
bool SkinDrawsScrollBars(const TSkinData& skin);
// Blits in drawing order: the track whole, a hot or pressed page area over it, the thumb, the
// two arrows. Empty when the skin does not draw scroll bars.
std::vector<SkinBlit> ScrollBarBlits(const TSkinData& skin,
                                     const TScrollBarLayout& layout,
                                     const TScrollBarLook& look);
// The size box where a vertical and a horizontal bar meet: across the vertical bar, down the
// horizontal one. Empty unless both bars show.
Rect ScrollCornerRect(const Rect& vertical, const Rect& horizontal);
// The corner in the track's look ("Scrollbar" frame 23), so no system patch shows there.
SkinBlit ScrollCornerBlit(const TSkinData& skin, const Rect& corner);

// --- Tabs --------------------------------------------------------------------------------
//
// "Tabs" holds 5 frames, in the order of the push button's: 1 normal, 2 selected, 3 disabled,
// 4 hot, 5 selected in a focused control. A selected tab never looks hot.

int TabFrame(bool selected, bool hot, bool focused, bool enabled);
// A selected tab stands out as the system draws it: 2 pixels wider on each side and 2 higher,
// and 1 lower so that it covers the pane's top line. Tabs are at the top.
Rect TabRect(const Rect& item, bool selected);
// The "Tabs" frame over a tab; empty without a "Tabs" picture.
SkinBlit TabBlit(const TSkinData& skin, const Rect& tab, int frame);
// The tab's text colour: "Tabs"'s colours (selected tabs take the pressed colour) or the skin's
// button text colour.
TSkinColor TabTextColour(const TSkinData& skin, int frame);
// The "Tab.Pane" frame round the page area, when the skin has one; the sheet inside is filled
// with the face colour by the sheet's skin.
SkinBlit TabPaneBlit(const TSkinData& skin, const Rect& pane);

// --- Up-down buttons ---------------------------------------------------------------------
//
// "UpDown.Vert" (and "UpDown.Horz" for horizontal ones) holds 8 frames: the up (left) button
// in four states (normal, hot, pressed, disabled: frames 1-4), then the down (right) button
// (5-8). Its "GlyphImage" holds the arrow glyphs in the same 8 frames, drawn unscaled and
// centred over the button, magenta-transparent. A skin without the object draws the buttons
// from the arrows of "Scrollbar"; a skin with neither leaves the system look.

struct TUpDownLayout {
    Rect first;   // up, or left
    Rect second;  // down, or right
};
TUpDownLayout LayoutUpDown(int width, int height, bool horizontal);
int UpDownFrame(int button, TPartState state);  // button 0 first, 1 second
std::vector<SkinBlit> UpDownBlits(const TSkinData& skin,
                                  const TUpDownLayout& layout,
                                  bool horizontal,
                                  TPartState first,
                                  TPartState second);

// --- List view header --------------------------------------------------------------------
//
// "Headerbar" sections use the push button's frame order: 1 normal, 2 pressed, 3 disabled,
// 4 hot; frame 5 fills the header right of the last section (frame 1 when the object has fewer
// frames). A skin without "Headerbar" draws the sections from the [Buttons] picture.

int HeaderFrame(bool pressed, bool hot, bool enabled);

// The header's hot and pressed sections (-1 for none), fed with the hit test of each mouse
// message. A press on a divider starts resizing a column: nothing looks pressed or hot until
// the button is released. A pressed section shows pressed only while the mouse is on it, as
// the system's buttons do, and no other section turns hot meanwhile. Headers without the
// buttons style never look pressed.
struct THeaderInput {
    int hot = -1;
    int pressed = -1;
    bool resizing = false;

    // `section` is the one under the mouse (-1 off the sections), `onDivider` whether the
    // mouse is on a divider between two.
    TInputResult MouseMove(int section, bool onDivider);
    TInputResult MouseDown(int section, bool onDivider, bool buttons);
    TInputResult MouseUp();
    TInputResult MouseLeave();
    int FrameOf(int section, bool enabled) const;
};
SkinBlit HeaderSectionBlit(const TSkinData& skin, const Rect& section, int frame);
// The header right of the last section (`lastRight` is that section's right edge).
SkinBlit HeaderRemainderBlit(const TSkinData& skin, const Rect& header, int lastRight);
// Where a section's text goes: the section less its picture's side margins, at least 4 pixels.
Rect HeaderTextRect(const TSkinData& skin, const Rect& section);
TSkinColor HeaderTextColour(const TSkinData& skin, int frame);

}  // namespace core
