#include "core/skin/control_parts.h"

#include <algorithm>

namespace core {

namespace {

// Scroll-bar frames after the 16 arrows.
constexpr int kHorzThumbFrame = 17, kVertThumbFrame = 20, kTrackFrame = 23;

// a x b / c rounded to the nearest, as the system's MulDiv.
int MulDiv(int64_t a, int64_t b, int64_t c) {
    if (c == 0)
        return 0;
    int64_t n = a * b, d = c;
    const bool negative = (n < 0) != (d < 0);
    n = n < 0 ? -n : n;
    d = d < 0 ? -d : d;
    const int64_t q = (n + d / 2) / d;
    return int(negative ? -q : q);
}

// A span [from, to) along the bar as a rectangle.
Rect Along(const Rect& bar, bool vertical, int from, int to) {
    return vertical ? Rect{bar.left, bar.top + from, bar.right, bar.top + to}
                    : Rect{bar.left + from, bar.top, bar.left + to, bar.bottom};
}

const TDataSkinObject* Picture(const TSkinData& skin, const char* name) {
    const TDataSkinObject* o = skin.Find(name);
    return o != nullptr && !o->Picture.Empty() ? o : nullptr;
}

void Add(std::vector<SkinBlit>& out, SkinBlit b) {
    if (!b.Empty())
        out.push_back(std::move(b));
}

TPartState StateOf(TScrollPart part, const TScrollBarLook& look) {
    return PartState(look.hot == part, look.pressed == part, look.enabled);
}

// Tabs and header sections number their frames as the push button does: 1 normal, 2 pressed
// (selected), 3 disabled, 4 hot, 5 focused (a focused selected tab).
TSkinColor FrameTextColour(const TDataSkinObject* obj, int frame, TSkinColor fallback) {
    const TPartState state = frame == 3                 ? psDisabled
                             : frame == 4               ? psHot
                             : frame == 2 || frame == 5 ? psPressed
                                                        : psNormal;
    if (obj == nullptr)
        return state == psDisabled ? SystemColour(kColorBtnShadow) : fallback;
    return ObjectTextColour(*obj, state, fallback);
}

}  // namespace

TPartState PartState(bool hot, bool pressed, bool enabled) {
    return !enabled ? psDisabled : pressed ? psPressed : hot ? psHot : psNormal;
}

TSkinColor ObjectTextColour(const TDataSkinObject& obj, TPartState state, TSkinColor fallback) {
    switch (state) {
        case psNormal:
            return obj.NormalColour != -1 ? obj.NormalColour2 : fallback;
        case psHot:
            return obj.MouseOverColour != -1 ? obj.MouseOverColour2 : fallback;
        case psPressed:
            return obj.PressedColour != -1 ? obj.PressedColour2 : fallback;
        case psDisabled:
            return SystemColour(kColorBtnShadow);
    }
    return fallback;
}

int ScrollArrowFrame(TScrollArrow arrow, TPartState state) {
    return int(arrow) * 4 + int(state) + 1;
}

TScrollBarLayout LayoutScrollBar(const Rect& bar,
                                 bool vertical,
                                 const TScrollBarMetrics& metrics,
                                 const TScrollInfoFacts& info,
                                 bool enabled) {
    TScrollBarLayout l;
    l.bar = bar;
    l.vertical = vertical;
    const int length = std::max(0, vertical ? bar.Height() : bar.Width());
    const int arrow = std::min(std::max(0, metrics.arrowSize), length / 2);
    const int afterArrow = length < 2 * metrics.arrowSize ? length - arrow : arrow;
    l.arrowBefore = Along(bar, vertical, 0, arrow);
    l.arrowAfter = Along(bar, vertical, length - afterArrow, length);
    l.track = Along(bar, vertical, arrow, length - afterArrow);
    const int trackLength = std::max(0, length - arrow - afterArrow);

    const int64_t range = int64_t(info.max) - info.min + 1;
    if (!enabled || range <= 0 || (info.page > 0 && int64_t(info.page) >= range))
        return l;
    int thumb = info.page > 0 ? std::max(MulDiv(trackLength, info.page, range), metrics.minThumb)
                              : metrics.thumbSize;
    if (thumb <= 0 || thumb > trackLength)
        return l;
    const int64_t maxPos = int64_t(info.max) - std::max<int64_t>(int64_t(info.page) - 1, 0);
    const int64_t span = maxPos - info.min;
    const int64_t pos = std::min<int64_t>(std::max<int64_t>(info.pos, info.min), maxPos);
    const int offset = span > 0 ? MulDiv(trackLength - thumb, pos - info.min, span) : 0;
    const int start = arrow + offset;
    l.pageBefore = Along(bar, vertical, arrow, start);
    l.thumb = Along(bar, vertical, start, start + thumb);
    l.pageAfter = Along(bar, vertical, start + thumb, length - afterArrow);
    return l;
}

TScrollPart ScrollBarHitTest(const TScrollBarLayout& l, int x, int y) {
    const std::pair<const Rect*, TScrollPart> parts[] = {
        {&l.arrowBefore, TScrollPart::ArrowBefore},
        {&l.arrowAfter, TScrollPart::ArrowAfter},
        {&l.thumb, TScrollPart::Thumb},
        {&l.pageBefore, TScrollPart::PageBefore},
        {&l.pageAfter, TScrollPart::PageAfter},
    };
    for (const auto& p : parts)
        if (p.first->Contains(x, y))
            return p.second;
    return TScrollPart::None;
}

bool SkinDrawsScrollBars(const TSkinData& skin) {
    return Picture(skin, "Scrollbar") != nullptr;
}

std::vector<SkinBlit> ScrollBarBlits(const TSkinData& skin,
                                     const TScrollBarLayout& l,
                                     const TScrollBarLook& look) {
    std::vector<SkinBlit> out;
    const TDataSkinObject* parts = Picture(skin, "Scrollbar");
    if (parts == nullptr)
        return out;
    const TDataSkinObject* track = Picture(skin, l.vertical ? "VertScroll" : "HorzScroll");
    const TDataSkinObject* thumb =
        Picture(skin, l.vertical ? "VertScrollThumb" : "HorzScrollThumb");

    if (track != nullptr) {
        Add(out, ObjectBlit(*track, (look.enabled ? psNormal : psDisabled) + 1, l.track));
        for (TScrollPart page : {TScrollPart::PageBefore, TScrollPart::PageAfter}) {
            const TPartState s = StateOf(page, look);
            if (s == psHot || s == psPressed)
                Add(out, ObjectBlit(*track, s + 1,
                                    page == TScrollPart::PageBefore ? l.pageBefore : l.pageAfter));
        }
    } else {
        Add(out, ObjectBlit(*parts, kTrackFrame, l.track));
    }

    if (l.HasThumb()) {
        const TPartState s = StateOf(TScrollPart::Thumb, look);
        if (thumb != nullptr)
            Add(out, ObjectBlit(*thumb, s + 1, l.thumb));
        else
            Add(out,
                ObjectBlit(*parts, (l.vertical ? kVertThumbFrame : kHorzThumbFrame) + s, l.thumb));
    }

    const TScrollArrow before = l.vertical ? saUp : saLeft;
    const TScrollArrow after = l.vertical ? saDown : saRight;
    Add(out, ObjectBlit(*parts, ScrollArrowFrame(before, StateOf(TScrollPart::ArrowBefore, look)),
                        l.arrowBefore));
    Add(out, ObjectBlit(*parts, ScrollArrowFrame(after, StateOf(TScrollPart::ArrowAfter, look)),
                        l.arrowAfter));
    return out;
}

Rect ScrollCornerRect(const Rect& vertical, const Rect& horizontal) {
    if (vertical.Empty() || horizontal.Empty())
        return Rect{};
    return Rect{vertical.left, horizontal.top, vertical.right, horizontal.bottom};
}

SkinBlit ScrollCornerBlit(const TSkinData& skin, const Rect& corner) {
    const TDataSkinObject* parts = Picture(skin, "Scrollbar");
    return parts != nullptr && !corner.Empty() ? ObjectBlit(*parts, kTrackFrame, corner)
                                               : SkinBlit{};
}

int TabFrame(bool selected, bool hot, bool focused, bool enabled) {
    if (!enabled)
        return 3;
    if (selected)
        return focused ? 5 : 2;
    return hot ? 4 : 1;
}

Rect TabRect(const Rect& item, bool selected) {
    return selected ? Rect{item.left - 2, item.top - 2, item.right + 2, item.bottom + 1} : item;
}

SkinBlit TabBlit(const TSkinData& skin, const Rect& tab, int frame) {
    const TDataSkinObject* tabs = Picture(skin, "Tabs");
    return tabs != nullptr ? ObjectBlit(*tabs, frame, tab) : SkinBlit{};
}

TSkinColor TabTextColour(const TSkinData& skin, int frame) {
    return FrameTextColour(skin.Find("Tabs"), frame, skin.Colour(kSkinButtonText));
}

SkinBlit TabPaneBlit(const TSkinData& skin, const Rect& pane) {
    const TDataSkinObject* o = Picture(skin, "Tab.Pane");
    return o != nullptr ? ObjectBlit(*o, 1, pane) : SkinBlit{};
}

TUpDownLayout LayoutUpDown(int width, int height, bool horizontal) {
    if (horizontal)
        return TUpDownLayout{Rect{0, 0, width / 2, height}, Rect{width / 2, 0, width, height}};
    return TUpDownLayout{Rect{0, 0, width, height / 2}, Rect{0, height / 2, width, height}};
}

int UpDownFrame(int button, TPartState state) {
    return button * 4 + int(state) + 1;
}

std::vector<SkinBlit> UpDownBlits(const TSkinData& skin,
                                  const TUpDownLayout& layout,
                                  bool horizontal,
                                  TPartState first,
                                  TPartState second) {
    std::vector<SkinBlit> out;
    const Rect* rects[2] = {&layout.first, &layout.second};
    const TPartState states[2] = {first, second};
    if (const TDataSkinObject* o = Picture(skin, horizontal ? "UpDown.Horz" : "UpDown.Vert")) {
        const auto* border = dynamic_cast<const TDataSkinBorder*>(o);
        for (int i = 0; i < 2; ++i) {
            const int frame = UpDownFrame(i, states[i]);
            Add(out, ObjectBlit(*o, frame, *rects[i]));
            if (border != nullptr && !border->Picture2.Empty())
                Add(out, SkinBlit{&border->Picture2,
                                  FramePieces(FrameRect(border->Picture2, o->FrameCount, frame),
                                              *rects[i], false),
                                  true});
        }
        return out;
    }
    if (const TDataSkinObject* parts = Picture(skin, "Scrollbar")) {
        const TScrollArrow arrows[2] = {horizontal ? saLeft : saUp, horizontal ? saRight : saDown};
        for (int i = 0; i < 2; ++i)
            Add(out, ObjectBlit(*parts, ScrollArrowFrame(arrows[i], states[i]), *rects[i]));
    }
    return out;
}

int HeaderFrame(bool pressed, bool hot, bool enabled) {
    return !enabled ? 3 : pressed ? 2 : hot ? 4 : 1;
}

namespace {

TInputResult Changed(bool changed) {
    TInputResult r;
    r.repaint = changed;
    return r;
}

}  // namespace

TInputResult THeaderInput::MouseMove(int section, bool onDivider) {
    const int now = resizing || onDivider ? -1 : section;
    const bool changed = now != hot;
    hot = now;
    return Changed(changed);
}

TInputResult THeaderInput::MouseDown(int section, bool onDivider, bool buttons) {
    const int before = pressed, hotBefore = hot;
    resizing = onDivider;
    pressed = !onDivider && buttons ? section : -1;
    hot = onDivider ? -1 : section;
    return Changed(pressed != before || hot != hotBefore);
}

TInputResult THeaderInput::MouseUp() {
    const bool changed = pressed >= 0;
    pressed = -1;
    resizing = false;
    return Changed(changed);
}

TInputResult THeaderInput::MouseLeave() {
    const bool changed = hot >= 0;
    hot = -1;
    return Changed(changed);
}

int THeaderInput::FrameOf(int section, bool enabled) const {
    if (pressed >= 0)
        return HeaderFrame(pressed == section && hot == section, false, enabled);
    return HeaderFrame(false, hot == section, enabled);
}

namespace {

const TDataSkinObject* HeaderObject(const TSkinData& skin) {
    if (const TDataSkinObject* o = Picture(skin, "Headerbar"))
        return o;
    const TDataSkinButton& b = skin.ButtonDef();
    return b.Picture.Empty() ? nullptr : &b;
}

}  // namespace

SkinBlit HeaderSectionBlit(const TSkinData& skin, const Rect& section, int frame) {
    const TDataSkinObject* o = HeaderObject(skin);
    return o != nullptr ? ObjectBlit(*o, frame, section) : SkinBlit{};
}

SkinBlit HeaderRemainderBlit(const TSkinData& skin, const Rect& header, int lastRight) {
    const TDataSkinObject* o = HeaderObject(skin);
    const Rect rest{std::max(header.left, lastRight), header.top, header.right, header.bottom};
    if (o == nullptr || rest.Empty())
        return SkinBlit{};
    const bool own = o->Name == "Headerbar" && o->FrameCount >= 5;
    return ObjectBlit(*o, own ? 5 : 1, rest);
}

Rect HeaderTextRect(const TSkinData& skin, const Rect& section) {
    const TDataSkinObject* o = HeaderObject(skin);
    const int l = std::max(4, o != nullptr ? o->LeftWidth : 0);
    const int r = std::max(4, o != nullptr ? o->RightWidth : 0);
    return Rect{section.left + l, section.top, std::max(section.left + l, section.right - r),
                section.bottom};
}

TSkinColor HeaderTextColour(const TSkinData& skin, int frame) {
    return FrameTextColour(HeaderObject(skin), frame, skin.Colour(kSkinButtonText));
}

}  // namespace core
