#pragma once
// The program's own pictures, drawn like the skin's: the main icon, the menu glyphs the
// skinned system menu shows, and the track pictures that skins without a "Track" object use.
#include <string>

#include "core/common/bitmap.h"
#include "core/common/bytes.h"

namespace skinart {

// 16-pixel glyphs side by side on magenta: 0 restore, 1 maximise, 2 minimise, 3 close.
core::Bitmap MenuGlyphs();
// A clock face on a transparent ground.
core::Bitmap ClockIcon(int size);
// The track of a track bar, margins 3 on every side.
core::Bitmap Track(bool vertical);

// A Windows icon file holding one 32-bit image per picture; magenta pixels are transparent.
core::Bytes EncodeIcon(const std::vector<core::Bitmap>& images);

// Writes mainicon.ico, skinmenuglyphs.bmp, track.bmp and trackvert.bmp into `dir`.
void WriteProgramResources(const std::string& dir);

}  // namespace skinart
