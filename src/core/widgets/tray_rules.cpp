#include "core/widgets/tray_rules.h"

namespace core {

size_t TrayTipLimit(ShellVersion shell) {
    return shell.Modern() ? 127 : 63;
}

std::string NormalizeTrayHint(const std::string& hint, ShellVersion shell) {
    if (shell.Modern())
        return hint;
    std::string out;
    out.reserve(hint.size());
    for (size_t i = 0; i < hint.size(); ++i) {
        if (hint[i] == '\r' && i + 1 < hint.size() && hint[i + 1] == '\n') {
            out += " - ";
            ++i;
        } else {
            out += hint[i];
        }
    }
    return out;
}

std::string TrayTipText(const std::string& hint, ShellVersion shell) {
    std::string tip = hint.substr(0, hint.find('|'));
    if (tip.size() > TrayTipLimit(shell))
        tip.resize(TrayTipLimit(shell));
    return tip;
}

namespace {

struct TrayMessageRow {
    uint32_t message;
    TrayAction modern;  // shell 5.0 and later
    TrayAction old;     // before shell 5.0
    TrayButton button;
};

constexpr TrayMessageRow kTrayMessages[] = {
    {tray_msg::kMouseMove, TrayAction::UpdateTip, TrayAction::UpdateTip, TrayButton::mbLeft},
    {tray_msg::kRButtonUp, TrayAction::None, TrayAction::PopupMenu, TrayButton::mbRight},
    {tray_msg::kLButtonDblClk, TrayAction::DblClick, TrayAction::DblClick, TrayButton::mbLeft},
    {tray_msg::kRButtonDblClk, TrayAction::DblClick, TrayAction::DblClick, TrayButton::mbRight},
    {tray_msg::kMButtonDblClk, TrayAction::DblClick, TrayAction::DblClick, TrayButton::mbMiddle},
    {tray_msg::kContextMenu, TrayAction::PopupMenu, TrayAction::PopupMenu, TrayButton::mbRight},
    {tray_msg::kKeySelect, TrayAction::PopupMenu, TrayAction::PopupMenu, TrayButton::mbLeft},
};

}  // namespace

TrayReaction ClassifyTrayMessage(uint32_t mouseMessage, ShellVersion shell) {
    for (const TrayMessageRow& row : kTrayMessages) {
        if (row.message == mouseMessage)
            return {shell.Modern() ? row.modern : row.old, row.button};
    }
    return {};
}

}  // namespace core
