// SkinControl's decision: the SkinClasses kinds and the built-in table, written as tables.
#include "core/skin/control_selection.h"

#include <cctype>

#include "core/skin/window_bits.h"
#include "core/skin/quick_ini.h"

namespace core {

namespace {

using C = TControlSkinClass;
constexpr int kNoBit = -1;

bool HasBit(const TControlSkinSettings& s, int bit) {
    return bit == kNoBit || s.skinControls.Has(TSkinControlType(bit));
}

bool IsUpperName(const char* name) {
    for (const char* p = name; *p != 0; ++p)
        if (std::islower(static_cast<unsigned char>(*p)))
            return false;
    return true;
}

// A name in capitals is compared with the control's own upper-cased class name; any other
// name is a class reference and matches the class and its descendants.
bool Matches(const char* names, const TControlFacts& f, const std::string& upper) {
    const std::string list = names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find('|', start);
        if (end == std::string::npos)
            end = list.size();
        const std::string name = list.substr(start, end - start);
        if (IsUpperName(name.c_str())) {
            if (upper == name)
                return true;
        } else {
            const std::string wanted = UpperAscii(name);
            for (const std::string& c : f.classChain)
                if (UpperAscii(c) == wanted)
                    return true;
        }
        start = end + 1;
    }
    return false;
}

bool IsA(const TControlFacts& f, const char* className) {
    return Matches(className, f, std::string());
}

TControlSkinDecision Skin(C skin, TDecisionEnd end, bool background = false) {
    TControlSkinDecision d;
    d.skin = skin;
    d.paintsBackground = background;
    d.end = end;
    return d;
}

// Kinds of the SkinClasses list.
enum class KindRule { Plain, Edit, BitBtn, PngBitBtn, SingleScrollbar, RadioGroup, CheckGroup };

struct KindRow {
    const char* kind;
    int bit;
    bool needsTabs;
    C skin;
    bool background;
    bool transparent;
    int mode;
    TChildPass children;
    KindRule rule;
};

const KindRow kKinds[] = {
    {"combobox", xcCombo, false, C::TSkinComBox, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"edit", xcEdit, false, C::TSkinEdit, false, false, 0, TChildPass::None, KindRule::Edit},
    {"radiobutton", xcRadioButton, false, C::TSkinRadioButton, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"panel", xcPanel, false, C::TSkinBox, true, true, 0, TChildPass::None, KindRule::Plain},
    {"trackbar", xcButton, false, C::TSkinTrackBar, false, true, 0, TChildPass::None,
     KindRule::Plain},
    {"button", xcButton, false, C::TSkinButton, false, false, 0, TChildPass::None, KindRule::Plain},
    {"datetimepicker", xcCombo, false, C::TSkinDateTime, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"mediaplayer", xcButton, false, C::TSkinMP, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"bitbtn", xcButton, false, C::TSkinBitButton, false, false, 0, TChildPass::None,
     KindRule::BitBtn},
    {"pngbitbtn", xcButton, false, C::TSkinBitButton, false, false, 0, TChildPass::None,
     KindRule::PngBitBtn},
    {"menubtn", xcButton, false, C::TSkinMenuButton, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"speedbutton", xcSpeedButton, false, C::TSkinSpeedButton, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"tab", xcTab, true, C::TSkinTab, false, false, 0, TChildPass::None, KindRule::Plain},
    {"progress", xcProgress, false, C::TSkinProgress, false, false, 0, TChildPass::None,
     KindRule::Plain},
    {"scrollbar", xcScrollbar, false, C::TSkinScrollbar, false, false, 0, TChildPass::SkinEach,
     KindRule::Plain},
    {"singlescrollbar", xcScrollbar, false, C::TSkinScrollbar, false, false, 0, TChildPass::None,
     KindRule::SingleScrollbar},
    {"embedscrollbar", xcScrollbar, false, C::None, false, false, 0, TChildPass::ScrollbarEach,
     KindRule::Plain},
    {"container", kNoBit, false, C::None, false, false, 0, TChildPass::SkinEach, KindRule::Plain},
    {"groupbox", xcGroupBox, false, C::TSkinGroupBox, true, false, 0, TChildPass::None,
     KindRule::Plain},
    {"advpagecontrol", xcTab, false, C::TSkinAdvPage, true, false, 4, TChildPass::None,
     KindRule::Plain},
    {"radiogroup", xcGroupBox, false, C::TSkinGroupBox, true, false, 0, TChildPass::None,
     KindRule::RadioGroup},
    {"checkgroup", xcPanel, false, C::TSkinGroupBox, true, false, 0, TChildPass::None,
     KindRule::CheckGroup},
    {"checkbox", xcCheckBox, false, C::TSkinCheckBox, false, false, 0, TChildPass::None,
     KindRule::Plain},
};

TControlSkinDecision DecideKind(const std::string& kind,
                                const TControlFacts& f,
                                const std::string& upper,
                                const TControlSkinSettings& s) {
    TControlSkinDecision none = Skin(C::None, TDecisionEnd::SkinClassesLine);
    const std::string k = LowerAscii(kind);
    const KindRow* row = nullptr;
    for (const KindRow& r : kKinds)
        if (k == r.kind)
            row = &r;
    if (row == nullptr || !HasBit(s, row->bit) || (row->needsTabs && !s.hasTabsObject))
        return none;  // "nil", an unknown kind or a bit that is off: the line still decides

    TControlSkinDecision d = Skin(row->skin, TDecisionEnd::SkinClassesLine, row->background);
    d.setTransparent = row->transparent;
    d.mode = row->mode;
    d.children = row->children;
    const bool rz = upper.find("TRZ") != std::string::npos;
    switch (row->rule) {
        case KindRule::Plain:
            break;
        case KindRule::Edit:
            // Only a field with a border gets the edit skin.
            if (!FieldHasBorder(f.windowWidth, f.windowHeight, f.clientWidth, f.clientHeight))
                return none;
            break;
        case KindRule::BitBtn:
            if (upper == "TCXBUTTON" && f.kindProperty == "cxbkDropDownButton")
                d.skin = C::TSkinMenuButton;
            break;
        case KindRule::PngBitBtn:
            d.pngGlyph = true;
            break;
        case KindRule::SingleScrollbar:
            d.singleMode = true;
            break;
        case KindRule::RadioGroup:
        case KindRule::CheckGroup: {
            const bool radio = row->rule == KindRule::RadioGroup;
            if (s.skinControls.Has(xcRadioButton)) {
                d.children = TChildPass::AttachEach;
                d.childrenFirst = true;
                d.childSkin = rz      ? C::TSkinObjImage
                              : radio ? C::TSkinRadioButton
                                      : C::TSkinCheckBox;
                if (rz)
                    d.childImage = radio ? TObjImageKind::Radio : TObjImageKind::Check;
            }
            if (!radio && !s.skinControls.Has(xcGroupBox)) {
                d.skin = C::None;
                d.paintsBackground = false;
            }
            break;
        }
    }
    return d;
}

// Rows of the built-in table that need more than a class test.
enum class RowRule { Plain, TabControl, DateTimePicker, ScrollStyle, DcEdit };

struct BuiltInRow {
    const char* names;  // '|' between alternatives
    int bit;
    bool needsTabs;
    C skin;
    bool background;
    TChildPass children;
    bool childrenFirst;
    TObjImageKind image;
    RowRule rule;
};

const BuiltInRow kBuiltIn[] = {
    {"TCustomTabControl", xcTab, true, C::TSkinTab, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::TabControl},
    {"TTABSET", xcTab, true, C::TSkinTab31, false, TChildPass::None, false, TObjImageKind::None,
     RowRule::Plain},
    {"TTabSheet", xcTab, true, C::TSkinTabSheet, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TTABBEDNOTEBOOK", xcTab, true, C::TSkinTab, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TMVCPANEL", kNoBit, false, C::None, false, TChildPass::SkinEach, false, TObjImageKind::None,
     RowRule::Plain},
    {"TUPDOWN|TSPINBUTTON", xcSpin, false, C::TSkinUpDown, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TMEDIAPLAYER", xcButton, false, C::TSkinMP, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TDBNAVIGATOR", xcPanel, false, C::TSkinBox, true, TChildPass::SkinEach, false,
     TObjImageKind::None, RowRule::Plain},
    {"TRZDBCHECKBOX|TRZCHECKBOX", xcCheckBox, false, C::TSkinObjImage, false, TChildPass::None,
     false, TObjImageKind::Check, RowRule::Plain},
    {"TRZRADIOBUTTON|TRZDBRADIOBUTTON", xcRadioButton, false, C::TSkinObjImage, false,
     TChildPass::None, false, TObjImageKind::Radio, RowRule::Plain},
    {"TCXDBCHECKBOX|TCXCHECKBOX", xcCheckBox, false, C::TSkinObjImage, false, TChildPass::None,
     false, TObjImageKind::CheckThirdStyle, RowRule::Plain},
    // The box paints its background so that its labels, which follow the box's colour, sit
    // on the skin's face colour too.
    {"TCustomGroupBox", xcPanel, false, C::TSkinGroupBox, true, TChildPass::SkinEach, true,
     TObjImageKind::None, RowRule::Plain},
    {"TTNTCOMBOBOX|TCustomComboBox", xcCombo, false, C::TSkinComBox, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TDateTimePicker", xcEdit, false, C::TSkinDateTime, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::DateTimePicker},
    {"TRICHEDIT|TWWDBRICHEDIT|TDXDBMEMO", xcScrollbar, false, C::TSkinScrollbar, false,
     TChildPass::None, false, TObjImageKind::None, RowRule::Plain},
    {"TCustomPanel", xcPanel, false, C::TSkinBox, true, TChildPass::SkinEach, true,
     TObjImageKind::None, RowRule::Plain},
    {"TDXTREELIST|TDXDBTREELIST|TDXDBGRID", xcScrollbar, false, C::TSkinScrollbar, false,
     TChildPass::None, false, TObjImageKind::None, RowRule::Plain},
    {"TCustomListView", xcScrollbar, false, C::TSkinListView, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TCustomMemo|TMemo", xcScrollbar, false, C::TSkinScrollbar, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::ScrollStyle},
    {"TButton", xcButton, false, C::TSkinButton, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TCustomEdit", xcEdit, false, C::TSkinEdit, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::Plain},
    {"TCustomForm", kNoBit, false, C::TSkinBox, true, TChildPass::SkinOwned, false,
     TObjImageKind::None, RowRule::Plain},
    {"TDCEDIT|TDCDBEDIT", kNoBit, false, C::None, false, TChildPass::None, false,
     TObjImageKind::None, RowRule::DcEdit},
};

// Some rows ask more of the control than its class; false lets the decision fall through.
bool ApplyRule(const BuiltInRow& row,
               const TControlFacts& f,
               const TControlSkinSettings& s,
               TControlSkinDecision& d) {
    switch (row.rule) {
        case RowRule::Plain:
            return true;
        case RowRule::TabControl:
            if (IsA(f, "TPageControl"))
                d.skin = f.tabStyle == tsTabs ? C::TSkinTab : C::TSkinTabBtn;
            else
                d.mode = 2;
            return true;
        case RowRule::DateTimePicker:
            if (f.dateMode == dmUpDown || f.dateTimeKind == dtkTime)
                d.skin = C::TSkinEdit;
            return true;
        case RowRule::ScrollStyle:
            return true;
        case RowRule::DcEdit:
            if (f.numButtons == 1 && s.skinControls.Has(xcCombo)) {
                d.skin = C::TSkinComBox;
                return true;
            }
            if (f.numButtons == 0 && s.skinControls.Has(xcEdit)) {
                d.skin = C::TSkinEdit;
                d.attachToWindow = true;
                return true;
            }
            return false;
    }
    return false;
}

bool RowMatches(const BuiltInRow& row, const TControlFacts& f, const std::string& upper) {
    if (Matches(row.names, f, upper))
        return true;
    // Any windowed control whose window shows a scroll bar counts as a memo here.
    return row.rule == RowRule::ScrollStyle && f.windowed &&
           (f.style & (winbits::kHScroll | winbits::kVScroll)) != 0;
}

}  // namespace

const char* ControlSkinClassName(TControlSkinClass c) {
    static const char* const names[] = {
        "",
        "TSkinButton",
        "TSkinBitButton",
        "TSkinMenuButton",
        "TSkinSpeedButton",
        "TSkinMP",
        "TSkinStatusBar",
        "TSkinGroupBox",
        "TSkinBox",
        "TSkinBoxH",
        "TSkinTab",
        "TSkinTab31",
        "TSkinTabSheet",
        "TSkinTabBtn",
        "TSkinAdvPage",
        "TSkinCheckBox",
        "TSkinRadioButton",
        "TSkinObjImage",
        "TSkinTrackBar",
        "TSkinUpDown",
        "TSkinProgress",
        "TSkinEdit",
        "TSkinComBox",
        "TSkinDateTime",
        "TSkinScrollbar",
        "TSkinListView",
        "TSkinScrollbarH",
        "TSkinScControl",
        "TSkinHeader",
        "TSkinSizer",
    };
    constexpr size_t count = sizeof(names) / sizeof(names[0]);
    static_assert(count == size_t(TControlSkinClass::TSkinSizer) + 1, "one name per class");
    const size_t i = size_t(c);
    return i < count ? names[i] : "";
}

bool FieldHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    return clientWidth != windowWidth && clientHeight != windowHeight;
}

TControlSkinDecision DecideControlSkin(const TControlFacts& f, const TControlSkinSettings& s) {
    const std::string own = f.classChain.empty() ? std::string() : f.classChain.front();
    if (f.tag == s.disableTag) {
        TControlSkinDecision d = Skin(C::None, TDecisionEnd::DisabledTag);
        const std::string lower = LowerAscii(own);
        if (lower.find("radiogroup") != std::string::npos ||
            lower.find("checkgroup") != std::string::npos)
            d.children = TChildPass::TagEach;
        return d;
    }
    if (!f.hasParent || f.alreadySkinned)
        return Skin(C::None, TDecisionEnd::NoParent);
    const std::string upper = UpperAscii(own);
    if (f.windowed && !f.hasWindow)
        return Skin(C::None, TDecisionEnd::NeedsWindow);
    if (s.onSkinControlAssigned) {
        TControlSkinDecision d = Skin(C::None, TDecisionEnd::Application);
        if (IsA(f, "TCustomPanel"))
            d.children = TChildPass::SkinEach;
        return d;
    }

    const std::string prefix = upper + "=";
    for (const std::string& line : s.skinClasses)
        if (line.size() >= prefix.size() && UpperAscii(line.substr(0, prefix.size())) == prefix)
            return DecideKind(line.substr(prefix.size(), 50), f, upper, s);

    if (upper == "TDBCOMBOBOXEH" || upper == "TFRDESIGNERPAGE" || upper == "TFRPBOX")
        return Skin(C::None, TDecisionEnd::Excluded);

    for (const BuiltInRow& row : kBuiltIn) {
        if (!RowMatches(row, f, upper) || !HasBit(s, row.bit) ||
            (row.needsTabs && !s.hasTabsObject))
            continue;
        TControlSkinDecision d = Skin(row.skin, TDecisionEnd::BuiltInRow, row.background);
        d.children = row.children;
        d.childrenFirst = row.childrenFirst;
        d.image = row.image;
        if (ApplyRule(row, f, s, d))
            return d;
    }
    return Skin(C::None, TDecisionEnd::NoRow);
}

TControlSkinDecision DecideWindowSkin(const TBareWindowFacts& w, const TControlSkinSettings& s) {
    TControlSkinDecision none = Skin(C::None, TDecisionEnd::NoRow);
    if (w.alreadySkinned)
        return Skin(C::None, TDecisionEnd::NoParent);
    const std::string cls = LowerAscii(w.windowClass);
    auto pick = [&](C skin, int bit, bool background = false) {
        if (!HasBit(s, bit))
            return none;
        TControlSkinDecision d = Skin(skin, TDecisionEnd::BuiltInRow, background);
        d.attachToWindow = true;
        return d;
    };
    const bool scrolls = (w.style & (winbits::kHScroll | winbits::kVScroll)) != 0;
    if (cls == "button") {
        switch (w.style & winbits::kButtonKindMask) {
            case 0x0:  // push button
            case 0x1:  // default push button
                return pick(C::TSkinButton, xcButton);
            case 0x2:
            case 0x3:
            case 0x5:
            case 0x6:  // check boxes, two- and three-state
                return pick(C::TSkinCheckBox, xcCheckBox);
            case 0x4:
            case 0x9:  // radio buttons
                return pick(C::TSkinRadioButton, xcRadioButton);
            case 0x7:
                return pick(C::TSkinGroupBox, xcGroupBox, true);
            default:  // owner-drawn and user buttons draw themselves
                return none;
        }
    }
    if (cls == "edit" && !scrolls)
        return FieldHasBorder(w.windowWidth, w.windowHeight, w.clientWidth, w.clientHeight)
                   ? pick(C::TSkinEdit, xcEdit)
                   : none;
    if (cls == "combobox")
        return pick(C::TSkinComBox, xcCombo);
    if (cls == "msctls_updown32")
        return pick(C::TSkinUpDown, xcSpin);
    if (cls == "syslistview32")
        return pick(C::TSkinListView, xcScrollbar);
    if (cls == "systabcontrol32")
        return s.hasTabsObject ? pick(C::TSkinTab, xcTab) : none;
    if (cls == "sysdatetimepick32")
        return pick((w.style & winbits::kDateTimeUpDown) != 0 ? C::TSkinEdit : C::TSkinDateTime,
                    xcEdit);
    if (cls != "static" && cls != "scrollbar" && scrolls)
        return pick(C::TSkinScrollbar, xcScrollbar);
    return none;
}

std::vector<std::string> FrameworkClassChain(const std::string& className) {
    struct Parent {
        const char* cls;
        const char* parent;
    };
    // The framework's classes that the built-in table names, with their ancestors.
    static const Parent parents[] = {
        {"TButton", "TButtonControl"},
        {"TButtonControl", "TWinControl"},
        {"TEdit", "TCustomEdit"},
        {"TMemo", "TCustomMemo"},
        {"TCustomMemo", "TCustomEdit"},
        {"TCustomEdit", "TWinControl"},
        {"TComboBox", "TCustomComboBox"},
        {"TCustomComboBox", "TWinControl"},
        {"TPanel", "TCustomPanel"},
        {"TCustomPanel", "TCustomControl"},
        {"TGroupBox", "TCustomGroupBox"},
        {"TCustomGroupBox", "TCustomControl"},
        {"TPageControl", "TCustomTabControl"},
        {"TTabControl", "TCustomTabControl"},
        {"TCustomTabControl", "TWinControl"},
        {"TTabSheet", "TWinControl"},
        {"TListView", "TCustomListView"},
        {"TCustomListView", "TWinControl"},
        {"TDateTimePicker", "TCommonCalendar"},
        {"TCommonCalendar", "TWinControl"},
        {"TUpDown", "TCustomUpDown"},
        {"TCustomUpDown", "TWinControl"},
        {"TForm", "TCustomForm"},
        {"TCustomForm", "TScrollingWinControl"},
        {"TScrollingWinControl", "TWinControl"},
        {"TCustomControl", "TWinControl"},
        {"TWinControl", "TControl"},
        {"TControl", "TComponent"},
    };
    std::vector<std::string> chain{className};
    for (bool found = true; found;) {
        found = false;
        for (const Parent& p : parents)
            if (chain.back() == p.cls && chain.size() < 16) {
                chain.push_back(p.parent);
                found = true;
                break;
            }
    }
    return chain;
}

}  // namespace core
