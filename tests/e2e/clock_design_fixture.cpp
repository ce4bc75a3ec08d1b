#include "e2e/clock_design_fixture.h"

#include "core/app/design_ini.h"

namespace e2e {

core::Bitmap CircleFace() {
    core::Bitmap face(120, 90, kMagenta);
    for (int y = 0; y < face.height; ++y)
        for (int x = 0; x < face.width; ++x) {
            const int dx = x - 60, dy = y - 45;
            if (dx * dx + dy * dy <= 40 * 40) face.Set(x, y, kFaceInk);
        }
    return face;
}

core::ClockDesign StandardDesign() {
    core::ClockDesign d;
    d.Header.SetMagic(core::kDesignMagic);
    d.Header.SetClockName("Test Clock");
    d.Header.SetAuthor("Tester");
    d.Header.SetEmail("tester@example.org");
    d.Header.SetWebSite("https://example.org/");
    d.Face = core::EncodeBmp24(CircleFace());
    d.Clock.SetFaceSize(uint32_t(d.Face.size()));
    d.Clock.SetFaceExt(".bmp");
    d.Clock.SetTransColor(kMagenta);
    d.Clock.SetFaceLeft(0);
    d.Clock.SetFaceTop(40);
    d.Clock.SetFaceWidth(120);
    d.Clock.SetFaceHeight(90);
    d.Clock.SetLedLeft(10);
    d.Clock.SetLedTop(0);
    d.Clock.SetAlphaValue(255);
    d.Clock.SetCutShape(1);
    d.Clock.SetLedBGColor(0x00400000);
    d.Clock.SetLedLightColor(0x0000FF00);
    d.Clock.SetLedThick(3);
    d.Clock.SetLedWordWidth(17);
    d.Clock.SetLedWordHeight(29);
    d.Clock.SetLedSpace(4);
    d.Clock.SetLedOffSetX(4);
    d.Clock.SetLedOffSetY(4);
    d.Sound = ShortWav();
    d.Alert.SetSoundName("chime.wav");
    d.Alert.SetSoundSize(uint32_t(d.Sound.size()));
    return d;
}

core::Bytes MovieWithBackground(uint8_t r, uint8_t g, uint8_t b) {
    // "FWS", version, file length; frame rectangle (5 bits of 0 = empty rect, padded to a
    // byte); frame rate and count; then SetBackgroundColor (code 9, length 3) and End.
    core::Bytes m = {'F', 'W', 'S', 6, 0, 0, 0, 0, 0x00, 0, 12, 1, 0};
    m.push_back(uint8_t((9 << 6) | 3));
    m.push_back(uint8_t(9 >> 2));
    m.push_back(r);
    m.push_back(g);
    m.push_back(b);
    m.push_back(0);
    m.push_back(0);
    core::PutU32(&m[4], uint32_t(m.size()));
    return m;
}

core::Bytes ShortWav() {
    const uint32_t samples = 800;
    core::Bytes w(44 + samples * 2, 0);
    auto put4 = [&](size_t at, const char* s) { std::copy(s, s + 4, w.begin() + at); };
    put4(0, "RIFF");
    core::PutU32(&w[4], uint32_t(w.size() - 8));
    put4(8, "WAVE");
    put4(12, "fmt ");
    core::PutU32(&w[16], 16);
    core::PutU16(&w[20], 1);
    core::PutU16(&w[22], 1);
    core::PutU32(&w[24], 8000);
    core::PutU32(&w[28], 16000);
    core::PutU16(&w[32], 2);
    core::PutU16(&w[34], 16);
    put4(36, "data");
    core::PutU32(&w[40], samples * 2);
    for (uint32_t i = 0; i < samples; ++i)
        core::PutU16(&w[44 + 2 * i], uint16_t((i / 10) % 2 ? 6000 : -6000));
    return w;
}

ClockSetup::ClockSetup(const core::ClockDesign& design, const std::string& designName,
                       const std::string& exeName, bool writeDesign) {
    exe = folder / exeName;
    const auto player = ReadBytes(BinFolder() + "clock.exe");
    const auto stamped = core::StampPlayer(core::Bytes(player.begin(), player.end()), designName);
    WriteBytes(exe, std::vector<unsigned char>(stamped.begin(), stamped.end()));
    if (writeDesign) {
        const auto file = core::BuildDesignFile(design);
        WriteBytes(folder / designName, std::vector<unsigned char>(file.begin(), file.end()));
    }
}

}  // namespace e2e
