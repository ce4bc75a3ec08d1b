#include "core/skin/frame_rules.h"

#include <algorithm>

#include "core/skin/quick_ini.h"

namespace core {

bool IsDialogClass(const std::string& className) {
    const std::string lower = LowerAscii(className);
    return lower == "#32770" || lower == "tmessageform";
}

TFrameKind FrameKindOf(uint32_t style, uint32_t exStyle, const std::string& className) {
    TFrameKind kind = fkSingle;
    if ((style & winbits::kCaption) != winbits::kCaption)
        kind = fkNone;
    else if (style & winbits::kThickFrame)
        kind = fkSizeable;
    else if (style & winbits::kDsModalFrame)
        kind = fkDialog;
    if ((exStyle & winbits::kExDlgModalFrame) || IsDialogClass(className))
        kind = fkDialog;
    return kind;
}

TBorderIcons BorderIconsOf(uint32_t style,
                           uint32_t exStyle,
                           bool hasSystemMenu,
                           bool owned,
                           const TSystemVersion& version) {
    TBorderIcons icons;
    icons.systemMenu = (style & winbits::kSysMenu) != 0 || hasSystemMenu;
    icons.minimize = (style & winbits::kMinimizeBox) != 0;
    icons.maximize = (style & winbits::kMaximizeBox) != 0;
    const bool mdiChild = (exStyle & winbits::kExMdiChild) != 0;
    if (version.ntFamily && version.major > 4 && version.minor == 0)
        icons.captionToggle = (exStyle & winbits::kExAppWindow) != 0 || (!owned && !mdiChild);
    return icons;
}

TFrameMetrics FrameMetricsOf(const TSkinData& skin, TFrameKind kind) {
    TFrameMetrics m;
    if (kind == fkNone)
        return m;
    auto frames = [](const TDataSkinObject& o) { return std::max(1, o.FrameCount); };
    const TDataSkinObject& left = skin.Border(0);
    const TDataSkinObject& right = skin.Border(1);
    const TDataSkinObject& top = skin.Border(2);
    const TDataSkinObject& bottom = skin.Border(3);
    m.caption = top.Picture.height / frames(top);
    m.left = left.Picture.width / frames(left);
    m.right = right.Picture.width / frames(right);
    m.bottom = bottom.Picture.height / frames(bottom);
    return m;
}

TSkinnedSize SkinnedWindowSize(int clientWidth,
                               int clientHeight,
                               const TFrameMetrics& m,
                               bool countMenuBar,
                               TFrameKind kind,
                               int captionTextWidth,
                               const TDataSkinTitle& title) {
    TSkinnedSize s;
    s.width = clientWidth + m.left + m.right;
    s.height = clientHeight + m.caption + m.bottom + (countMenuBar ? m.menuBar : 0);
    if (kind == fkDialog) {
        const int needed = captionTextWidth + title.LeftWidth + title.RightWidth;
        if (needed > s.width) {
            s.childShift = (needed - s.width) / 2;
            s.width = needed;
        }
    }
    return s;
}

int SkinHitTest(int systemCode, int y, int captionHeight, bool hasMenuBar) {
    if (systemCode != hit::kNowhere && systemCode != hit::kCaption)
        return systemCode;
    int code = systemCode;
    if (y > 3)
        code = hit::kCaption;
    if (hasMenuBar && y >= captionHeight)
        code = hit::kMenu;
    return code;
}

bool IsIconAction(int action) {
    return action == 3 || action == 11;
}

TFrameCommand CaptionButtonCommand(int action, TWindowState state) {
    switch (action) {
        case 0:
            return TFrameCommand::Close;
        case 1:
        case 22:
            return state == wsMaximized ? TFrameCommand::Restore : TFrameCommand::Maximize;
        case 2:
        case 23:
            return state == wsMinimized ? TFrameCommand::Restore : TFrameCommand::Minimize;
        case 3:
        case 11:
        case 12:
            return TFrameCommand::SystemMenu;
        case 7:
        case 60:
            return TFrameCommand::MdiMinimize;
        case 8:
        case 61:
            return TFrameCommand::MdiRestore;
        case 9:
        case 62:
            return TFrameCommand::MdiClose;
        default:
            return TFrameCommand::PostAction;
    }
}

TFrameCommand FrameDoubleClickCommand(bool onIconButton, TWindowState state, bool maximizeBox) {
    if (onIconButton)
        return TFrameCommand::Close;
    if (state != wsNormal)
        return TFrameCommand::Restore;
    if (maximizeBox)
        return TFrameCommand::Maximize;
    return TFrameCommand::None;
}

}  // namespace core
