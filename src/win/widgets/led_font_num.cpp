#include "win/widgets/led_font_num.h"

namespace widgets {

TLEDFontNum::TLEDFontNum(ui::TComponent* AOwner) : ui::TCustomControl(AOwner) {
    SetBounds(Left(), Top(), 47, 38);
}

void TLEDFontNum::BoundsChanged() {
    model_.SetSize(Width(), Height());
    ui::TCustomControl::BoundsChanged();
}

void TLEDFontNum::Resize(const core::LedSize& size) {
    SetWidth(size.width);
    SetHeight(size.height);
}

void TLEDFontNum::Apply(const core::LedUpdate& update) {
    if (update.invalidate)
        Invalidate();
    if (update.resize)
        Resize(*update.resize);
    if (update.drawNow)
        DrawDigits();
}

void TLEDFontNum::Paint() {
    ui::TCustomControl::Paint();
    DrawDigits();
}

void TLEDFontNum::DrawDigits() {
    if (!Visible())
        return;
    core::LedDrawing drawing = model_.DrawDigits();
    ui::TBitmap picture;
    picture.SetSize(drawing.width, drawing.height);
    if (!picture.Empty()) {
        ui::TCanvas& c = picture.Canvas();
        c.Brush().SetColor(static_cast<ui::TColor>(drawing.background & 0xFFFFFF));
        c.FillRect(RECT{0, 0, drawing.width, drawing.height});
        POINT points[6];
        for (const core::LedFill& fill : drawing.fills) {
            auto color = static_cast<ui::TColor>(fill.color & 0xFFFFFF);
            c.Brush().SetColor(color);
            c.Pen().SetColor(color);
            for (int i = 0; i < 6; ++i)
                points[i] = POINT{fill.points[i].x, fill.points[i].y};
            c.Polygon(points, 6);
        }
        if (HandleAllocated()) {
            CanvasDC dc(*this);
            Canvas().Draw(0, 0, picture);
        }
    }
    if (drawing.resize)
        Resize(*drawing.resize);
}

}  // namespace widgets
