// Feeds arbitrary bytes to the alarm store reader, from memory and through a file as the clock
// reads it, then walks what it accepted through the due rules and the save path. Any
// out-of-bounds access, a file read that differs from the memory read, or a store that does
// not write back what it read, stops the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_forecast.h"
#include "core/alarms/alarm_schedule.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
    // Counts are kept below 2048: the paths are those of any count, but a store of 65535
    // zero-filled records per input would slow the search to a crawl.
    core::Bytes bytes(input, input + size);
    if (size > 7)
        bytes[7] &= 0x07;
    const uint8_t* data = bytes.data();
    core::TAlarmDB db;
    bool complete = true;
    try {
        db.LoadFromBytes(data, size);
    } catch (const core::StreamError&) {
        complete = false;
    }
    const core::Bytes saved = db.SaveToBytes();
    static const std::string path = std::filesystem::temp_directory_path().string() +
                                    "/alarm_store_fuzz_" + std::to_string(::getpid()) + ".sav";
    core::WriteWholeFile(path, data, size);
    core::TAlarmDB fromFile;
    bool fileComplete = true;
    try {
        fromFile.LoadFromFile(path);
    } catch (const core::StreamError&) {
        fileComplete = false;
    }
    if (fileComplete != complete || fromFile.SaveToBytes() != saved ||
        fromFile.ForeignFile() != db.ForeignFile() || fromFile.ReloadIfChanged(path))
        std::abort();
    if (saved.size() != core::TAlarmDB::kHeaderSize + size_t(db.Count()) * 352)
        std::abort();
    if (complete && !db.ForeignFile() && std::memcmp(saved.data(), data, saved.size()) != 0)
        std::abort();
    // A few moments around a leap day and a month end.
    const double moments[] = {46364.5, 47177.0, 47177.999, 46446.25, -1.5};
    const unsigned count = db.Count() < 64 ? db.Count() : 64;
    for (unsigned i = 0; i < count; ++i) {
        const core::TAlarmRecord alarm = db.GetAlarm(i);
        for (double now : moments)
            core::IsAlarmDue(alarm, now);
        core::TAlarmRecord copy = alarm;
        copy.SetTitle(copy.Title());
        copy.SetToDoText(copy.ToDoText());
        if (copy != alarm)
            std::abort();  // rewriting a text as read changes no byte
    }
    if (count > 0 && db.Count() <= 64)
        core::NextFirings(db, 46364.5, 20, 1);
    return 0;
}
