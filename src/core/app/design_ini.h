#pragma once
// The readable source form of a clock design: an ini text with the sections [Header], [Clock],
// [Alert], [MessageFont] and [HeaderFont] whose keys are the record fields, plus the face and
// sound files it names. Designers write it; `clockdesign` packs it into a design file and back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/clock_design.h"
#include "core/common/errors.h"

namespace core {

// A fault in a design source; the text names the file, the line and the key.
class DesignIniError : public AppError {
  public:
    using AppError::AppError;
};

// Builds a design from ini text. `iniPath` names the source in messages, and `Face=`/`Sound=`
// are read relative to its folder. Throws DesignIniError.
ClockDesign ParseDesignIni(const std::string& text, const std::string& iniPath);
// Reads the ini file at `iniPath` and builds the design. Throws DesignIniError / FileError.
ClockDesign LoadDesignIni(const std::string& iniPath);

// The records and the stream bytes present in a design file, read as they lie (whatever the
// magic says); streams shorter than their stored sizes are kept short. Throws StreamReadError
// when the records themselves are cut.
ClockDesign ParseDesignFile(const uint8_t* data, size_t size);

// Names of the stream files to mention in the ini text; empty: the stream is given by size.
struct DesignIniFiles {
    std::string face;
    std::string sound;
};

// The ini text of a design, every field written out. Streams given by file name are written as
// `Face=`/`Sound=` (with `FaceSize=`/`SoundSize=` only when the stored size differs from the
// bytes present); otherwise as their stored sizes.
std::string DesignToIni(const ClockDesign& design, const DesignIniFiles& files = {});

// Writes `<dir>/<name>.ini` and the face and sound files beside it, so that packing the ini
// rebuilds the design. Returns the ini path.
std::string UnpackDesign(const ClockDesign& design,
                         const std::string& dir,
                         const std::string& name);

// The executable `player` with a trailer naming `designName` appended.
// Throws AppError when the name is longer than the trailer's 32 bytes.
Bytes StampPlayer(const Bytes& player, const std::string& designName);

// Colours are written "#RRGGBB" (a COLORREF's high byte, when set, as "#AARRGGBB").
std::string FormatColor(uint32_t colorref);
bool ParseColor(const std::string& text, uint32_t& colorref);

}  // namespace core
