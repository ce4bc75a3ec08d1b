#pragma once
// skinpack's commands. Each command file registers its commands at start-up, so a new
// command is a new file:
//   static const bool registered = RegisterCommand({"name", "ARGS", "what it does", 1, Run});
#include <string>
#include <vector>

#include "core/common/bytes.h"

namespace skinpack {

// Bad input or a failed step; main prints the text and exits with status 2.
struct CommandError {
    std::string text;
};

struct Command {
    const char* name;
    const char* arguments;  // for the usage text, e.g. "DIR OUTPUT"
    const char* summary;
    size_t argumentCount;
    // Gets the arguments after the command name; returns the exit status. May throw
    // CommandError or core::AppError.
    int (*run)(const std::vector<std::string>& args);
};

bool RegisterCommand(const Command& command);

// The archive of the skin file at `skinPath`, read within the format's bounds; a file too large,
// too short, declaring too much or cut short is refused with its name and the reason.
core::Bytes DecodeWhole(const std::string& skinPath);
// Registered commands, sorted by name.
std::vector<Command> Commands();

}  // namespace skinpack
