#include "core/skin/control_frames.h"

#include "core/skin/control_selection.h"
#include "core/skin/quick_ini.h"

namespace core {

namespace {

std::vector<TFramedRect> Outline(int width,
                                 int height,
                                 int clientWidth,
                                 int clientHeight,
                                 const TSkinData& skin,
                                 int whiteLines) {
    std::vector<TFramedRect> out;
    if (!FieldHasBorder(width, height, clientWidth, clientHeight))
        return out;
    Rect r{0, 0, width, height};
    out.push_back({r, skin.Colour(kSkinButtonShadow)});
    for (int i = 0; i < whiteLines; ++i) {
        r = r.Inflated(-1, -1);
        out.push_back({r, TSkinColor(kWhite)});
    }
    return out;
}

}  // namespace

TGroupBoxLayout LayoutGroupBox(int width, int height, int zeroHeight, bool rightAligned) {
    TGroupBoxLayout g;
    g.y = zeroHeight / 2 - 1;
    g.frame = Rect{1, g.y, width - 1, height - 1};
    g.bareOuter = Rect{0, g.y, width, height};
    g.bareInner = g.bareOuter.Inflated(-1, -1);
    g.captionRight = rightAligned;
    g.caption = rightAligned ? Rect{0, 0, width - 8, height} : Rect{8, 0, width, height};
    return g;
}

std::vector<TFramedRect> EditBorder(int width,
                                    int height,
                                    int clientWidth,
                                    int clientHeight,
                                    const TSkinData& skin) {
    return Outline(width, height, clientWidth, clientHeight, skin, 2);
}

std::vector<TFramedRect> DatePickerBorder(int width,
                                          int height,
                                          int clientWidth,
                                          int clientHeight,
                                          const TSkinData& skin) {
    return Outline(width, height, clientWidth, clientHeight, skin, 1);
}

TPrintBorder EditPrintBorder(int width,
                             int height,
                             int clientWidth,
                             int clientHeight,
                             const TSkinData& skin) {
    TPrintBorder p;
    if (clientWidth + 2 >= width || clientHeight + 2 >= height)
        return p;
    const Rect r{0, 0, width, height};
    p.draw = true;
    p.brushFrame = r.Inflated(-1, -1);
    p.shadowFrame = TFramedRect{r, skin.Colour(kSkinButtonShadow)};
    return p;
}

bool IsUpDownClass(const std::string& windowClass) {
    const std::string c = LowerAscii(windowClass);
    return c == "msctls_updown32" || c.find("spin") != std::string::npos ||
           c.find("updown") != std::string::npos;
}

Rect ArrowButtonRect(int pickerWidth, int s, bool leftScrollBar) {
    const int x = leftScrollBar ? 2 : pickerWidth - s - 4;
    return Rect{x, 0, x + s, s + 1};
}

Point ArrowClickPoint(const Rect& button, int x, int y) {
    return Point{x + button.left, y + button.top};
}

int ArrowFrame(bool hot, bool pickerEnabled) {
    return hot && pickerEnabled ? 4 : 1;
}

SkinBlit ArrowBlit(const TSkinData& skin, int width, int height, int frame) {
    SkinBlit b;
    const TDataSkinObject* arrow = skin.Find("ComboxArrow");
    if (arrow == nullptr || arrow->Picture.Empty())
        return b;
    b.picture = &arrow->Picture;
    b.pieces = FramePieces(FrameRect(arrow->Picture, arrow->FrameCount, frame),
                           Rect{0, 0, width, height}, true);
    return b;
}

TInputResult TArrowInput::MouseEnter(bool pickerEnabled) {
    if (!pickerEnabled || hot)
        return TInputResult{};
    hot = true;
    return TInputResult{true, false};
}

TInputResult TArrowInput::MouseLeave() {
    const bool was = hot;
    hot = false;
    return TInputResult{was, false};
}

}  // namespace core
