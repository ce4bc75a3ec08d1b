#pragma once
// A clock set up as a user would have it: the player stamped with a design name, the design file
// beside it, in a folder of its own.
#include <string>

#include "core/app/clock_design.h"
#include "core/common/bitmap.h"
#include "e2e/clock_process.h"

namespace e2e {

constexpr uint32_t kMagenta = 0x00FF00FF;  // the test faces' background colour (COLORREF)
constexpr uint32_t kFaceInk = 0x00306090;

// A 120 x 90 face: a filled circle of radius 40 on the background colour.
core::Bitmap CircleFace();

// A picture-face design with the circle face at (0, 40), the LED at (10, 0) in the standard
// cell sizes, opaque, shape cut, a short sound "chime.wav".
core::ClockDesign StandardDesign();

// A minimal uncompressed movie whose SetBackgroundColor tag holds `rgb` (R, G, B).
core::Bytes MovieWithBackground(uint8_t r, uint8_t g, uint8_t b);

// A tiny PCM WAV file.
core::Bytes ShortWav();

struct ClockSetup {
    TempFolder folder;
    std::string exe;  // full path of the stamped player

    // Stamps clock.exe as `exeName` naming `designName`, and writes `design` under that name
    // unless `writeDesign` is false.
    ClockSetup(const core::ClockDesign& design, const std::string& designName = "Test.clk",
               const std::string& exeName = "TestClock.exe", bool writeDesign = true);
};

}  // namespace e2e
