#include "core/skin/skin_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/common/errors.h"
#include "core/skin/codec_test_data.h"
#include "core/skin/skin_archive.h"
#include "core/skin/skin_file.h"

namespace {

using core::Bytes;

Bytes B(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

std::vector<core::SkinArchiveEntry> SampleEntries() {
    return {{"Skin.INI", B("[TitlebarSkin]\r\nSkinName=Test\r\n")},
            {"Top.bmp", codec_test::Bitmap(40, 20, 1)},
            {"empty.bmp", Bytes{}},
            {"Button.BMP", codec_test::Bitmap(30, 10, 2)},
            {"second.ini", B("[x]")}};
}

// A hand-made archive: version, name list, then sizes and data exactly as given.
Bytes RawArchive(const std::string& names,
                 const std::vector<uint32_t>& sizes,
                 const Bytes& data,
                 uint32_t version = core::kSkinArchiveVersion) {
    Bytes a(16 + names.size() + 4 * sizes.size() + data.size(), 0);
    core::PutU32(&a[0], version);
    core::PutU32(&a[4], uint32_t(names.size()));
    uint8_t* p = std::copy(names.begin(), names.end(), a.data() + 16);
    for (uint32_t s : sizes) {
        core::PutU32(p, s);
        p += 4;
    }
    std::copy(data.begin(), data.end(), p);
    return a;
}

TEST(SkinArchive, BuildWritesTheDirectoryTheReaderExpects) {
    Bytes a = core::BuildSkinArchive({{"a.ini", B("xy")}, {"b.bmp", B("z")}});
    EXPECT_EQ(a, RawArchive("a.ini\r\nb.bmp", {2, 1}, B("xyz")));
    EXPECT_THROW(core::BuildSkinArchive({{"two\r\nlines", B("x")}}), core::AppError);
    EXPECT_THROW(core::BuildSkinArchive({{"a", B("x")}, {"", B("y")}}), core::AppError);
}

TEST(SkinReader, OpensASkinFileAndHandsOutEntriesByName) {
    auto entries = SampleEntries();
    Bytes file = core::EncodeSkinFile(core::BuildSkinArchive(entries));
    int messages = 0;
    core::TSkinReader reader([&](const std::string&) { ++messages; });
    ASSERT_TRUE(reader.Open(file));
    EXPECT_EQ(messages, 0);
    EXPECT_FALSE(reader.Overrun());
    EXPECT_EQ(reader.EntryCount(), 5u);
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "top.bmp", "empty.bmp",
                                                        "button.bmp", "second.ini"}));
    Bytes out = {1, 2, 3};
    EXPECT_TRUE(reader.GetEntry("TOP.bmp", out));
    EXPECT_EQ(out, entries[1].data);
    EXPECT_TRUE(reader.GetEntry("button.bmp", out));
    EXPECT_EQ(out, entries[3].data);
    EXPECT_TRUE(reader.GetEntry("Empty.bmp", out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(reader.GetEntry("missing.bmp", out));
    EXPECT_TRUE(out.empty()) << "a missing entry leaves the output empty";

    std::string found;
    EXPECT_TRUE(reader.FindEntry(".ini", out, found));
    EXPECT_EQ(found, "skin.ini") << "the first name containing the fragment";
    EXPECT_EQ(out, entries[0].data);
    EXPECT_FALSE(reader.FindEntry(".INI", out, found)) << "fragments compare exactly";
    EXPECT_EQ(found, "");
    EXPECT_TRUE(out.empty());
}

TEST(SkinReader, AnotherVersionShowsTheMessageAndIsRefused) {
    std::vector<std::string> shown;
    core::TSkinReader reader([&](const std::string& m) { shown.push_back(m); });
    Bytes old = RawArchive("a.ini", {1}, B("x"), 10000);
    EXPECT_FALSE(reader.Open(core::EncodeSkinFile(old)));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.EntryCount(), 0u);
    // Without a message seam the refusal is silent.
    EXPECT_FALSE(core::TSkinReader().OpenArchive(old));
}

TEST(SkinReader, NameListsSplitAtLineBreaksWithAnOptionalTrailingOne) {
    core::TSkinReader reader;
    ASSERT_TRUE(reader.OpenArchive(RawArchive("a.ini\r\nB.bmp\r\n", {1, 2}, B("xyz"))));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.ini", "b.bmp"}));
    ASSERT_TRUE(reader.OpenArchive(RawArchive("only.ini", {3}, B("xyz"))));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"only.ini"}));
    ASSERT_TRUE(reader.OpenArchive(RawArchive("a\nb\rc", {1, 1, 1}, B("xyz"))));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_TRUE(reader.OpenArchive(RawArchive("", {}, Bytes{})));
    EXPECT_EQ(reader.EntryCount(), 0u);
    // Bytes after the last entry are not part of any entry.
    ASSERT_TRUE(reader.OpenArchive(RawArchive("a", {1}, B("xtrailing"))));
    Bytes out;
    EXPECT_TRUE(reader.GetEntry("a", out));
    EXPECT_EQ(out, B("x"));
}

TEST(SkinReader, DirectoriesThatDoNotFitAreRefusedWithoutReadingPastTheEnd) {
    core::TSkinReader reader;
    Bytes good = RawArchive("a.ini\r\nb.bmp", {2, 1}, B("xyz"));
    ASSERT_TRUE(reader.OpenArchive(good));

    Bytes shortHeader(good.begin(), good.begin() + 10);
    EXPECT_FALSE(reader.OpenArchive(shortHeader));
    EXPECT_EQ(reader.EntryCount(), 0u) << "a refused archive leaves no entries from before";

    Bytes listPastEnd = good;
    core::PutU32(&listPastEnd[4], 0xFFFFFFF0u);
    EXPECT_FALSE(reader.OpenArchive(listPastEnd));

    // Many names but no room for their sizes.
    std::string many;
    for (int i = 0; i < 5000; ++i)
        many += "n\r\n";
    EXPECT_FALSE(reader.OpenArchive(RawArchive(many, {}, Bytes{})));

    EXPECT_FALSE(reader.OpenArchive(RawArchive("a\r\nb", {2, 2}, B("xyz"))));
    // Sizes whose sum wraps a 32-bit count must not pass as small.
    EXPECT_FALSE(reader.OpenArchive(RawArchive("a\r\nb", {0xFFFFFFFFu, 2}, B("xyz"))));
    // Every cut of a good archive is either refused or within bounds.
    for (size_t n = 0; n < good.size(); ++n) {
        EXPECT_FALSE(reader.OpenArchive(Bytes(good.begin(), good.begin() + n))) << n;
    }
}

TEST(SkinReader, BadSkinFilesAreRefused) {
    core::TSkinReader reader;
    EXPECT_FALSE(reader.Open(Bytes{1, 2}));
    EXPECT_FALSE(reader.Open(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00})) << "length beyond the limit";
    Bytes file = core::EncodeSkinFile(core::BuildSkinArchive(SampleEntries()));
    // Garbage in the bit stream decodes to garbage: an archive of another version or one
    // whose directory does not fit; it must not be taken.
    Bytes garbled = file;
    for (size_t i = 4; i < garbled.size(); i += 3)
        garbled[i] ^= 0x5A;
    EXPECT_FALSE(reader.Open(garbled));

    // Cut inside the last entry: the directory still fits, so the skin opens, and says the
    // file ran short.
    Bytes cut(file.begin(), file.end() - 3);
    ASSERT_TRUE(reader.Open(cut));
    EXPECT_TRUE(reader.Overrun());
    EXPECT_EQ(reader.EntryCount(), 5u);
}

}  // namespace
