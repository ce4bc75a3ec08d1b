// check: reads a skin file the way the clock does and prints what its definitions amount to,
// in ini form, so that a skin author can see every value after defaults and fix-ups.
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "core/common/bitmap.h"
#include "core/common/errors.h"
#include "core/common/file_io.h"
#include "core/skin/quick_ini.h"
#include "core/skin/skin_data.h"
#include "core/skin/skin_file.h"
#include "core/skin/skin_reader.h"

namespace skinpack {

namespace {

std::string ColourText(core::TSkinColor c) {
    if (core::IsSystemColour(c))
        return "system " + std::to_string(core::SystemColourIndexOf(c));
    const uint32_t v = uint32_t(c);
    return std::to_string(core::RedOf(v)) + " " + std::to_string(core::GreenOf(v)) + " " +
           std::to_string(core::BlueOf(v));
}

void Key(const char* name, long value) {
    std::printf("%s=%ld\n", name, value);
}

void PrintObject(const core::TDataSkinObject& o) {
    std::printf("\n[%s]\n", o.Name.c_str());
    Key("Width", o.Picture.width);
    Key("Height", o.Picture.height);
    Key("Frame", o.FrameCount);
    Key("LeftWidth", o.LeftWidth);
    Key("TopHeight", o.TopHeight);
    Key("RightWidth", o.RightWidth);
    Key("BottomHeight", o.BottomHeight);
    Key("Trans", o.Trans);
    Key("Tile", o.Tile);
    Key("Style", o.Style);
}

// Every picture the definitions name must be in the archive and decode: the clock would draw
// a missing or broken one as nothing, which is what a skin author needs to hear about.
std::vector<std::string> PictureProblems(const core::TSkinReader& reader) {
    core::Bytes text;
    std::string iniName;
    std::vector<std::string> problems;
    if (!reader.FindEntry(".ini", text, iniName))
        return {"the archive holds no .ini definition"};
    core::TQuickIni ini;
    ini.Load(text);
    std::string section;
    for (const std::string& raw : ini.Lines()) {
        const std::string line = core::TrimIniText(raw);
        if (!line.empty() && line[0] == '[') {
            section = line;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos || line[0] == ';')
            continue;
        const std::string value = core::TrimIniText(line.substr(eq + 1));
        if (value.size() < 4 || core::LowerAscii(value.substr(value.size() - 4)) != ".bmp")
            continue;
        const std::string where =
            section + " " + core::TrimIniText(line.substr(0, eq)) + "=" + value + ": ";
        core::Bytes picture;
        if (!reader.GetEntry(value, picture)) {
            problems.push_back(where + "no such entry in the archive");
            continue;
        }
        try {
            const core::Bitmap b = core::DecodeBmp(picture);
            if (b.Empty())
                problems.push_back(where + "the picture is empty");
        } catch (const core::AppError& e) {
            problems.push_back(where + e.what());
        }
    }
    return problems;
}

int Check(const std::vector<std::string>& args) {
    const core::Bytes archive = DecodeWhole(args[0]);
    core::TSkinReader reader;
    if (!reader.OpenArchive(archive))
        throw CommandError{"\"" + args[0] + "\" is not a readable skin: " + reader.Refusal()};
    const std::vector<std::string> problems = PictureProblems(reader);
    if (!problems.empty()) {
        for (const std::string& p : problems)
            std::fprintf(stderr, "skinpack check: \"%s\": %s\n", args[0].c_str(), p.c_str());
        throw CommandError{"\"" + args[0] + "\" has " + std::to_string(problems.size()) +
                           " broken picture reference(s)"};
    }
    core::TSkinData skin;
    skin.SetSkinFileBytes(core::ReadWholeFile(args[0], core::kMaxSkinFileSize, "skin file"));
    skin.LoadSkinFromStream();

    std::printf("[Skin]\nSkinName=%s\n", skin.SkinName().c_str());
    for (int i = 0; i < 4; ++i)
        PrintObject(skin.Border(i));
    PrintObject(skin.Title());
    PrintObject(skin.ButtonDef());
    for (const auto& o : skin.Objects())
        PrintObject(*o);

    std::printf("\n[Colours]\n");
    for (int k = 0; k < core::kSkinColourCount; ++k)
        std::printf("%s=%s\n", core::SkinColourKeyName(k), ColourText(skin.Colour(k)).c_str());

    int index = 0;
    for (const auto& b : skin.CaptionButtons()) {
        std::printf("\n[Button %d]\nName=%s\n", index++, b->Name.c_str());
        Key("Action", b->Action);
        Key("Align", b->Align);
        Key("Xcoord", b->XCoord);
        Key("Ycoord", b->YCoord);
        Key("Visibility", b->Visibility);
        Key("Visibility1", b->Visibility1);
        Key("CombineOp", b->CombineOp);
        Key("Frame", b->FrameCount);
        Key("Width", b->Picture.width);
        Key("Height", b->Picture.height);
    }
    return 0;
}

const bool registered = RegisterCommand(
    {"check", "SKIN", "print the definitions of a skin file as the clock reads them", 1, Check});

}  // namespace

}  // namespace skinpack
