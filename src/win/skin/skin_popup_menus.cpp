#include "win/skin/skin_popup_menus.h"

#include "core/skin/menu_skin_rules.h"
#include "core/skin/menu_text.h"
#include "win/skin/form_skin.h"
#include "win/skin/menu_item_painter.h"
#include "win/skin/skin_data_component.h"

namespace skin {

namespace {

TMenuItemView ViewOf(const ui::TMenuItem& item, core::TMenuKind kind) {
    TMenuItemView v;
    v.kind = kind;
    const auto texts = core::SplitMenuShortcut(WideMenuText(item.Caption()));
    v.caption = texts.first;
    v.shortcut = texts.second;
    v.separator = item.IsSeparator();
    v.enabled = item.Enabled();
    v.checked = item.Checked();
    v.hasSubmenu = item.Count() > 0;
    v.isDefault = item.Default();
    v.glyph = item.ImageIndex();
    const ui::TMenu* menu = item.Menu();
    if (const ui::TImageList* images = menu ? menu->Images() : nullptr) {
        v.images = &images->Strip();
        v.imageWidth = images->Width();
        v.imageHeight = images->Height();
    }
    return v;
}

// The skin's handlers are of their own types, so that undoing finds exactly them.
struct TSkinDrawHandler {
    TSkinData* data;
    core::TMenuKind kind;
    void operator()(ui::TObject* sender, HDC dc, const RECT& rect, UINT state) const {
        auto* item = dynamic_cast<ui::TMenuItem*>(sender);
        if (!item)
            return;
        try {
            TMenuItemView v = ViewOf(*item, kind);
            v.hideAccel = (state & ODS_NOACCEL) != 0;
            DrawSkinMenuItem(dc, rect, v, (state & ODS_SELECTED) != 0, *data);
        } catch (...) {
            // Painting errors stay inside the skin.
        }
    }
};

struct TSkinMeasureHandler {
    TSkinData* data;
    core::TMenuKind kind;
    void operator()(ui::TObject* sender, HDC, int& width, int& height) const {
        auto* item = dynamic_cast<ui::TMenuItem*>(sender);
        if (!item)
            return;
        const SIZE s = SkinMeasureOver(SIZE{width, height}, ViewOf(*item, kind), *data);
        width = s.cx;
        height = s.cy;
    }
};

bool OursDraw(const ui::TMenuItem& item) {
    return item.OnDrawItem.target<TSkinDrawHandler>() != nullptr;
}
bool OursMeasure(const ui::TMenuItem& item) {
    return item.OnMeasureItem.target<TSkinMeasureHandler>() != nullptr;
}

void GiveHandlers(ui::TMenuItem& parent, core::TMenuKind kind, TSkinData& data) {
    for (int i = 0; i < parent.Count(); ++i) {
        ui::TMenuItem& item = *parent.Items(i);
        const core::TMenuItemHandlers h =
            core::SkinMenuItemHandlers(kind, item.Depth(), item.OnDrawItem && !OursDraw(item),
                                       item.OnMeasureItem && !OursMeasure(item));
        if (h.draw)
            item.OnDrawItem = TSkinDrawHandler{&data, kind};
        if (h.measure)
            item.OnMeasureItem = TSkinMeasureHandler{&data, kind};
        GiveHandlers(item, kind, data);
    }
}

bool TakeHandlers(ui::TMenuItem& parent) {
    bool any = false;
    for (int i = 0; i < parent.Count(); ++i) {
        ui::TMenuItem& item = *parent.Items(i);
        if (OursDraw(item)) {
            item.OnDrawItem = nullptr;
            any = true;
        }
        if (OursMeasure(item)) {
            item.OnMeasureItem = nullptr;
            any = true;
        }
        any = TakeHandlers(item) || any;
    }
    return any;
}

// Every menu of `kind` owned by the form and by the forms it owns, with its form.
template <typename Menu, typename F>
void ForEachMenu(ui::TComponent& owner, ui::TForm& form, F&& f) {
    for (ui::TComponent* c : owner.Components()) {
        if (auto* menu = dynamic_cast<Menu*>(c))
            f(*menu, form);
        else if (auto* owned = dynamic_cast<ui::TForm*>(c))
            ForEachMenu<Menu>(*owned, *owned, f);
    }
}

template <typename Menu>
void Skin(TFormSkin& skin, core::TMenuKind kind) {
    ui::TForm* form = skin.Form();
    if (!form)
        return;
    TSkinData& data = skin.SkinData();
    ForEachMenu<Menu>(*form, *form, [&](Menu& menu, ui::TForm& owner) {
        if (!core::SkinsFrameworkMenu(kind, menu.Tag(), data.DisableTag(), data.SkinControls(),
                                      owner.ClassName()))
            return;
        menu.SetOwnerDraw(true);
        GiveHandlers(menu.Items(), kind, data);
    });
}

template <typename Menu>
void Unskin(TFormSkin& skin) {
    ui::TForm* form = skin.Form();
    if (!form)
        return;
    ForEachMenu<Menu>(*form, *form, [](Menu& menu, ui::TForm&) {
        if (TakeHandlers(menu.Items()))
            menu.SetOwnerDraw(false);
    });
}

}  // namespace

void SkinPopupMenus(TFormSkin& form) {
    Skin<ui::TPopupMenu>(form, core::TMenuKind::PopupMenu);
}

void UnskinPopupMenus(TFormSkin& form) {
    Unskin<ui::TPopupMenu>(form);
}

void SkinMainMenu(TFormSkin& form) {
    Skin<ui::TMainMenu>(form, core::TMenuKind::MainMenu);
}

void UnskinMainMenu(TFormSkin& form) {
    Unskin<ui::TMainMenu>(form);
}

}  // namespace skin
