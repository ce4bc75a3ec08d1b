#include "core/skin/control_combo.h"

#include <algorithm>

#include "core/skin/window_bits.h"

namespace core {

int ComboStateFrame(bool pressed, bool focused, bool hot, bool enabled) {
    int frame = pressed ? 2 : focused || hot ? 4 : 1;
    if (!enabled)
        frame = 3;
    return frame;
}

int FlatComboStateFrame(bool pressed, bool focused, bool hot, bool enabled) {
    return pressed ? 2 : focused || hot ? 4 : enabled ? 1 : 3;
}

TComboDrawing ChooseComboDrawing(const TSkinData& skin, bool haveInfo, uint32_t buttonState) {
    const TDataSkinObject* combo = skin.Find("ComboButton");
    if (combo == nullptr || combo->Picture.Empty())
        return TComboDrawing::None;
    if (haveInfo && (buttonState & winbits::kComboButtonInvisible) != 0)
        return TComboDrawing::None;
    if (combo->Style == 1)
        return TComboDrawing::Flat;
    if (combo->Style == 2)
        return TComboDrawing::Strip;
    return TComboDrawing::None;
}

SkinBlit ComboStripBlit(const TSkinData& skin,
                        int width,
                        int height,
                        int frame,
                        bool leftScrollBar) {
    SkinBlit b;
    const TDataSkinObject* combo = skin.Find("ComboButton");
    if (combo == nullptr || combo->Picture.Empty())
        return b;
    const Rect dst{0, 0, width, height};
    const TDataSkinObject* sunk = skin.Find("SunkEdge");
    const Bitmap* picture = &combo->Picture;
    Margins m{combo->LeftWidth, combo->TopHeight, combo->RightWidth, combo->BottomHeight};
    int count = std::max(1, combo->FrameCount);
    if (leftScrollBar) {
        if (sunk != nullptr && !sunk->Picture.Empty()) {
            picture = &sunk->Picture;
            m = Margins{sunk->LeftWidth, sunk->TopHeight, sunk->RightWidth, sunk->BottomHeight};
            count = std::max(1, sunk->FrameCount);
        } else if (const auto* border = dynamic_cast<const TDataSkinBorder*>(combo);
                   border != nullptr && !border->Picture2.Empty()) {
            // A style-2 skin of its own making, without SunkEdge: its mirrored button picture.
            picture = &border->Picture2;
            std::swap(m.left, m.right);
        }
        frame = count + 1 - std::min(std::max(1, frame), count);
    }
    b.picture = picture;
    b.pieces = NineGridPieces(FrameRect(*picture, count, frame), dst, m, false);
    b.transparent = true;
    return b;
}

TFlatComboLayout LayoutFlatCombo(int width, int height, int fw, int fh, int t, bool leftScrollBar) {
    TFlatComboLayout l;
    l.outline = Rect{0, 0, width, height};
    l.brushFrame = l.outline.Inflated(-1, -1);
    l.inner = l.brushFrame.Inflated(-1, -1);
    const Rect& r2 = l.inner;
    l.strip = leftScrollBar ? Rect{r2.left, r2.top, r2.left + t, r2.bottom}
                            : Rect{r2.right - t, r2.top, r2.right, r2.bottom};
    l.button = leftScrollBar ? Rect{r2.left, r2.top, r2.left + fw, r2.bottom}
                             : Rect{r2.right - fw, r2.top, r2.right, r2.bottom};
    if (fh < t)
        l.button.bottom = l.button.top + fh;
    return l;
}

TFlatComboLayout LayoutFlatCombo(const TDataSkinObject& comboButton,
                                 int width,
                                 int height,
                                 int t,
                                 bool leftScrollBar) {
    const int fw = comboButton.Picture.width / std::max(1, comboButton.FrameCount);
    return LayoutFlatCombo(width, height, fw, comboButton.Picture.height, t, leftScrollBar);
}

SkinBlit FlatComboButtonBlit(const TDataSkinObject& comboButton, const Rect& button, int frame) {
    SkinBlit b;
    b.picture = &comboButton.Picture;
    b.pieces =
        FramePieces(FrameRect(comboButton.Picture, comboButton.FrameCount, frame), button, true);
    b.transparent = true;
    return b;
}

TComboAttachPlan ComboAttachPlan(uint32_t style, bool wide, bool bare) {
    TComboAttachPlan p;
    const bool simple = (style & winbits::kComboKindMask) == winbits::kComboSimple;
    if (simple) {
        if (!bare) {
            p.readInfo = true;
            p.listSkin = TComboListSkin::SkinScrollbarH;
        }
        return p;
    }
    if (!bare && (style & winbits::kComboDropDownBit) != 0) {
        p.readInfo = true;
        p.listSkin = TComboListSkin::ComboxScrollBar;
    }
    p.takeOverEdit = !wide;
    return p;
}

bool SimpleComboListGetsScrollbar(bool hasList, uint32_t listStyle, uintptr_t listParent) {
    return hasList && (listStyle & winbits::kPopup) == 0 && listParent != 65556 &&
           (listStyle & winbits::kChild) != 0;
}

TInputResult TComboInput::MouseMove(int x, int y, const Rect& button, bool enabled) {
    const bool inside = button.Contains(x, y);
    if (hot) {
        if (!inside && enabled) {
            hot = false;
            return TInputResult{true, false};
        }
    } else if (inside && enabled) {
        hot = true;
        return TInputResult{true, false};
    }
    return TInputResult{};
}

TInputResult TComboInput::MouseDown() {
    pressed = true;
    return TInputResult{true, false};
}

TInputResult TComboInput::MouseUp() {
    pressed = false;
    return TInputResult{true, false};
}

TInputResult TComboInput::MouseLeave() {
    if (!hot)
        return TInputResult{};
    hot = false;
    return TInputResult{true, false};
}

TInputResult TComboInput::Notify(int code) {
    if (code == winbits::kComboListOpened)
        droppedDown = true;
    else if (code == winbits::kComboListClosed)
        droppedDown = false;
    return TInputResult{};
}

}  // namespace core
