#pragma once
// The skin component's switches, shared by the form, control and menu skins: which windows a
// component skins, its behaviour options, and which kinds of element it skins. A set holds bit
// n for the n-th value of its enumeration, as the stored form description writes it.
#include <cstdint>
#include <initializer_list>

namespace core {

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

enum TSkinOption : int {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoMDIChildBorder,
    xoMenuBG,
    xoFormScrollbar,
};

enum TSkinControlType : int {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
    kSkinControlTypeCount
};
static_assert(kSkinControlTypeCount == 22, "the stored set has 22 kinds");

// A set of enumeration values, one bit each.
template <typename E>
class TSkinSet {
  public:
    constexpr TSkinSet() = default;
    constexpr explicit TSkinSet(uint32_t bits) : bits_(bits) {}
    constexpr TSkinSet(std::initializer_list<E> values) {
        for (E v : values)
            bits_ |= Bit(v);
    }
    constexpr bool Has(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr void Include(E v) { bits_ |= Bit(v); }
    constexpr void Exclude(E v) { bits_ &= ~Bit(v); }
    constexpr uint32_t Bits() const { return bits_; }
    constexpr bool operator==(TSkinSet o) const { return bits_ == o.bits_; }
    constexpr bool operator!=(TSkinSet o) const { return bits_ != o.bits_; }

  private:
    static constexpr uint32_t Bit(E v) { return uint32_t(1) << static_cast<int>(v); }
    uint32_t bits_ = 0;
};

using TSkinOptions = TSkinSet<TSkinOption>;
using TSkinControls = TSkinSet<TSkinControlType>;

// Defaults of the published properties: every kind but xcMenuItem and xcFastReport, and the
// options xoPreview and xoToolbarBK.
constexpr TSkinControls DefaultSkinControls() {
    TSkinControls set((uint32_t(1) << kSkinControlTypeCount) - 1);
    set.Exclude(xcMenuItem);
    set.Exclude(xcFastReport);
    return set;
}
constexpr TSkinOptions DefaultSkinOptions() {
    return TSkinOptions{xoPreview, xoToolbarBK};
}

// The engine's private window messages; the numbers are fixed.
namespace skinmsg {
constexpr unsigned kRepaintFrame = 13570;      // repaint the frame
constexpr unsigned kSetUp = 13571;             // finish the set-up of a freshly attached window
constexpr unsigned kSetUpLParam = 1000;        // the lParam the set-up message is posted with
constexpr unsigned kControlEnable = 13574;     // wParam > 0: a control skin is enabled
constexpr unsigned kCaptionAction = 13588;     // a caption button with its own action code
constexpr unsigned kCaptionVisible = 13589;    // is a caption button of code 1000-2000 shown?
constexpr unsigned kReplaceScrollbar = 13591;  // wParam: child control whose scroll skin to replace
constexpr unsigned kOpenMenuItem = 13592;      // lParam: screen point of a menu bar item to open
constexpr unsigned kIsSkinned = 13603;         // a skinned window answers 1
constexpr unsigned kEditPaint = 48202;         // edit skins paint the field's content into wParam
constexpr unsigned kEditPaintLParam = 16802;   // the lParam that request carries, and its answer
}  // namespace skinmsg

// Windows and controls whose Tag is this value keep the system look (the DisableTag default).
constexpr int kDefaultDisableTag = 99;

}  // namespace core
