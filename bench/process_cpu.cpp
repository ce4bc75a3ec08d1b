// CPU time used so far by running processes, in milliseconds with microsecond precision: the
// Linux side of the start-up benchmark, where Wine's own figures step by 10 ms.
//   process_cpu PID...
#include <time.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: process_cpu PID...\n");
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        clockid_t clock;
        timespec t;
        if (clock_getcpuclockid(std::atoi(argv[i]), &clock) != 0 || clock_gettime(clock, &t) != 0) {
            std::fprintf(stderr, "process_cpu: no process %s\n", argv[i]);
            status = 1;
            continue;
        }
        std::printf("%s %.3f\n", argv[i], double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6);
    }
    return status;
}
