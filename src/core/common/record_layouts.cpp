// What the stored records rely on, proved where the program is compiled (the 32-bit build
// included): the byte order of every field is written by hand, so what remains is that the
// records have exactly their stored sizes, their fields lie inside them without overlapping,
// and a double is the 8-byte IEEE value the files hold.
#include <cfloat>
#include <climits>
#include <cstdint>
#include <limits>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_record.h"
#include "core/app/clock_design.h"
#include "core/skin/skin_archive.h"

namespace core {
namespace {

static_assert(CHAR_BIT == 8 && sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "dates and times are stored as 8-byte IEEE doubles");

// The in-memory copy is the stored bytes and nothing else: records are copied whole.
static_assert(sizeof(TAlarmRecord) == 352 && TAlarmRecord::kSize == 352, "alarm record");
static_assert(sizeof(ExeTrailer) == 64, "executable trailer");
static_assert(sizeof(DesignHeader) == 230, "design header");
static_assert(sizeof(ClockRecord) == 68, "clock record");
static_assert(sizeof(FontRecord) == 152, "font record");
static_assert(sizeof(AlertRecord) == 396, "alert record");
static_assert(TAlarmDB::kHeaderSize == 10 && TAlarmDB::kCountOffset == 6 &&
                  TAlarmDB::kAutoRunOffset == 8 && TAlarmDB::kShowOnTipOffset == 9,
              "alarm file header");
static_assert(kSkinArchiveHeaderSize == 16, "skin archive header: version, name list length");

// Alarm record: type, padding, time, date, week day, title, to-do text, padding.
static_assert(TAlarmRecord::kTimeOffset == 8 && TAlarmRecord::kDateOffset == 16 &&
                  TAlarmRecord::kWeekDayOffset == 24 && TAlarmRecord::kTitleOffset == 26 &&
                  TAlarmRecord::kTitleOffset + TAlarmRecord::kTitleWidth ==
                      TAlarmRecord::kToDoOffset,
              "alarm record fields");

// Trailer and header: texts end to end.
static_assert(trailer_field::kDesignName + trailer_field::kDesignNameWidth == 64, "trailer");
static_assert(header_field::kMagic + header_field::kMagicWidth == header_field::kClockName &&
                  header_field::kClockName + header_field::kClockNameWidth ==
                      header_field::kAuthor &&
                  header_field::kAuthor + header_field::kAuthorWidth == header_field::kEmail &&
                  header_field::kEmail + header_field::kEmailWidth == header_field::kWebSite &&
                  header_field::kWebSite + header_field::kWebSiteWidth + 1 == 230,
              "design header fields");

// Clock record: 32-bit fields at 4-byte steps, then the bytes and 16-bit LED fields.
static_assert(clock_field::kFaceExt + clock_field::kFaceExtWidth <= clock_field::kTransColor &&
                  clock_field::kLedOffSetY + 2 == 68,
              "clock record fields");

// Font record: charset, colour, height, 128-byte name, pitch, size, style.
static_assert(font_field::kName + font_field::kNameWidth == font_field::kPitch &&
                  font_field::kStyle + 4 == 152,
              "font record fields");

// Alert record: the two font records whole, end to end, then the placement and the sound.
static_assert(alert_field::kMessageFont + 152 == alert_field::kHeaderFont &&
                  alert_field::kHeaderFont + 152 == alert_field::kUseDuration &&
                  alert_field::kAlertHeight + 4 == alert_field::kSoundName &&
                  alert_field::kSoundName + alert_field::kSoundNameWidth + 4 ==
                      alert_field::kSoundSize &&
                  alert_field::kSoundSize + 4 == 396,
              "alert record fields");

}  // namespace
}  // namespace core
