// A design file from disk, the way the clock reads it: through its path, then the sound written
// beside it, the face decoded or written as the movie. Only the documented errors may come
// out; what is written must be exactly the stream that was read, inside the folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/app/clock_db.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        std::string f = std::filesystem::temp_directory_path().string() + "/design_file_fuzz_" +
                        std::to_string(::getpid()) + "/";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

void ExpectFile(const std::string& path, const core::Bytes& bytes) {
    if (path.empty())
        return;
    if (path.compare(0, Folder().size(), Folder()) != 0 ||
        path.find('/', Folder().size()) != std::string::npos)
        std::abort();  // written outside the folder
    if (core::ReadWholeFile(path) != bytes)
        std::abort();
    core::DeleteFileAt(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string design = Folder() + "design.clk";
    core::WriteWholeFile(design, data, size);
    core::TClockDB db;
    try {
        db.ReadDesign(design);
    } catch (const core::AppError&) {
        return 0;
    }
    if (db.FaceStream().size() + db.SoundStream().size() > size)
        std::abort();
    try {
        ExpectFile(db.SaveSound(Folder()), db.SoundStream());
    } catch (const core::FileError&) {
        // A sound name the file system refuses (too long, reserved) is the user's error box.
    }
    try {
        if (db.Clock.IsMovieFace()) {
            ExpectFile(db.SaveFaceMovie(Folder().substr(0, Folder().size() - 1)), db.FaceStream());
        } else {
            core::Bitmap face;
            db.LoadFacePicture(face);
            if (face.pixels.size() != size_t(face.width) * size_t(face.height))
                std::abort();
        }
    } catch (const core::AppError&) {
    }
    return 0;
}
