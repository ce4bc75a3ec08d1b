#include "win/app/clock_popup_menu.h"

#include <stdexcept>

#include "core/app/clock_menu.h"

namespace win {

void BuildPopupMenu1(ui::TPopupMenu& menu,
                     ui::TComponent* owner,
                     const ClockMenuHandlers& handlers) {
    for (const core::ClockMenuItem& def : core::kPopupMenu1) {
        auto* item = new ui::TMenuItem(owner);
        item->SetName(def.name);
        item->SetCaption(def.caption);
        item->SetAutoCheck(def.kind == core::MenuItemKind::AutoCheck);
        if (def.handler) {
            auto handler = handlers.find(def.handler);
            if (handler != handlers.end())
                item->OnClick = handler->second;
        }
        menu.Items().Add(item);
    }
}

ui::TMenuItem* FindMenuItem(ui::TPopupMenu& menu, const std::string& name) {
    for (int i = 0; i < menu.Items().Count(); ++i) {
        if (menu.Items().Items(i)->Name() == name)
            return menu.Items().Items(i);
    }
    return nullptr;
}

ui::TMenuItem& FormCommandTarget::Item(const std::string& name) {
    ui::TMenuItem* item = FindMenuItem(menu_, name);
    if (!item)
        throw std::logic_error("PopupMenu1 has no item " + name);
    return *item;
}

void FormCommandTarget::SetStayOnTop(bool onTop) {
    form_.SetFormStyle(onTop ? ui::fsStayOnTop : ui::fsNormal);
}

void FormCommandTarget::ApplyWindowShape() {
    if (applyShape_)
        applyShape_();
}

std::string FormCommandTarget::ItemCaption(const std::string& item) {
    return Item(item).Caption();
}

void FormCommandTarget::SetItemCaption(const std::string& item, const std::string& caption) {
    Item(item).SetCaption(caption);
}

bool FormCommandTarget::ItemChecked(const std::string& item) {
    return Item(item).Checked();
}

}  // namespace win
