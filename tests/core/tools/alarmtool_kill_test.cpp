// alarmtool killed at a random moment while it adds to a large store, round after round: every
// round leaves a store that loads and holds the old or the new count, and no temporary outlives
// the next save that completes. KILL_ROUNDS sets the number of rounds (bench/kill_rounds.sh
// runs 1,000); the figures go to standard output.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "../alarms/alarm_test_files.h"
#include "core/alarms/alarm_db.h"
#include "core/common/errors.h"

namespace {

using Clock = std::chrono::steady_clock;

// Starts `alarmtool add` on `path`; kills it after `delay` unless it ended before. Returns
// true when it ran to its end (status 0).
bool AddAndMaybeKill(const std::string& path, std::chrono::microseconds delay) {
    const std::string tool = std::string(TOOLS_BIN_DIR) + "/alarmtool";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(tool.c_str(), "alarmtool", "add", path.c_str(), "--type", "daily", "--time",
                "07:00", "--title", "round", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto until = Clock::now() + delay;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (Clock::now() >= until)
            break;
        ::usleep(200);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);  // reaped: a dead writer's temporary is then fair game
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(AlarmToolKill, EveryRoundLeavesAWholeStoreAndNoTemporaryOutlivesTheNextSave) {
    const char* env = std::getenv("KILL_ROUNDS");
    const int rounds = env ? std::atoi(env) : 200;
    alarm_test::TempFile file;
    core::TAlarmDB db;
    db.InitDefaults();
    for (int i = 0; i < 5000; ++i)
        db.AddAlarm(alarm_test::MakeAlarm(1, i / 60 % 24, i % 60, "alarm " + std::to_string(i)));
    db.SaveToFile(file.path());

    // One whole run sets the range of the random delays: from at once to a little past it.
    const auto start = Clock::now();
    ASSERT_TRUE(AddAndMaybeKill(file.path(), std::chrono::seconds(30)));
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    unsigned count = 5001;
    std::mt19937 random(20261209);
    std::uniform_int_distribution<long> delay(0, whole.count() * 6 / 5);
    int completed = 0, grew = 0, leftAfterKill = 0;
    for (int round = 0; round < rounds; ++round) {
        const bool ran = AddAndMaybeKill(file.path(), std::chrono::microseconds(delay(random)));
        core::TAlarmDB now;
        try {
            now.LoadFromFile(file.path());
        } catch (const core::AppError& e) {
            FAIL() << "round " << round << ": " << e.what();
        }
        ASSERT_FALSE(now.ForeignFile()) << "round " << round;
        ASSERT_TRUE(now.Count() == count || now.Count() == count + 1)
            << "round " << round << ": " << now.Count() << " alarms, had " << count;
        grew += now.Count() != count;
        count = now.Count();
        const size_t temporaries = file.Temporaries().size();
        if (ran) {
            ++completed;
            ASSERT_EQ(temporaries, 0u) << "round " << round << ": a save left a temporary";
            ASSERT_EQ(count, unsigned(now.Count()));
        } else {
            leftAfterKill += temporaries > 0;
        }
    }
    ASSERT_TRUE(AddAndMaybeKill(file.path(), std::chrono::seconds(30)));
    EXPECT_TRUE(file.Temporaries().empty());
    std::printf(
        "kill rounds: %d, whole run %.1f ms, completed %d, killed %d (store grew in %d of "
        "them), killed with a temporary left %d, torn stores 0, alarms at the end %u\n",
        rounds, whole.count() / 1000.0, completed, rounds - completed, grew - completed,
        leftAfterKill, count + 1);
}

}  // namespace
