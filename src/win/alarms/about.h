#pragma once
// TfrmAbout: the design's name, author, website and e-mail address, with the two links.
#include <windows.h>

#include <string>

#include "core/app/clock_design.h"
#include "win/ui/dialog_form.h"

namespace alarms {

// Every link the program opens goes through this seam, so tests can record the calls.
class ShellSeam {
public:
    virtual ~ShellSeam() = default;
    // Opens `target` with the shell's default action.
    virtual void Open(HWND owner, const std::string& target) = 0;
};
// The seam in use (ShellExecuteA unless one was installed).
ShellSeam& Shell();
// Installs `seam` (nullptr puts the system's back) and returns the one it replaces.
ShellSeam* SetShell(ShellSeam* seam);

class TfrmAbout final : public ui::TDialogForm {
public:
    explicit TfrmAbout(ui::TComponent* AOwner);
    std::string ClassName() const override { return "TfrmAbout"; }

    // Sets the four labels from the design header, in the order name, author, website, e-mail.
    void ShowDesign(const core::DesignHeader& header);

    void Button1Click(ui::TObject* Sender);
    void LblWebSiteClick(ui::TObject* Sender);
    void lblEmailClick(ui::TObject* Sender);
    void FormClose(ui::TObject* Sender, ui::TCloseAction& Action);

    ui::TGroupBox* GroupBox1;
    ui::TLabel *lblName, *Label2, *lblAuthor, *Label3, *LblWebSite, *Label4, *lblEmail;
    ui::TButton* Button1;
};

}  // namespace alarms
