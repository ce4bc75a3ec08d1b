#pragma once
// PopupMenu1 built from its table on the framework's popup menu, and the clock window's
// commands seen through a form and that menu.
#include <functional>
#include <map>
#include <string>

#include "win/app/clock_commands.h"
#include "win/ui/form.h"
#include "win/ui/popup_menu.h"

namespace win {

// Handlers by name ("Hide1Click"); items whose handler is not given get no OnClick.
using ClockMenuHandlers = std::map<std::string, ui::TNotifyEvent>;

// Adds the nine items to `menu`, owned by `owner` and named as in the table.
void BuildPopupMenu1(ui::TPopupMenu& menu,
                     ui::TComponent* owner,
                     const ClockMenuHandlers& handlers);

// The item of that name in `menu`, or null.
ui::TMenuItem* FindMenuItem(ui::TPopupMenu& menu, const std::string& name);

// The clock window's side of the commands over a form and its popup menu.
class FormCommandTarget : public ClockCommandTarget {
  public:
    FormCommandTarget(ui::TForm& form, ui::TPopupMenu& menu, std::function<void()> applyShape)
        : form_(form), menu_(menu), applyShape_(std::move(applyShape)) {}
    bool Visible() override { return form_.Visible(); }
    void SetVisible(bool visible) override { form_.SetVisible(visible); }
    void SetStayOnTop(bool onTop) override;
    void ApplyWindowShape() override;
    void Close() override { form_.Close(); }
    std::string ItemCaption(const std::string& item) override;
    void SetItemCaption(const std::string& item, const std::string& caption) override;
    bool ItemChecked(const std::string& item) override;

  private:
    ui::TMenuItem& Item(const std::string& name);

    ui::TForm& form_;
    ui::TPopupMenu& menu_;
    std::function<void()> applyShape_;
};

}  // namespace win
