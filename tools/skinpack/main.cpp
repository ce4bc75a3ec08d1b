// skinpack: makes skin files from a folder of skin sources and takes them apart again.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "core/common/errors.h"

namespace skinpack {

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}
}  // namespace

bool RegisterCommand(const Command& command) {
    Registry().push_back(command);
    return true;
}

std::vector<Command> Commands() {
    std::vector<Command> sorted = Registry();
    std::sort(sorted.begin(), sorted.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    return sorted;
}

}  // namespace skinpack

namespace {

constexpr int kBadInput = 2;

int Usage() {
    std::fprintf(stderr, "usage:\n");
    for (const skinpack::Command& c : skinpack::Commands()) {
        std::fprintf(stderr, "  skinpack %s %s\n      %s\n", c.name, c.arguments, c.summary);
    }
    return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string name = argv[1];
    for (const skinpack::Command& c : skinpack::Commands()) {
        if (name != c.name)
            continue;
        std::vector<std::string> args(argv + 2, argv + argc);
        if (args.size() != c.argumentCount) {
            std::fprintf(stderr, "skinpack %s: expected %s\n", c.name, c.arguments);
            return kBadInput;
        }
        try {
            return c.run(args);
        } catch (const skinpack::CommandError& e) {
            std::fprintf(stderr, "skinpack %s: %s\n", c.name, e.text.c_str());
        } catch (const core::AppError& e) {
            std::fprintf(stderr, "skinpack %s: %s\n", c.name, e.what());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "skinpack %s: %s\n", c.name, e.what());
        }
        return kBadInput;
    }
    std::fprintf(stderr, "skinpack: unknown command \"%s\"\n", name.c_str());
    return Usage();
}
