// The once-a-second tick's alarm work over a full store (65535 alarms), the minute tracking of
// before (a tracker with no memory across runs and no snoozes, kept here as it was) against the
// watch of now (tracking, snoozes, the check whether the state file is behind), interleaved in
// one run; and the state write on its own, made in minutes that show a popup.
//   alarm_tick_bench [FOLDER]   (default: the current folder)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_schedule.h"
#include "core/alarms/alarm_watch.h"
#include "core/common/date_time.h"
#include "core/common/file_io.h"
#include "full_alarm_store.h"

namespace {

using Clock = std::chrono::steady_clock;

// The tracker as it was: catch up at most five minutes, restart on larger jumps either way.
class TOldTracker {
  public:
    std::vector<core::TDateTime> Tick(core::TDateTime now) {
        const int64_t minute = core::MinuteStamp(now);
        if (minute < 0)
            return {};
        if (!started_)
            return Restart(now, minute);
        const int64_t ahead = minute - last_;
        if (ahead == 0)
            return {};
        if (ahead > 5 || ahead < -5)
            return Restart(now, minute);
        if (ahead < 0)
            return {};
        std::vector<core::TDateTime> minutes;
        for (int64_t m = last_ + 1; m <= minute; ++m)
            minutes.push_back(core::MinuteStampToDateTime(m));
        last_ = minute;
        return minutes;
    }

  private:
    std::vector<core::TDateTime> Restart(core::TDateTime now, int64_t minute) {
        started_ = true;
        last_ = minute;
        int h, m, s, ms;
        core::DecodeTime(now, h, m, s, ms);
        if (s == 0)
            return {core::MinuteStampToDateTime(minute)};
        return {};
    }
    bool started_ = false;
    int64_t last_ = 0;
};

constexpr int kTicks = 3600;  // an hour of ticks, sixty of them at second 0
const core::TDateTime kStart = core::EncodeDate(2026, 12, 9) + core::EncodeTime(7, 0, 0, 0);

core::TDateTime TickTime(int i) {
    return kStart + double(i) / 86400 + 0.010 / 86400;
}

template <typename Tick>
double HourMs(const core::TAlarmDB& db, Tick&& tick, size_t& due) {
    const auto start = Clock::now();
    for (int i = 0; i < kTicks; ++i)
        for (core::TDateTime minute : tick(TickTime(i)))
            due += core::DueAlarmIndices(db, minute).size();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string("./");
    const core::TAlarmDB db = bench::FullStore();
    std::vector<double> before, after;
    size_t dueBefore = 0, dueAfter = 0, behind = 0;
    for (int round = 0; round < 7; ++round) {
        TOldTracker old;
        before.push_back(HourMs(
            db, [&](core::TDateTime now) { return old.Tick(now); }, dueBefore));
        core::TAlarmWatch watch;
        // Two snoozes pending for the whole hour, as a user might leave them.
        watch.Snooze(db.GetAlarm(1), kStart, 2 * 3600);
        watch.Snooze(db.GetAlarm(2), kStart, 3 * 3600);
        after.push_back(HourMs(
            db,
            [&](core::TDateTime now) {
                core::TWatchTick t = watch.Tick(now);
                behind += watch.NeedsSave() ? 1 : 0;
                return t.check.minutes;
            },
            dueAfter));
    }
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    const double b = before[before.size() / 2], a = after[after.size() / 2];
    std::printf("tick over %u alarms, an hour of ticks (median of 7, interleaved):\n",
                unsigned(db.Count()));
    std::printf("  before  %.2f ms per hour, %.3f ms per tick (%zu due)\n", b, b / kTicks,
                dueBefore / 7);
    std::printf("  after   %.2f ms per hour, %.3f ms per tick (%zu due)\n", a, a / kTicks,
                dueAfter / 7);
    std::printf("  after / before = %.2fx\n", a / b);
    static volatile size_t sink;
    sink = behind;

    // The state write the clock makes in a minute that shows a popup (atomic, forced to disk).
    core::TAlarmWatch watch;
    watch.Tick(kStart);
    watch.Snooze(db.GetAlarm(1), kStart, 300);
    const std::string path = folder + "bench_" + core::kAlarmStateFileName;
    std::vector<double> writes;
    for (int i = 0; i < 20; ++i) {
        const auto start = Clock::now();
        watch.Save(path);
        writes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    core::DeleteFileAt(path);
    std::sort(writes.begin(), writes.end());
    std::printf("state file write: %.2f ms (median of 20), in a minute that shows a popup\n",
                writes[writes.size() / 2]);
    return 0;
}
