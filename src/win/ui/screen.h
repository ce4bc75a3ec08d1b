#pragma once
// The program's forms, whoever owns them: each form joins the list when it is made and leaves
// it when it is freed, so the list never holds a freed form.
#include <windows.h>

#include <vector>

namespace ui {

class TForm;

class TScreen {
  public:
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    // In the order they were made.
    const std::vector<TForm*>& FormList() const { return forms_; }
    // The form whose window is `hwnd`, or nullptr.
    TForm* FindForm(HWND hwnd) const;

  private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);
    std::vector<TForm*> forms_;
};

TScreen& Screen();

}  // namespace ui
