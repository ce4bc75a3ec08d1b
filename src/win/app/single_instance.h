#pragma once
// One clock per folder. Two clocks of one folder (auto-run plus a double click) would each keep
// their own copy of the alarm file and write it over the other's changes, so a second start
// shows the running clock and ends.
#include <windows.h>

#include <string>

namespace app {

class TSingleClock {
  public:
    // Claims `exeFolder` for this process; First() is false when a clock of that folder runs.
    explicit TSingleClock(const std::string& exeFolder);
    ~TSingleClock();
    TSingleClock(const TSingleClock&) = delete;
    TSingleClock& operator=(const TSingleClock&) = delete;

    bool First() const { return first_; }

  private:
    HANDLE mutex_ = nullptr;
    bool first_ = true;
};

// The name of the folder's claim: case and separators do not make two folders of one.
std::string ClockMutexName(const std::string& exeFolder);

// Asks the clock running from `exeFolder` to show itself; false when none has a window yet.
bool ShowRunningClock(const std::string& exeFolder);

// Posted to a running clock window by a second start: show yourself.
UINT ShowClockMessage();

}  // namespace app
