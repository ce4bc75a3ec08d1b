// Figures for a full alarm store (65535 alarms, 23 MB): load and save against a durable copy of
// a file of the same size, the once-a-minute due test, and the forecast used by alarmtool next.
//   alarm_store_bench [FOLDER]   (default: the current folder)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/alarms/alarm_db.h"
#include "core/alarms/alarm_forecast.h"
#include "core/alarms/alarm_schedule.h"
#include "core/app/tray_hint.h"
#include "core/common/date_time.h"
#include "core/common/file_io.h"
#include "full_alarm_store.h"

namespace {

using Clock = std::chrono::steady_clock;

double MedianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// What a careful copy program does: read the source in large blocks, write each to the target,
// then force the target to disk.
void DurableCopy(const std::string& from, const std::string& to) {
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    File in(std::fopen(from.c_str(), "rb"), &std::fclose);
    File out(std::fopen(to.c_str(), "wb"), &std::fclose);
    std::vector<char> block(1 << 20);
    bool ok = in && out;
    size_t n;
    while (ok && (n = std::fread(block.data(), 1, block.size(), in.get())) > 0)
        ok = std::fwrite(block.data(), 1, n, out.get()) == n;
    if (!ok || std::fflush(out.get()) != 0 || ::fsync(::fileno(out.get())) != 0) {
        std::fprintf(stderr, "copy failed\n");
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    if (folder.back() != '/')
        folder += '/';
    const std::string store = folder + "bench_alarm.sav", copy = folder + "bench_copy.sav";
    const int runs = 7;

    core::TAlarmDB full = bench::FullStore();
    full.SaveToFile(store);
    const size_t size = core::ReadWholeFile(store).size();

    core::TAlarmDB loaded;
    const double loadMs = MedianMs(runs, [&] { loaded.LoadFromFile(store); });
    const double saveMs = MedianMs(runs, [&] { loaded.SaveToFile(store); });
    const double copyMs = MedianMs(runs, [&] { DurableCopy(store, copy); });
    const double readMs = MedianMs(runs, [&] { core::ReadWholeFile(store); });

    std::printf("store: %u alarms, %zu bytes\n", unsigned(loaded.Count()), size);
    std::printf("load %.1f ms (plain read of the file %.1f ms)\n", loadMs, readMs);
    std::printf("save %.1f ms (atomic replace, forced to disk)\n", saveMs);
    std::printf("durable copy of the file %.1f ms\n", copyMs);
    std::printf("load + save / copy = %.2fx\n", (loadMs + saveMs) / copyMs);

    // The once-a-minute test of every alarm, for minutes across a day.
    size_t due = 0;
    const double day = core::EncodeDate(2026, 12, 8);
    int minute = 0;
    const double minuteMs = MedianMs(101, [&] {
        due += core::DueAlarmIndices(loaded, day + (minute++ * 14.0) / core::kMinutesPerDay).size();
    });
    std::printf("due test of %u alarms: %.2f ms per minute (%zu due in %d minutes)\n",
                unsigned(loaded.Count()), minuteMs, due, minute);

    const double forecastMs = MedianMs(5, [&] { core::NextFirings(loaded, day, 1000); });
    std::printf("next 1000 firings of the full store: %.1f ms\n", forecastMs);
    // What the clock does for its tray tip after each change and each passing alarm.
    const double tipMs = MedianMs(5, [&] { core::NextAlarmAfter(loaded, day + 0.3); });
    std::printf("next alarm for the tray tip, full store: %.1f ms\n", tipMs);

    std::remove(store.c_str());
    std::remove(copy.c_str());
    return 0;
}
