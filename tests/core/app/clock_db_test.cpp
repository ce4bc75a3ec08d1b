#include "core/app/clock_db.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace {

using core::Bytes;

std::string TempFolder() {
    return std::string(::testing::TempDir());
}

core::ClockDesign SmallDesign(const std::string& faceExt, Bytes face, Bytes sound) {
    core::ClockDesign d;
    d.Header.SetMagic(core::kDesignMagic);
    d.Header.SetClockName("Test Clock");
    d.Clock.SetFaceExt(faceExt);
    d.Clock.SetFaceSize(uint32_t(face.size()));
    d.Clock.SetAlphaValue(200);
    d.Alert.SetSoundName("chime.wav");
    d.Alert.SetSoundSize(uint32_t(sound.size()));
    d.Face = std::move(face);
    d.Sound = std::move(sound);
    return d;
}

TEST(DesignRecords, FieldsSitAtTheirStoredOffsets) {
    core::ClockRecord c;
    c.SetFaceSize(0x01020304);
    c.SetTransColor(0x00AABBCC);
    c.SetFaceLeft(-5);
    c.SetAlphaValue(220);
    c.SetCutShape(1);
    c.SetLedThick(3);
    c.SetLedOffSetY(0xBEEF);
    EXPECT_EQ(c.bytes[4], 0x04);
    EXPECT_EQ(c.bytes[7], 0x01);
    EXPECT_EQ(core::GetU32(&c.bytes[16]), 0x00AABBCCu);
    EXPECT_EQ(core::GetI32(&c.bytes[20]), -5);
    EXPECT_EQ(c.bytes[44], 220);
    EXPECT_EQ(c.bytes[45], 0);
    EXPECT_EQ(c.bytes[47], 1);
    EXPECT_EQ(core::GetU16(&c.bytes[56]), 3);
    EXPECT_EQ(core::GetU16(&c.bytes[66]), 0xBEEF);

    core::FontRecord f;
    f.SetName("Tahoma");
    f.SetSize(9);
    f.SetStyle(core::fsBold | core::fsItalic);
    core::AlertRecord a;
    a.SetHeaderFont(f);
    a.SetDurationSeconds(10);
    a.SetSoundSize(77);
    EXPECT_EQ(core::GetFixedText(&a.bytes[176 + 12], 128), "Tahoma");
    EXPECT_EQ(a.bytes[176 + 148], 3);
    EXPECT_EQ(core::GetI32(&a.bytes[332]), 10);
    EXPECT_EQ(core::GetU32(&a.bytes[392]), 77u);
    EXPECT_EQ(a.HeaderFont(), f);
    EXPECT_EQ(a.MessageFont(), core::FontRecord());

    core::DesignHeader h;
    EXPECT_TRUE(h.SetWebSite("https://example.org"));
    EXPECT_EQ(core::GetFixedText(&h.bytes[165], 64), "https://example.org");
    EXPECT_FALSE(h.SetMagic("TOOLONG")) << "a text wider than its field is reported as cut";
}

TEST(DesignRecords, TextSetterClearsOldBytesAndFullWidthTextHasNoTerminator) {
    core::ExeTrailer t;
    t.SetDesignName(std::string(32, 'n'));
    EXPECT_EQ(core::DesignFileName(t), std::string(32, 'n'));
    t.SetDesignName("a.clk");
    EXPECT_EQ(core::DesignFileName(t), "a.clk");
    EXPECT_EQ(t.bytes[32 + 6], 0) << "the tail of the old name is cleared";
}

TEST(DesignRecords, MovieFaceIsChosenByExtensionInAnyCase) {
    core::ClockRecord c;
    for (const char* ext : {".swf", ".SWF", ".Swf"}) {
        c.SetFaceExt(ext);
        EXPECT_TRUE(c.IsMovieFace()) << ext;
    }
    for (const char* ext : {".bmp", "", "swf", ".swf2"}) {
        c.SetFaceExt(ext);
        EXPECT_FALSE(c.IsMovieFace()) << ext;
    }
}

TEST(ExeTrailer, TakesTheLastSixtyFourBytes) {
    Bytes exe(100, 'x');
    core::ExeTrailer t;
    t.SetDesignName("Clock.clk");
    exe.insert(exe.end(), t.bytes.begin(), t.bytes.end());
    EXPECT_EQ(core::DesignFileName(core::TrailerFrom(exe.data(), exe.size())), "Clock.clk");
    EXPECT_THROW(core::TrailerFrom(exe.data(), 63), core::StreamError);

    const std::string path = TempFolder() + "trailer_exe.bin";
    core::WriteWholeFile(path, exe.data(), exe.size());
    EXPECT_EQ(core::ReadExeTrailer(path).DesignName(), "Clock.clk");
    core::WriteWholeFile(path, exe.data(), 10);
    EXPECT_THROW(core::ReadExeTrailer(path), core::StreamError);
    std::remove(path.c_str());
    EXPECT_THROW(core::ReadExeTrailer(path), core::FileError);
}

TEST(ClockDB, ReadsRecordsAndStreamsAndIgnoresTrailingBytes) {
    core::ClockDesign d = SmallDesign(".bmp", Bytes{1, 2, 3}, Bytes{9, 8});
    Bytes file = core::BuildDesignFile(d);
    EXPECT_EQ(file.size(), 694u + 5);
    file.push_back(0x55);
    core::TClockDB db;
    db.ReadDesignFrom(file.data(), file.size());
    EXPECT_EQ(db.Header, d.Header);
    EXPECT_EQ(db.Clock, d.Clock);
    EXPECT_EQ(db.Alert, d.Alert);
    EXPECT_EQ(db.FaceStream(), Bytes({1, 2, 3}));
    EXPECT_EQ(db.SoundStream(), Bytes({9, 8}));
}

TEST(ClockDB, WrongMagicKeepsTheHeaderAndLeavesEverythingElseZero) {
    for (const char* magic : {"ZQX", "zqm", "ZQ", ""}) {
        core::ClockDesign d = SmallDesign(".bmp", Bytes{1}, Bytes{2});
        d.Header.SetMagic(magic);
        Bytes file = core::BuildDesignFile(d);
        core::TClockDB db;
        db.ReadDesignFrom(file.data(), file.size());
        EXPECT_EQ(db.Header, d.Header) << magic;
        EXPECT_EQ(db.Clock, core::ClockRecord()) << magic;
        EXPECT_EQ(db.Alert, core::AlertRecord()) << magic;
        EXPECT_TRUE(db.FaceStream().empty());
    }
    // "ZQM" must end at the fourth byte; a following character makes another word.
    core::ClockDesign d = SmallDesign(".bmp", {}, {});
    Bytes file = core::BuildDesignFile(d);
    file[3] = 'X';
    core::TClockDB db;
    db.ReadDesignFrom(file.data(), file.size());
    EXPECT_EQ(db.Clock, core::ClockRecord());
    // The fifth byte is not part of the word.
    file[3] = 0;
    file[4] = 'Y';
    db.ReadDesignFrom(file.data(), file.size());
    EXPECT_EQ(db.Clock.AlphaValue(), 200);
}

TEST(ClockDB, ShortFilesFailWithStreamReadErrorKeepingWhatWasRead) {
    core::ClockDesign d = SmallDesign(".bmp", Bytes(10, 7), Bytes(4, 6));
    const Bytes file = core::BuildDesignFile(d);
    for (size_t cut : {size_t(0), size_t(100), size_t(229), size_t(300), size_t(693), size_t(700),
                       file.size() - 1}) {
        core::TClockDB db;
        try {
            db.ReadDesignFrom(file.data(), cut);
            ADD_FAILURE() << "no error at " << cut;
        } catch (const core::StreamError& e) {
            EXPECT_STREQ(e.what(), "Stream read error");
        }
        if (cut >= 298) {
            EXPECT_EQ(db.Clock, d.Clock) << cut;
        }
        EXPECT_EQ(db.SoundStream().size(), 0u);
    }
    core::TClockDB db;
    try {
        db.ReadDesignFrom(file.data(), 300);
    } catch (const core::StreamError&) {
    }
    EXPECT_EQ(db.Alert.bytes[0], d.Alert.bytes[0]) << "the partial alert record keeps its bytes";
}

TEST(ClockDB, LyingStreamSizesFailBeforeAnyAllocation) {
    core::ClockDesign d = SmallDesign(".bmp", {}, {});
    d.Clock.SetFaceSize(0xFFFFFFF0u);
    Bytes file = core::BuildDesignFile(d);
    core::TClockDB db;
    EXPECT_THROW(db.ReadDesignFrom(file.data(), file.size()), core::StreamError);
    EXPECT_TRUE(db.FaceStream().empty());
    EXPECT_EQ(db.FaceStream().capacity(), 0u);

    d = SmallDesign(".bmp", Bytes{1, 2}, {});
    d.Alert.SetSoundSize(0x7FFFFFFF);
    file = core::BuildDesignFile(d);
    core::TClockDB db2;
    EXPECT_THROW(db2.ReadDesignFrom(file.data(), file.size()), core::StreamError);
    EXPECT_EQ(db2.FaceStream(), Bytes({1, 2}));
    EXPECT_EQ(db2.SoundStream().capacity(), 0u);
}

TEST(ClockDB, ReadDesignFromDiskAndMissingFileChangesNothing) {
    const std::string path = TempFolder() + "design_read.clk";
    core::ClockDesign d = SmallDesign(".bmp", Bytes{5}, {});
    Bytes file = core::BuildDesignFile(d);
    core::WriteWholeFile(path, file.data(), file.size());
    core::TClockDB db;
    db.ReadDesign(path);
    EXPECT_EQ(db.Header.ClockName(), "Test Clock");

    // The same checks hold when reading the file itself.
    d.Clock.SetFaceSize(0xFFFFFFF0u);
    file = core::BuildDesignFile(d);
    core::WriteWholeFile(path, file.data(), file.size());
    core::TClockDB lying;
    EXPECT_THROW(lying.ReadDesign(path), core::StreamError);
    EXPECT_EQ(lying.FaceStream().capacity(), 0u);
    core::WriteWholeFile(path, file.data(), 500);
    core::TClockDB cut;
    EXPECT_THROW(cut.ReadDesign(path), core::StreamError);
    EXPECT_EQ(cut.Header.ClockName(), "Test Clock");

    std::remove(path.c_str());
    core::TClockDB empty;
    empty.ReadDesign(path);
    EXPECT_EQ(empty.Header, core::DesignHeader());
}

TEST(ClockDB, SaveSoundUsesOnlyTheFileNamePartOfSoundName) {
    const std::string folder = TempFolder() + "sound_dir/";
    std::filesystem::create_directories(folder);

    core::ClockDesign d = SmallDesign(".bmp", {}, Bytes{1, 2, 3});
    Bytes file = core::BuildDesignFile(d);
    core::TClockDB db;
    db.ReadDesignFrom(file.data(), file.size());
    std::string path = db.SaveSound(folder);
    EXPECT_EQ(path, folder + "chime.wav");
    EXPECT_EQ(core::ReadWholeFile(path), Bytes({1, 2, 3}));
    std::remove(path.c_str());

    db.Alert.SetSoundName("../escape.wav");
    EXPECT_EQ(db.SaveSound(folder), folder + "escape.wav");
    EXPECT_FALSE(core::FileExists(TempFolder() + "escape.wav"));
    std::remove((folder + "escape.wav").c_str());
    db.Alert.SetSoundName("C:\\Windows\\evil.wav");
    EXPECT_EQ(db.SaveSound(folder), folder + "evil.wav");
    std::remove((folder + "evil.wav").c_str());
    for (const char* unusable : {"", "..", "dir/", "."}) {
        db.Alert.SetSoundName(unusable);
        EXPECT_EQ(db.SaveSound(folder), "") << unusable;
    }

    core::TClockDB silent;
    silent.Alert.SetSoundName("chime.wav");
    EXPECT_EQ(silent.SaveSound(folder), "") << "no sound stream, no file";
    EXPECT_FALSE(core::FileExists(folder + "chime.wav"));

    db.Alert.SetSoundName("chime.wav");
    EXPECT_THROW(db.SaveSound(folder + "missing/"), core::FileError);
}

TEST(ClockDB, FaceStreamAsPictureOrMovie) {
    core::Bitmap pic(2, 2, 0x123456);
    core::ClockDesign d = SmallDesign(".bmp", core::EncodeBmp24(pic), {});
    Bytes file = core::BuildDesignFile(d);
    core::TClockDB db;
    db.ReadDesignFrom(file.data(), file.size());
    core::Bitmap out;
    db.LoadFacePicture(out);
    EXPECT_EQ(out.pixels, pic.pixels);

    const std::string folder = TempFolder();
    std::string movie = db.SaveFaceMovie(folder);
    EXPECT_EQ(movie.substr(0, folder.size()), folder);
    EXPECT_EQ(core::FileNameOf(movie), "tmp.swf");
    EXPECT_EQ(core::ReadWholeFile(movie), db.FaceStream());
    std::remove(movie.c_str());

    core::ClockDesign bad = SmallDesign(".bmp", Bytes{'G', 'I', 'F', '8'}, {});
    file = core::BuildDesignFile(bad);
    core::TClockDB db2;
    db2.ReadDesignFrom(file.data(), file.size());
    EXPECT_THROW(db2.LoadFacePicture(out), core::AppError);

    core::TClockDB none;
    core::Bitmap kept(1, 1, 7);
    none.LoadFacePicture(kept);
    EXPECT_EQ(kept.At(0, 0), 7u);
    EXPECT_EQ(none.SaveFaceMovie(folder), "");
}

}  // namespace
