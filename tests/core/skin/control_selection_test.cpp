#include "core/skin/control_selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/skin/control_skin_classes.h"
#include "core/skin/window_bits.h"

namespace {

using core::TChildPass;
using core::TControlSkinClass;
using core::TDecisionEnd;
using C = TControlSkinClass;
using E = TDecisionEnd;

TEST(DefaultSkinClasses, HoldsTheShippedLinesWithTheirThreeRepeats) {
    const auto& list = core::DefaultSkinClasses();
    ASSERT_EQ(list.size(), 117u);
    EXPECT_EQ(list.front(), "TCategoryButtons=scrollbar");
    EXPECT_EQ(list.back(), "TOVCDBNUMERICFIELD=Edit");
    std::map<std::string, int> counts;
    for (const auto& line : list) {
        EXPECT_NE(line.find('='), std::string::npos) << line;
        ++counts[line];
    }
    std::vector<std::string> repeated;
    for (const auto& [line, n] : counts)
        if (n > 1)
            repeated.push_back(line + " x" + std::to_string(n));
    EXPECT_EQ(repeated, (std::vector<std::string>{"TDBCheckboxEh=Checkbox x2",
                                                  "TLMDFontSizeCombobox=combobox x2",
                                                  "TWWDBCombobox=Combobox x2"}));
}

TEST(FrameworkClassChain, NamesTheAncestorsTheTableTestsFor) {
    EXPECT_EQ(core::FrameworkClassChain("TMemo"),
              (std::vector<std::string>{"TMemo", "TCustomMemo", "TCustomEdit", "TWinControl",
                                        "TControl", "TComponent"}));
    EXPECT_EQ(core::FrameworkClassChain("TOther"), (std::vector<std::string>{"TOther"}));
}

using Facts = core::TControlFacts;
using Settings = core::TControlSkinSettings;

// The decision for a bordered framework control of `cls` on a parent, with its window, under
// the default settings of a skin with a "Tabs" object, after `setUp`.
core::TControlSkinDecision Decide(const std::string& cls,
                                  const std::function<void(Facts&, Settings&)>& setUp = {}) {
    Facts f;
    f.classChain = core::FrameworkClassChain(cls);
    f.windowWidth = 100;
    f.windowHeight = 21;
    f.clientWidth = 96;
    f.clientHeight = 17;
    Settings s;
    s.skinClasses = core::DefaultSkinClasses();
    s.hasTabsObject = true;
    if (setUp)
        setUp(f, s);
    return core::DecideControlSkin(f, s);
}

void Is(const core::TControlSkinDecision& d, C skin, E end, const char* what) {
    EXPECT_STREQ(core::ControlSkinClassName(d.skin), core::ControlSkinClassName(skin)) << what;
    EXPECT_EQ(int(d.end), int(end)) << what;
}

auto Off(core::TSkinControlType bit) {
    return [bit](Facts&, Settings& s) { s.skinControls.Exclude(bit); };
}
auto Line(const std::string& line) {
    return [line](Facts&, Settings& s) { s.skinClasses = {line}; };
}
auto Kind(const std::string& kind, std::function<void(Facts&, Settings&)> more = {}) {
    return [kind, more](Facts& f, Settings& s) {
        s.skinClasses = {"TThing=" + kind};
        if (more)
            more(f, s);
    };
}

TEST(ControlSkinDecision, StepsBeforeTheTablesComeFirst) {
    Is(Decide("TButton"), C::TSkinButton, E::BuiltInRow, "plain button");
    auto d = Decide("TButton", [](Facts& f, Settings&) { f.tag = 99; });
    Is(d, C::None, E::DisabledTag, "tag 99");
    EXPECT_EQ(d.children, TChildPass::None);
    d = Decide("TRzRadioGroup", [](Facts& f, Settings&) { f.tag = 99; });
    EXPECT_EQ(d.children, TChildPass::TagEach) << "a radio group passes its tag on";
    Is(Decide("TButton", [](Facts& f, Settings&) { f.hasParent = false; }), C::None, E::NoParent,
       "no parent");
    Is(Decide("TButton", [](Facts& f, Settings&) { f.hasWindow = false; }), C::None, E::NeedsWindow,
       "no window yet");
    d = Decide("TPanel", [](Facts&, Settings& s) { s.onSkinControlAssigned = true; });
    Is(d, C::None, E::Application, "OnSkinControl");
    EXPECT_EQ(d.children, TChildPass::SkinEach) << "a panel's children too";
    Is(Decide("TButton", Off(core::xcButton)), C::None, E::NoRow, "bit off");
    Is(Decide("TButton", Line("TButton=nil")), C::None, E::SkinClassesLine, "nil");
    Is(Decide("TButton", Line("tbutton=frobnicate")), C::None, E::SkinClassesLine, "unknown");
    Is(Decide("TButton", Line("TButtonX=edit")), C::TSkinButton, E::BuiltInRow, "other name");
    Is(Decide("TButton",
              [](Facts&, Settings& s) {
                  s.skinClasses = {"TBUTTON=edit", "TButton=button"};
              }),
       C::TSkinEdit, E::SkinClassesLine, "the first line wins");
}

TEST(ControlSkinDecision, SkinClassesKinds) {
    Is(Decide("TThing", Kind("Button")), C::TSkinButton, E::SkinClassesLine, "button");
    Is(Decide("TThing", Kind("button", Off(core::xcButton))), C::None, E::SkinClassesLine,
       "button, bit off: the line still decides");
    Is(Decide("TThing", Kind("edit")), C::TSkinEdit, E::SkinClassesLine, "bordered edit");
    Is(Decide("TThing", Kind("edit", [](Facts& f, Settings&) { f.clientHeight = 21; })), C::None,
       E::SkinClassesLine, "edit without a border");
    auto d = Decide("TThing", Kind("panel"));
    Is(d, C::TSkinBox, E::SkinClassesLine, "panel");
    EXPECT_TRUE(d.paintsBackground && d.setTransparent);
    d = Decide("TThing", Kind("scrollbar"));
    EXPECT_EQ(d.children, TChildPass::SkinEach);
    EXPECT_FALSE(d.childrenFirst);
    d = Decide("TThing", Kind("container", [](Facts&, Settings& s) { s.skinControls = {}; }));
    EXPECT_EQ(d.children, TChildPass::SkinEach) << "a container needs no bit";

    d = Decide("TThing", Kind("radiogroup"));
    Is(d, C::TSkinGroupBox, E::SkinClassesLine, "radio group");
    EXPECT_EQ(d.children, TChildPass::AttachEach);
    EXPECT_TRUE(d.childrenFirst);
    EXPECT_EQ(d.childSkin, C::TSkinRadioButton);
    d = Decide("TThing", Kind("checkgroup", Off(core::xcGroupBox)));
    Is(d, C::None, E::SkinClassesLine, "check group without xcGroupBox");
    EXPECT_EQ(d.childSkin, C::TSkinCheckBox);
    d = Decide("TThing", Kind("checkgroup", Off(core::xcRadioButton)));
    Is(d, C::TSkinGroupBox, E::SkinClassesLine, "check group without xcRadioButton");
    EXPECT_EQ(d.children, TChildPass::None);

    Is(Decide("TcxButton", [](Facts& f, Settings&) { f.kindProperty = "cxbkDropDownButton"; }),
       C::TSkinMenuButton, E::SkinClassesLine, "drop-down kind");
    EXPECT_TRUE(Decide("TPngBitBtn").pngGlyph);
}

TEST(ControlSkinDecision, BuiltInRowsInOrderWithFallThrough) {
    Is(Decide("TPageControl"), C::TSkinTab, E::BuiltInRow, "page control");
    Is(Decide("TPageControl", [](Facts& f, Settings&) { f.tabStyle = core::tsFlatButtons; }),
       C::TSkinTabBtn, E::BuiltInRow, "button tabs");
    Is(Decide("TPageControl", [](Facts&, Settings& s) { s.hasTabsObject = false; }), C::None,
       E::NoRow, "no Tabs object");
    auto d = Decide("TGroupBox");
    Is(d, C::TSkinGroupBox, E::BuiltInRow, "group box");
    EXPECT_TRUE(d.children == TChildPass::SkinEach && d.childrenFirst && d.paintsBackground);
    Is(Decide("TGroupBox", Off(core::xcPanel)), C::None, E::NoRow, "group box gated by xcPanel");
    Is(Decide("TComboBox", [](Facts& f, Settings&) { f.classChain[0] = "TDBComboBoxEh"; }), C::None,
       E::Excluded, "excluded class");
    Is(Decide("TDateTimePicker"), C::TSkinDateTime, E::BuiltInRow, "date picker");
    Is(Decide("TDateTimePicker", [](Facts& f, Settings&) { f.dateTimeKind = core::dtkTime; }),
       C::TSkinEdit, E::BuiltInRow, "time picker");
    Is(Decide("TDateTimePicker", Off(core::xcEdit)), C::None, E::NoRow, "pickers need xcEdit");
    Is(Decide("TMemo"), C::TSkinScrollbar, E::BuiltInRow, "memo");
    Is(Decide("TMemo", Off(core::xcScrollbar)), C::TSkinEdit, E::BuiltInRow, "memo falls through");
    Is(Decide("TEdit", [](Facts& f, Settings&) { f.style = core::winbits::kVScroll; }),
       C::TSkinScrollbar, E::BuiltInRow, "edit showing a scroll bar");
    Is(Decide("TUpDown"), C::TSkinUpDown, E::BuiltInRow, "up-down");
    Is(Decide("TMyUpDown"), C::None, E::NoRow, "a capital row matches the class only");
    d = Decide("TDCEdit", [](Facts& f, Settings&) { f.numButtons = 0; });
    Is(d, C::TSkinEdit, E::BuiltInRow, "no buttons");
    EXPECT_TRUE(d.attachToWindow);
}

TEST(WindowSkinDecision, BareWindowsByClassAndStyle) {
    struct Row {
        const char* cls;
        uint32_t style;
        int clientWidth;
        C skin;
    };
    const Row rows[] = {
        {"Button", 0x0, 96, C::TSkinButton},
        {"Button", 0x7, 96, C::TSkinGroupBox},
        {"Button", 0xB, 96, C::None},
        {"Edit", 0x0, 96, C::TSkinEdit},
        {"Edit", 0x0, 100, C::None},
        {"ComboBox", 0x3, 96, C::TSkinComBox},
        {"ListBox", core::winbits::kVScroll, 96, C::TSkinScrollbar},
        {"SysDateTimePick32", 0x9, 96, C::TSkinEdit},
    };
    for (const Row& r : rows) {
        core::TBareWindowFacts w;
        w.windowClass = r.cls;
        w.style = r.style;
        w.windowWidth = 100;
        w.windowHeight = 21;
        w.clientWidth = r.clientWidth;
        w.clientHeight = 17;
        Settings s;
        s.hasTabsObject = true;
        const auto d = core::DecideWindowSkin(w, s);
        EXPECT_EQ(d.skin, r.skin) << r.cls << " " << r.style;
        EXPECT_EQ(d.attachToWindow, r.skin != C::None) << r.cls;
    }
    core::TBareWindowFacts button;
    button.windowClass = "Button";
    Settings s;
    EXPECT_EQ(core::DecideWindowSkin(button, s).skin, C::TSkinButton);
    s.skinControls.Exclude(core::xcButton);
    EXPECT_EQ(core::DecideWindowSkin(button, s).skin, C::None);
    button.alreadySkinned = true;
    EXPECT_EQ(core::DecideWindowSkin(button, Settings()).skin, C::None);
}

}  // namespace
