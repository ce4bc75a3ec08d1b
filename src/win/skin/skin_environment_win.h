#pragma once
// What the portable skin definitions need from Windows: system colours, the scroll-bar arrow
// width and the program's own bitmap resources.
#include <string>

#include "core/common/bitmap.h"
#include "core/skin/skin_data.h"

namespace skin {

// Makes core::ResolveColour use GetSysColor.
void InstallSystemColours();

// The environment for a TSkinData of this process (SM_CXHSCROLL, the bitmap resources of the
// executable). The caller adds showMessage.
core::SkinEnvironment MakeSkinEnvironment();

// A bitmap resource of the executable as a picture; empty when there is none.
core::Bitmap LoadBitmapResource(const std::string& name);

}  // namespace skin
