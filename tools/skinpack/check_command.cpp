// check: reads a skin file the way the clock does and prints what its definitions amount to,
// in ini form, so that a skin author can see every value after defaults and fix-ups.
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "core/common/file_io.h"
#include "core/skin/skin_data.h"

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

int Check(const std::vector<std::string>& args) {
    std::string refusal;
    core::SkinEnvironment env;
    env.showMessage = [&](const std::string& text) { refusal = text; };
    core::TSkinData skin(env);
    skin.SetSkinFileBytes(core::ReadWholeFile(args[0]));
    skin.LoadSkinFromStream();
    if (skin.NoSkin()) {
        for (char& c : refusal)
            if (c == '\r')
                c = ' ';
        throw CommandError{"\"" + args[0] + "\" is not a readable skin" +
                           (refusal.empty() ? std::string() : ": " + refusal)};
    }

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
