#pragma once
// The skinned elements read from a skin's definition: a picture of equal frames with four
// fixed margins, drawn as a nine-grid with magenta as the transparent key.
#include <cstdint>
#include <string>

#include "core/common/bitmap.h"
#include "core/skin/system_colours.h"

namespace core {

// Caption text colours that the skin does not give.
constexpr TSkinColor kUnsetColour = 0x1FFFFFFF;

class TDataSkinObject {
  public:
    explicit TDataSkinObject(std::string name = std::string()) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;

    int32_t LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
    Bitmap Picture;
    int32_t Trans = 0;
    // Middle repeated (1) or stretched (0); frame borders keep their stretch flag here.
    int32_t Tile = 0;
    std::string Name;
    int32_t FrameCount = 0;
    int32_t Style = 0;
    // Switches for the second colours; -1 when the skin does not give them.
    int32_t NormalColour = -1, MouseOverColour = -1, PressedColour = -1;
    TSkinColor NormalColour2 = SystemColour(kColorBtnText);
    TSkinColor MouseOverColour2 = SystemColour(kColorBtnText);
    TSkinColor PressedColour2 = SystemColour(kColorBtnText);
};

// Frame borders, tabs, up-down buttons and the combo button carry a second picture.
class TDataSkinBorder : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    Bitmap Picture2;
};

class TDataSkinBoxLabel : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    int32_t BackgroundLeftShift = 0, BackgroundRightShift = 0, BackgroundAlignment = 0;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    int32_t Action = 0, Align = 0, XCoord = 0, YCoord = 0;
    int32_t CombineOp = 0, Visibility = 0, Visibility1 = 0;
};

// Caption text. The margins hold the text shift (LeftWidth), the vertical text shift
// (TopHeight) and the right clip (RightWidth); the picture is the text-back image.
class TDataSkinTitle : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    int32_t TextAlignment = 0, TextBackground = 0, FontHeight = 14;
    int32_t TextBackLeftWidth = 0, TextBackRightWidth = 0;
    TSkinColor ActiveTextColour = kUnsetColour, InactiveTextColour = kUnsetColour;
};

// Push, check and radio buttons.
class TDataSkinButton : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    Bitmap CheckPicture, RadioPicture;
    int32_t RadioFrameCount = 0, CheckFrameCount = 0;
    bool HasNormalColour2 = false, HasMouseOverColour2 = false, HasPressedColour2 = false;
};

}  // namespace core
