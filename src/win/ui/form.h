#pragma once
// Top-level windows owned by the application window.
#include <windows.h>

#include <functional>

#include "win/ui/win_control.h"

namespace ui {

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// Posted to a form by Release: frees it once the handlers on the stack have returned.
constexpr UINT CM_RELEASE = WM_APP + 0x100;

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;
    std::string ClassName() const override { return "TForm"; }

    // Runs OnCreate once. An error in it is shown in the error box and creation carries on;
    // a request to end the program (TApplication::Halt) passes through.
    void DoCreate();
    // Runs OnDestroy once. A form class whose handlers use its own members calls this first in
    // its destructor, while those members still live.
    void DoDestroy();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool v);
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& v) { SetText(v); }
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    void SetClientSize(int width, int height);
    // The menu bar the window shows; nullptr for none. The window follows every change to the
    // menu's items (CM_MENUCHANGED, which a window skin sees first).
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    void Close();
    // Shows the form, disables the program's other windows and runs the message loop until
    // ModalResult is set (timers keep ticking). Returns ModalResult.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    bool Modal() const { return modal_; }
    // Frees the form after the current message.
    void Release();
    // Moves the visible controls together to the top-left corner and fits the window to them.
    void ApplyAutoSize();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;  // every time the form becomes visible
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

  protected:
    void CreateParams(WindowParams& params) override;
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void VisibleChanged() override;
    void BoundsChanged() override;
    void ControlChanged(TControl* child) override;
    void HandleDestroyed() override;
    void Notification(TComponent* component) override;

  private:
    DWORD StyleBits() const;
    DWORD ExStyleBits() const;
    void ApplyLayered();
    TCloseAction CloseAction();

    TFormBorderStyle borderStyle_ = bsSizeable;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 255;
    bool autoSize_ = false;
    bool inAutoSize_ = false;
    TFormStyle formStyle_ = fsNormal;
    TPosition position_ = poDesigned;
    bool positioned_ = false;
    bool created_ = false;
    bool destroyed_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    TMainMenu* menu_ = nullptr;
};

}  // namespace ui
