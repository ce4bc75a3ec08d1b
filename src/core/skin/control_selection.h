#pragma once
// Which control skin takes a child control of a skinned window over. The decision is a pure
// function of facts the Win32 layer reads from the control (class, tag, window style and
// rectangles, a few published properties) and of the skin component's settings; the Win32
// layer then creates the named skin, attaches it and runs the follow-up passes it asks for.
#include <cstdint>
#include <string>
#include <vector>

#include "core/skin/skin_options.h"

namespace core {

// The control skin classes. `None` leaves the control in the system look.
enum class TControlSkinClass {
    None,
    TSkinButton,
    TSkinBitButton,
    TSkinMenuButton,
    TSkinSpeedButton,
    TSkinMP,
    TSkinStatusBar,
    TSkinGroupBox,
    TSkinBox,
    TSkinBoxH,
    TSkinTab,
    TSkinTab31,
    TSkinTabSheet,
    TSkinTabBtn,
    TSkinAdvPage,
    TSkinCheckBox,
    TSkinRadioButton,
    TSkinObjImage,
    TSkinTrackBar,
    TSkinUpDown,
    TSkinProgress,
    TSkinEdit,
    TSkinComBox,
    TSkinDateTime,
    TSkinScrollbar,
    TSkinListView,
    TSkinScrollbarH,
    TSkinScControl,
    TSkinHeader,
    TSkinSizer,
};
// "TSkinButton", ...; "" for None.
const char* ControlSkinClassName(TControlSkinClass c);

// What a TSkinObjImage draws: a check or radio item, or the third-style check box.
enum class TObjImageKind { None, Check, Radio, CheckThirdStyle };

// Tab style of a page control, and kind and format of a date-time picker.
enum TTabStyle : int { tsTabs, tsButtons, tsFlatButtons };
enum TDateTimeKind : int { dtkDate, dtkTime };
enum TDTDateMode : int { dmComboBox, dmUpDown };

// What the decision needs to know about one framework control.
struct TControlFacts {
    // The control's own class ("TPageControl") first, then its ancestors up to the root
    // ("TCustomTabControl", "TWinControl", ...). Rows of the built-in table that name a class
    // match the class and its descendants, so the chain must hold every ancestor the table
    // names; FrameworkClassChain gives it for our framework's classes.
    std::vector<std::string> classChain;
    int tag = 0;
    bool hasParent = true;
    // IsSkinned: the control answers 1 to the "is skinned" message, or the form skin already
    // holds a control skin for it.
    bool alreadySkinned = false;
    // A windowed control (TWinControl descendant), and whether its window exists yet.
    bool windowed = true;
    bool hasWindow = true;
    uint32_t style = 0;  // window style (scroll-bar bits)
    // Sizes of the window rectangle and of the client rectangle.
    int windowWidth = 0, windowHeight = 0, clientWidth = 0, clientHeight = 0;
    TTabStyle tabStyle = tsTabs;           // page controls
    TDateTimeKind dateTimeKind = dtkDate;  // date-time pickers
    TDTDateMode dateMode = dmComboBox;
    std::string kindProperty;  // the published "Kind" property, if any
    int numButtons = -1;       // the published "NumButtons" property; -1 when it has none
};

// The skin component's settings the decision reads.
struct TControlSkinSettings {
    int disableTag = kDefaultDisableTag;
    TSkinControls skinControls = DefaultSkinControls();
    // The SkinClasses list ("ClassName=kind" lines).
    std::vector<std::string> skinClasses;
    // The loaded skin has a "Tabs" object.
    bool hasTabsObject = false;
    // OnSkinControl is assigned.
    bool onSkinControlAssigned = false;
};

// Where the decision ended; mostly of use to tests and tracing.
enum class TDecisionEnd {
    DisabledTag,      // Tag equals DisableTag
    NoParent,         // no parent, or already skinned
    NeedsWindow,      // create the control's window, then decide again
    Application,      // ask OnSkinControl
    SkinClassesLine,  // a SkinClasses line decided (even when it skins nothing)
    Excluded,         // one of the classes that are never skinned
    BuiltInRow,       // a row of the built-in table
    NoRow,            // nothing matched
};

// A pass over the control's children (or owned components) that the decision asks for.
enum class TChildPass {
    None,
    SkinEach,       // run the decision for each child control
    SkinOwned,      // run the decision for each control the control owns (embedded forms)
    AttachEach,     // attach `childSkin` (with `childImage`) to each child control
    ScrollbarEach,  // give a TSkinScrollbar to each child whose window style shows scroll bars
    TagEach,        // set each child's Tag to DisableTag
};

struct TControlSkinDecision {
    TControlSkinClass skin = TControlSkinClass::None;
    TObjImageKind image = TObjImageKind::None;  // for TSkinObjImage
    bool paintsBackground = false;              // the attach call's paints-background flag
    bool setTransparent = false;  // set the published "Transparent" property to "True" first
    int mode = 0;                 // TSkinTab mode 2 for other tab controls, TSkinAdvPage 4
    bool singleMode = false;      // TSkinScrollbar in single mode
    bool pngGlyph = false;        // TSkinBitButton takes its glyph from "PngImage"
    bool attachToWindow = false;  // attach as a bare window (AttachWindow), not AttachControl
    TChildPass children = TChildPass::None;
    bool childrenFirst = false;  // the pass runs before the control's own skin is attached
    TControlSkinClass childSkin = TControlSkinClass::None;  // for AttachEach
    TObjImageKind childImage = TObjImageKind::None;
    TDecisionEnd end = TDecisionEnd::NoRow;
};

// SkinControl's decision for one framework control, in this order: Tag equal to DisableTag
// (radio and check groups then pass the tag on to their children); no parent or already
// skinned; a windowed control without a window (end NeedsWindow: the caller creates the window
// and asks again, or leaves the control alone when that fails); OnSkinControl assigned (end
// Application: the caller calls it, attaches the skin it returns unless the form skin holds it
// already, and runs `children` for a panel; the decision ends there either way); the first
// SkinClasses line "ClassName=kind" (class compared ignoring case, kind cut to 50 characters
// and compared in lower case; the line decides even when its bit is off or its kind unknown,
// and "nil" skins nothing); the classes TDBCOMBOBOXEH, TFRDESIGNERPAGE and TFRPBOX; the
// built-in table in order, a row whose SkinControls bit is off falling through.
TControlSkinDecision DecideControlSkin(const TControlFacts& facts,
                                       const TControlSkinSettings& settings);

// What the decision needs to know about a window that has no framework control (the buttons
// of message boxes and system dialogs).
struct TBareWindowFacts {
    std::string windowClass;  // as the system reports it ("Button", "Edit", ...)
    uint32_t style = 0;
    int windowWidth = 0, windowHeight = 0, clientWidth = 0, clientHeight = 0;
    bool alreadySkinned = false;  // answers 1 to the "is skinned" message
};

// The control skin of a bare window, by its window class (ignoring case): "Button" push
// buttons (TSkinButton), group boxes (TSkinGroupBox, painting the background), check boxes
// and radio buttons; bordered "Edit" fields (TSkinEdit); "ComboBox" (TSkinComBox);
// "msctls_updown32" (TSkinUpDown); "SysListView32" (TSkinListView); "SysTabControl32"
// (TSkinTab, with a "Tabs" object); "SysDateTimePick32" (TSkinEdit for up-down and time
// pickers, else TSkinDateTime); any other window whose style shows scroll bars
// (TSkinScrollbar). Each needs the same SkinControls bit as its framework counterpart.
// `attachToWindow` is always set. Static texts and unknown classes keep the system look.
TControlSkinDecision DecideWindowSkin(const TBareWindowFacts& facts,
                                      const TControlSkinSettings& settings);

// The class chain (own class first) of a class of our framework, as the decision expects it;
// an unknown class is its own chain.
std::vector<std::string> FrameworkClassChain(const std::string& className);

// A bordered field: neither the client width nor the client height equals the window's.
bool FieldHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);

}  // namespace core
