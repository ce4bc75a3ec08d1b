#include "core/app/design_ini.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>

#include "core/app/clock_db.h"
#include "core/common/file_io.h"
#include "core/common/text.h"

namespace core {

namespace {

enum class Kind { kText, kU8, kU16, kU32, kI32, kColor, kEnum, kStyle, kFile };
enum class Rec { kHeader, kClock, kAlert, kMessageFont, kHeaderFont };

struct Field {
    const char* key;
    size_t offset;
    Kind kind;
    size_t width = 0;                    // texts: field width
    const char* const* names = nullptr;  // enumerations: value names from 0
    size_t nameCount = 0;
};

struct Section {
    const char* name;
    Rec rec;
    const Field* fields;
    size_t count;
};

const char* const kAlertStyleNames[] = {"asFade", "asCenterGrow"};
const char* const kPositionNames[] = {
    "dapTopLeft",        "dapTopRight",        "dapBottomLeft",
    "dapBottomRight",    "dapCustom",          "dapDesktopCenter",
    "dapMainFormCenter", "dapOwnerFormCenter", "dapActiveFormCenter"};
const char* const kPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};
const char* const kStyleNames[] = {"bold", "italic", "underline", "strikeout"};

namespace hf = header_field;
namespace cf = clock_field;
namespace af = alert_field;
namespace ff = font_field;

const Field kHeaderFields[] = {
    {"Magic", hf::kMagic, Kind::kText, hf::kMagicWidth},
    {"ClockName", hf::kClockName, Kind::kText, hf::kClockNameWidth},
    {"Author", hf::kAuthor, Kind::kText, hf::kAuthorWidth},
    {"Email", hf::kEmail, Kind::kText, hf::kEmailWidth},
    {"WebSite", hf::kWebSite, Kind::kText, hf::kWebSiteWidth},
};

const Field kClockFields[] = {
    {"Face", 0, Kind::kFile},
    {"FaceSize", cf::kFaceSize, Kind::kU32},
    {"FaceExt", cf::kFaceExt, Kind::kText, cf::kFaceExtWidth},
    {"TransColor", cf::kTransColor, Kind::kColor},
    {"FaceLeft", cf::kFaceLeft, Kind::kI32},
    {"FaceTop", cf::kFaceTop, Kind::kI32},
    {"FaceWidth", cf::kFaceWidth, Kind::kI32},
    {"FaceHeight", cf::kFaceHeight, Kind::kI32},
    {"LedLeft", cf::kLedLeft, Kind::kI32},
    {"LedTop", cf::kLedTop, Kind::kI32},
    {"AlphaValue", cf::kAlphaValue, Kind::kU8},
    {"LedHidden", cf::kLedHidden, Kind::kU8},
    {"CutShape", cf::kCutShape, Kind::kU8},
    {"LedBGColor", cf::kLedBGColor, Kind::kColor},
    {"LedLightColor", cf::kLedLightColor, Kind::kColor},
    {"LedThick", cf::kLedThick, Kind::kU16},
    {"LedWordWidth", cf::kLedWordWidth, Kind::kU16},
    {"LedWordHeight", cf::kLedWordHeight, Kind::kU16},
    {"LedSpace", cf::kLedSpace, Kind::kU16},
    {"LedOffSetX", cf::kLedOffSetX, Kind::kU16},
    {"LedOffSetY", cf::kLedOffSetY, Kind::kU16},
};

const Field kAlertFields[] = {
    {"AlertStyle", af::kAlertStyle, Kind::kEnum, 0, kAlertStyleNames, 2},
    {"CaptionFrom", af::kCaptionFrom, Kind::kColor},
    {"CaptionTo", af::kCaptionTo, Kind::kColor},
    {"WindowFrom", af::kWindowFrom, Kind::kColor},
    {"WindowTo", af::kWindowTo, Kind::kColor},
    {"UseDuration", af::kUseDuration, Kind::kU8},
    {"DurationSeconds", af::kDurationSeconds, Kind::kI32},
    {"AlertPosition", af::kAlertPosition, Kind::kEnum, 0, kPositionNames, 9},
    {"AlertLeft", af::kAlertLeft, Kind::kI32},
    {"AlertTop", af::kAlertTop, Kind::kI32},
    {"AlertWidth", af::kAlertWidth, Kind::kI32},
    {"AlertHeight", af::kAlertHeight, Kind::kI32},
    {"Sound", 0, Kind::kFile},
    {"SoundSize", af::kSoundSize, Kind::kU32},
    {"SoundName", af::kSoundName, Kind::kText, af::kSoundNameWidth},
};

const Field kFontFields[] = {
    {"Name", ff::kName, Kind::kText, ff::kNameWidth},
    {"Size", ff::kSize, Kind::kI32},
    {"Height", ff::kHeight, Kind::kI32},
    {"Style", ff::kStyle, Kind::kStyle},
    {"Color", ff::kColor, Kind::kColor},
    {"Charset", ff::kCharset, Kind::kU8},
    {"Pitch", ff::kPitch, Kind::kEnum, 0, kPitchNames, 3},
};

template <size_t N>
constexpr size_t CountOf(const Field (&)[N]) {
    return N;
}

const Section kSections[] = {
    {"Header", Rec::kHeader, kHeaderFields, CountOf(kHeaderFields)},
    {"Clock", Rec::kClock, kClockFields, CountOf(kClockFields)},
    {"Alert", Rec::kAlert, kAlertFields, CountOf(kAlertFields)},
    {"MessageFont", Rec::kMessageFont, kFontFields, CountOf(kFontFields)},
    {"HeaderFont", Rec::kHeaderFont, kFontFields, CountOf(kFontFields)},
};

uint8_t* RecordBase(ClockDesign& d, Rec rec) {
    switch (rec) {
        case Rec::kHeader:
            return d.Header.data();
        case Rec::kClock:
            return d.Clock.data();
        case Rec::kAlert:
            return d.Alert.data();
        case Rec::kMessageFont:
            return d.Alert.data() + af::kMessageFont;
        case Rec::kHeaderFont:
            return d.Alert.data() + af::kHeaderFont;
    }
    return nullptr;
}

const uint8_t* RecordBase(const ClockDesign& d, Rec rec) {
    return RecordBase(const_cast<ClockDesign&>(d), rec);
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool EqualsNoCase(const std::string& a, const char* b) {
    size_t n = std::char_traits<char>::length(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i]))
            return false;
    return true;
}

// Texts that would not survive as a bare ini value are written in double quotes with escapes.
bool NeedsQuotes(const std::string& s) {
    if (s.empty())
        return false;
    if (s.front() == ' ' || s.front() == '\t' || s.back() == ' ' || s.back() == '\t')
        return true;
    if (s.front() == '"')
        return true;
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::string QuoteText(const std::string& s) {
    if (!NeedsQuotes(s))
        return s;
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c == 0x7F) {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

// Returns false on a malformed quoted value.
bool UnquoteText(const std::string& value, std::string& out) {
    if (value.empty() || value.front() != '"') {
        out = value;
        return true;
    }
    if (value.size() < 2 || value.back() != '"')
        return false;
    out.clear();
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        char c = value[i];
        if (c != '\\') {
            if (c == '"')
                return false;
            out += c;
            continue;
        }
        if (++i + 1 >= value.size())
            return false;
        char e = value[i];
        if (e == '\\' || e == '"') {
            out += e;
        } else if (e == 'x' && i + 3 < value.size() && HexDigit(value[i + 1]) >= 0 &&
                   HexDigit(value[i + 2]) >= 0) {
            out += char(HexDigit(value[i + 1]) * 16 + HexDigit(value[i + 2]));
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

bool ParseInteger(const std::string& s, int64_t& v) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    if (i == s.size() || s.size() - i > 12)
        return false;
    v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        v = v * 10 + (s[i] - '0');
    }
    if (negative)
        v = -v;
    return true;
}

std::string StyleText(uint8_t style) {
    if (style & 0xF0)
        return std::to_string(style);
    std::string out;
    for (int bit = 0; bit < 4; ++bit) {
        if (!(style & (1 << bit)))
            continue;
        if (!out.empty())
            out += ' ';
        out += kStyleNames[bit];
    }
    return out;
}

// Stream sizes are stored in 32 bits.
bool FitsU32(uint64_t v) {
    return v <= 0xFFFFFFFFull;
}

bool IsAbsolutePath(const std::string& p) {
    return (!p.empty() && (p[0] == '/' || p[0] == '\\')) || (p.size() > 1 && p[1] == ':');
}

// Everything the parser knows about one ini source while it reads it.
class IniReader {
  public:
    IniReader(const std::string& iniPath) : path_(iniPath), folder_(FolderOf(iniPath)) {
        design_.Header.SetMagic(kDesignMagic);
    }

    ClockDesign Parse(const std::string& text) {
        // Editors such as Notepad may start the file with a UTF-8 byte order mark.
        const bool bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
        std::istringstream in(bom ? text.substr(3) : text);
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            if (!raw.empty() && raw.back() == '\r')
                raw.pop_back();
            ParseLine(Trim(raw));
        }
        Finish();
        return design_;
    }

  private:
    struct Seen {
        int line = 0;
        std::string value;
    };

    [[noreturn]] void Fail(const std::string& what) const {
        throw DesignIniError(path_ + ":" + std::to_string(line_) + ": " + what);
    }
    [[noreturn]] void FailKey(const std::string& key, const std::string& what) const {
        Fail("[" + std::string(section_ ? section_->name : "") + "] " + key + ": " + what);
    }

    void ParseLine(const std::string& line) {
        if (line.empty() || line[0] == ';' || line[0] == '#')
            return;
        if (line[0] == '[') {
            if (line.back() != ']')
                Fail("section line without its closing ']'");
            std::string name = Trim(line.substr(1, line.size() - 2));
            section_ = nullptr;
            for (const Section& s : kSections)
                if (name == s.name)
                    section_ = &s;
            if (!section_)
                Fail("unknown section [" + name + "]");
            return;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            Fail("expected key=value, a [section] or a comment");
        std::string key = Trim(line.substr(0, eq));
        std::string value = Trim(line.substr(eq + 1));
        if (!section_)
            Fail(key + ": key outside any section");
        const Field* field = nullptr;
        for (size_t i = 0; i < section_->count; ++i)
            if (key == section_->fields[i].key)
                field = &section_->fields[i];
        if (!field)
            FailKey(key, "unknown key");
        std::string id = std::string(section_->name) + "." + key;
        auto it = seen_.find(id);
        if (it != seen_.end())
            FailKey(key, "given twice (first on line " + std::to_string(it->second.line) + ")");
        seen_[id] = Seen{line_, value};
        Store(*field, key, value);
    }

    void Store(const Field& f, const std::string& key, const std::string& value) {
        uint8_t* base = RecordBase(design_, section_->rec);
        switch (f.kind) {
            case Kind::kText: {
                std::string text;
                if (!UnquoteText(value, text))
                    FailKey(key, "malformed quoted text");
                if (text.size() > f.width)
                    FailKey(key, "text of " + std::to_string(text.size()) +
                                     " characters is longer than its field of " +
                                     std::to_string(f.width));
                std::fill(base + f.offset, base + f.offset + f.width, uint8_t(0));
                PutFixedText(base + f.offset, f.width, text);
                break;
            }
            case Kind::kU8:
                base[f.offset] = uint8_t(Number(key, value, 0, 255));
                break;
            case Kind::kU16:
                PutU16(base + f.offset, uint16_t(Number(key, value, 0, 65535)));
                break;
            case Kind::kU32:
                PutU32(base + f.offset, uint32_t(Number(key, value, 0, 4294967295LL)));
                break;
            case Kind::kI32:
                PutI32(base + f.offset, int32_t(Number(key, value, -2147483648LL, 2147483647LL)));
                break;
            case Kind::kColor: {
                uint32_t c;
                if (!ParseColor(value, c))
                    FailKey(key, "\"" + value + "\" is not a colour #RRGGBB");
                PutU32(base + f.offset, c);
                break;
            }
            case Kind::kEnum: {
                for (size_t i = 0; i < f.nameCount; ++i) {
                    if (EqualsNoCase(value, f.names[i])) {
                        base[f.offset] = uint8_t(i);
                        return;
                    }
                }
                int64_t n;
                if (!ParseInteger(value, n)) {
                    std::string names;
                    for (size_t i = 0; i < f.nameCount; ++i)
                        names += (i ? ", " : "") + std::string(f.names[i]);
                    FailKey(key, "\"" + value + "\" is neither a number nor one of " + names);
                }
                base[f.offset] = uint8_t(Number(key, value, 0, 255));
                break;
            }
            case Kind::kStyle:
                base[f.offset] = Style(key, value);
                break;
            case Kind::kFile:
                LoadFile(key, value);
                break;
        }
    }

    int64_t Number(const std::string& key, const std::string& value, int64_t lo, int64_t hi) {
        int64_t v;
        if (!ParseInteger(value, v))
            FailKey(key, "\"" + value + "\" is not a number");
        if (v < lo || v > hi)
            FailKey(key, "value " + value + " is out of range " + std::to_string(lo) + ".." +
                             std::to_string(hi));
        return v;
    }

    uint8_t Style(const std::string& key, const std::string& value) {
        int64_t n;
        if (ParseInteger(value, n))
            return uint8_t(Number(key, value, 0, 255));
        std::string words = value;
        std::replace(words.begin(), words.end(), ',', ' ');
        std::istringstream in(words);
        std::string word;
        uint8_t style = 0;
        while (in >> word) {
            bool known = false;
            for (int bit = 0; bit < 4; ++bit) {
                if (EqualsNoCase(word, kStyleNames[bit])) {
                    style |= uint8_t(1 << bit);
                    known = true;
                }
            }
            if (!known)
                FailKey(key, "unknown style \"" + word + "\"");
        }
        return style;
    }

    void LoadFile(const std::string& key, const std::string& value) {
        std::string name;
        if (!UnquoteText(value, name) || name.empty())
            FailKey(key, "no file named");
        std::string path = IsAbsolutePath(name) ? name : folder_ + name;
        Bytes data;
        try {
            data = ReadWholeFile(path);
        } catch (const AppError& e) {
            FailKey(key, e.what());
        }
        if (!FitsU32(data.size()))
            FailKey(key, "file larger than 4 GB");
        if (key == "Face") {
            design_.Face = std::move(data);
            faceName_ = FileNameOf(name);
        } else {
            design_.Sound = std::move(data);
            soundName_ = FileNameOf(name);
        }
    }

    // Fills what the source left to the stream files: sizes, extension and sound name.
    void Finish() {
        auto given = [&](const char* id) { return seen_.count(id) != 0; };
        auto lineOf = [&](const char* id) { return seen_.count(id) ? seen_[id].line : line_; };
        if (!given("Clock.FaceSize"))
            design_.Clock.SetFaceSize(uint32_t(design_.Face.size()));
        if (!given("Alert.SoundSize"))
            design_.Alert.SetSoundSize(uint32_t(design_.Sound.size()));
        if (!given("Clock.FaceExt") && given("Clock.Face")) {
            size_t dot = faceName_.rfind('.');
            std::string ext = dot == std::string::npos ? std::string() : faceName_.substr(dot);
            if (!design_.Clock.SetFaceExt(ext)) {
                line_ = lineOf("Clock.Face");
                section_ = &kSections[1];
                FailKey("Face", "extension \"" + ext + "\" is longer than FaceExt's 6 characters");
            }
        }
        if (!given("Alert.SoundName") && given("Alert.Sound")) {
            if (!design_.Alert.SetSoundName(soundName_)) {
                line_ = lineOf("Alert.Sound");
                section_ = &kSections[2];
                FailKey("Sound", "file name \"" + soundName_ +
                                     "\" is longer than SoundName's 32 characters");
            }
        }
    }

    std::string path_;
    std::string folder_;
    ClockDesign design_;
    const Section* section_ = nullptr;
    int line_ = 0;
    std::map<std::string, Seen> seen_;
    std::string faceName_, soundName_;
};

std::string FieldText(const ClockDesign& d, const Section& s, const Field& f) {
    const uint8_t* base = RecordBase(d, s.rec);
    switch (f.kind) {
        case Kind::kText:
            return QuoteText(GetFixedText(base + f.offset, f.width));
        case Kind::kU8:
            return std::to_string(base[f.offset]);
        case Kind::kU16:
            return std::to_string(GetU16(base + f.offset));
        case Kind::kU32:
            return std::to_string(GetU32(base + f.offset));
        case Kind::kI32:
            return std::to_string(GetI32(base + f.offset));
        case Kind::kColor:
            return FormatColor(GetU32(base + f.offset));
        case Kind::kEnum: {
            uint8_t v = base[f.offset];
            return v < f.nameCount ? f.names[v] : std::to_string(v);
        }
        case Kind::kStyle:
            return StyleText(base[f.offset]);
        case Kind::kFile:
            break;
    }
    return std::string();
}

}  // namespace

ClockDesign ParseDesignIni(const std::string& text, const std::string& iniPath) {
    return IniReader(iniPath).Parse(text);
}

ClockDesign LoadDesignIni(const std::string& iniPath) {
    Bytes raw = ReadWholeFile(iniPath);
    return ParseDesignIni(std::string(raw.begin(), raw.end()), iniPath);
}

ClockDesign ParseDesignFile(const uint8_t* data, size_t size) {
    ClockDesign d;
    ByteReader in(data, size);
    in.ReadBuffer(d.Header.data(), DesignHeader::kSize);
    in.ReadBuffer(d.Clock.data(), ClockRecord::kSize);
    in.ReadBuffer(d.Alert.data(), AlertRecord::kSize);
    in.CopyTo(d.Face, std::min<size_t>(d.Clock.FaceSize(), in.Remaining()));
    in.CopyTo(d.Sound, std::min<size_t>(d.Alert.SoundSize(), in.Remaining()));
    return d;
}

std::string DesignToIni(const ClockDesign& d, const DesignIniFiles& files) {
    std::string out;
    for (const Section& s : kSections) {
        if (!out.empty())
            out += '\n';
        out += "[" + std::string(s.name) + "]\n";
        for (size_t i = 0; i < s.count; ++i) {
            const Field& f = s.fields[i];
            std::string key = f.key;
            if (f.kind == Kind::kFile) {
                const std::string& file = key == "Face" ? files.face : files.sound;
                if (!file.empty())
                    out += key + "=" + QuoteText(file) + "\n";
                continue;
            }
            if (key == "FaceSize" || key == "SoundSize") {
                bool face = key == "FaceSize";
                uint32_t stored = face ? d.Clock.FaceSize() : d.Alert.SoundSize();
                size_t present = face ? d.Face.size() : d.Sound.size();
                bool byFile = !(face ? files.face : files.sound).empty();
                if (byFile && stored == present)
                    continue;
            }
            out += key + "=" + FieldText(d, s, f) + "\n";
        }
    }
    return out;
}

std::string UnpackDesign(const ClockDesign& d, const std::string& dir, const std::string& name) {
    std::string folder = dir.empty() || dir.back() == '/' || dir.back() == '\\' ? dir : dir + "/";
    std::string iniName = name + ".ini";
    DesignIniFiles files;
    if (!d.Face.empty()) {
        std::string ext = d.Clock.FaceExt();
        bool usable = ext.size() > 1 && ext[0] == '.' && SafeFileName(ext) == ext;
        files.face = usable ? "face" + ext : "face.bin";
        WriteWholeFile(folder + files.face, d.Face.data(), d.Face.size());
    }
    if (!d.Sound.empty()) {
        std::string sound = SafeFileName(d.Alert.SoundName());
        if (sound.empty() || sound == files.face || sound == iniName)
            sound = "sound.bin";
        files.sound = sound;
        WriteWholeFile(folder + files.sound, d.Sound.data(), d.Sound.size());
    }
    std::string ini = DesignToIni(d, files);
    std::string iniPath = folder + iniName;
    WriteWholeFile(iniPath, reinterpret_cast<const uint8_t*>(ini.data()), ini.size());
    return iniPath;
}

Bytes StampPlayer(const Bytes& player, const std::string& designName) {
    ExeTrailer t;
    if (!t.SetDesignName(designName))
        throw AppError("design name \"" + designName + "\" is longer than 32 bytes");
    Bytes out = player;
    out.insert(out.end(), t.bytes.begin(), t.bytes.end());
    return out;
}

std::string FormatColor(uint32_t c) {
    char buf[12];
    uint32_t rgb = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    if (c >> 24)
        std::snprintf(buf, sizeof buf, "#%02X%06X", unsigned(c >> 24), unsigned(rgb));
    else
        std::snprintf(buf, sizeof buf, "#%06X", unsigned(rgb));
    return buf;
}

bool ParseColor(const std::string& text, uint32_t& c) {
    if (text.size() != 7 && text.size() != 9)
        return false;
    if (text[0] != '#')
        return false;
    uint32_t v = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        int d = HexDigit(text[i]);
        if (d < 0)
            return false;
        v = (v << 4) | uint32_t(d);
    }
    // v is 0xAARRGGBB; a COLORREF keeps blue high and red low.
    c = (v & 0xFF000000u) | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
    return true;
}

}  // namespace core
