// stream: wraps a skin file into the stored SkinStream value (4-byte length, then the file),
// the form in which the clock carries its default skin as a resource.
#include <string>
#include <vector>

#include "commands.h"
#include "core/common/file_io.h"
#include "core/skin/skin_file.h"

namespace skinpack {

namespace {

int Stream(const std::vector<std::string>& args) {
    const core::Bytes skinFile = core::ReadWholeFile(args[0]);
    // An empty value would silently mean "no skin" to the clock.
    if (skinFile.empty())
        throw CommandError{"\"" + args[0] + "\" is empty"};
    const core::Bytes value = core::WriteSkinStreamValue(skinFile);
    core::WriteFileAtomic(args[1], value.data(), value.size());
    return 0;
}

const bool registered =
    RegisterCommand({"stream", "SKIN OUTPUT",
                     "write the stored SkinStream value that carries a skin file", 2, Stream});

}  // namespace

}  // namespace skinpack
