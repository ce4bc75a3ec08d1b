#pragma once
// Runs a shell command line and collects its exit status and what it printed.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace testsupport {

struct CommandResult {
    int status = -1;     // the exit status; -1 when it did not start or did not exit
    std::string output;  // standard output (and whatever the command line sends there)
};

inline CommandResult RunCommand(const std::string& commandLine) {
    CommandResult r;
    FILE* pipe = ::popen(commandLine.c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
        r.output.append(buf, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// A path in single quotes for the shell.
inline std::string ShellQuoted(const std::string& path) {
    std::string quoted = "'";
    for (char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace testsupport
