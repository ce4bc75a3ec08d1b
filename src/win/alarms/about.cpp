#include "win/alarms/about.h"

#include <shellapi.h>

#include "core/alarms/about_links.h"
#include "win/ui/delay_load.h"

namespace alarms {
namespace {

using namespace ui;

class SystemShell : public ShellSeam {
public:
    void Open(HWND owner, const std::string& target) override {
        // The shell's answer is not examined: a link that fails simply opens nothing.
        sys::ShellExecuteA(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
};

SystemShell systemShell;
ShellSeam* currentShell = &systemShell;

constexpr ControlPlace kLayout[] = {
    {"GroupBox1", 16, 8, 273, 145}, {"lblName", 3, 24, 262, 20}, {"Label2", 24, 64, 0, 0},
    {"lblAuthor", 72, 64, 0, 0},    {"Label3", 16, 88, 0, 0},    {"LblWebSite", 72, 88, 0, 0},
    {"Label4", 30, 112, 0, 0},      {"lblEmail", 72, 112, 0, 0}, {"Button1", 208, 160, 75, 25},
};
constexpr int kClientWidth = 309, kClientHeight = 202;
constexpr TColor clBlue = 0xFF0000;

}  // namespace

ShellSeam& Shell() { return *currentShell; }

ShellSeam* SetShell(ShellSeam* seam) {
    ShellSeam* previous = currentShell;
    currentShell = seam ? seam : &systemShell;
    return previous;
}

TfrmAbout::TfrmAbout(TComponent* AOwner) : TDialogForm(AOwner) {
    SetName("frmAbout");
    GroupBox1 = Make<TGroupBox>("GroupBox1", this);
    lblName = Make<TLabel>("lblName", GroupBox1);
    lblName->SetAutoSize(false);
    lblName->SetAlignment(taCenter);
    lblName->Font().SetHeight(-16);
    lblName->Font().SetStyle(fsBold);
    auto link = [this](const char* name) {
        TLabel* l = Make<TLabel>(name, GroupBox1);
        l->Font().SetColor(clBlue);
        l->Font().SetStyle(fsUnderline);
        l->SetCursor(crHandPoint);
        return l;
    };
    Label2 = MakeLabel("Label2", GroupBox1, "Author");
    lblAuthor = MakeLabel("lblAuthor", GroupBox1, "");
    Label3 = MakeLabel("Label3", GroupBox1, "Website");
    LblWebSite = link("LblWebSite");
    Label4 = MakeLabel("Label4", GroupBox1, "Email");
    lblEmail = link("lblEmail");
    Button1 = Make<TButton>("Button1", this);
    Button1->SetCaption("&OK");
    Button1->SetDefault(true);
    Button1->SetCancel(true);

    LblWebSite->OnClick = [this](TObject* s) { LblWebSiteClick(s); };
    lblEmail->OnClick = [this](TObject* s) { lblEmailClick(s); };
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    PlaceControls(kLayout);
    SetClientSize(kClientWidth, kClientHeight);
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    DoCreate();
}

void TfrmAbout::ShowDesign(const core::DesignHeader& header) {
    lblName->SetCaption(header.ClockName());
    lblAuthor->SetCaption(header.Author());
    LblWebSite->SetCaption(header.WebSite());
    lblEmail->SetCaption(header.Email());
}

void TfrmAbout::Button1Click(TObject*) { Close(); }

void TfrmAbout::LblWebSiteClick(TObject*) {
    // The text comes from a design file: only a web address may reach the shell.
    const std::string target = core::WebsiteTarget(LblWebSite->Caption());
    if (!target.empty()) Shell().Open(Handle(), target);
}

void TfrmAbout::lblEmailClick(TObject*) {
    Shell().Open(Handle(), core::EmailTarget(lblEmail->Caption()));
}

// Each About command makes a fresh box, so a closed one is not kept.
void TfrmAbout::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

}  // namespace alarms
