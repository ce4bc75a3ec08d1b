#pragma once
// The process's one skin manager: it finds windows as they are created and activated (a CBT
// hook on the user-interface thread), decides which ones get a form skin and from which skin
// component, runs the components' delayed commands (skin, unskin, reapply) from a one-shot
// timer, and owns every form skin. A form skin leaves the manager's list when its window is
// destroyed, so the list never holds a skin of a window that is gone.
#include <windows.h>

#include <memory>
#include <vector>

#include "core/skin/menu_skin_rules.h"
#include "core/skin/skin_manager_rules.h"
#include "win/ui/thread_hook.h"
#include "win/ui/timer.h"

namespace skin {

class TFormSkin;
class TPopupMenuSkin;
class TSkinData;

class TSkinManager {
  public:
    // The manager, or nullptr before the first component has loaded.
    static TSkinManager* Instance();
    // Made by the first component that loads; freed when the last one is freed, which gives
    // every window its system frame back.
    static TSkinManager& Need();

    void Register(TSkinData* data);
    void Unregister(TSkinData* data);
    const std::vector<TSkinData*>& Registered() const { return registered_; }
    // The first registered sfMainform component.
    TSkinData* DefaultSkinData() const { return default_; }

    bool Enabled() const { return queue_.enabled; }
    bool Started() const { return queue_.started; }
    void EnableAndStart();
    void SetStarted() { queue_.started = true; }
    // Runs `command` for `data` `delayMs` from now (once the manager has started).
    void QueueCommand(core::TSkinCommand command, unsigned delayMs, TSkinData* data);
    core::TSkinCommand PendingCommand() const { return queue_.Pending(); }

    void InstallHook();
    bool HookInstalled() const { return hook_ != nullptr; }

    // Attaches a form skin to `hwnd` if every test passes; returns whether it did.
    bool SkinWindow(HWND hwnd, bool duringSkinCommand = false);
    TFormSkin* FindSkin(HWND hwnd) const;
    const std::vector<std::unique_ptr<TFormSkin>>& FormSkins() const { return formSkins_; }
    // Frees the form skins whose windows are gone.
    void DropFinished();

    // Popup menu windows ("#32768") of the process, noted as they are created with the kind
    // they were opened as, each with its popup menu skin.
    struct TPopupMenuNote {
        HWND hwnd;
        core::TPopupMenuOrigin origin;
        TSkinData* data;
        std::shared_ptr<TPopupMenuSkin> skin;
    };
    const std::vector<TPopupMenuNote>& PopupMenus() const { return popupMenus_; }
    // The next popup menu window is opened for `origin` (a menu bar item, a system menu).
    void NoteMenuOpening(core::TPopupMenuOrigin origin) { openingOrigin_ = origin; }
    // While set, popup menu windows are left alone (a menu the engine tracks itself).
    void SetTrackingMenu(bool tracking) { trackingMenu_ = tracking; }
    bool TrackingMenu() const { return trackingMenu_; }

    // Called by a form skin whose window is being destroyed.
    void FormSkinFinished(TFormSkin* skin);

    ~TSkinManager();

  private:
    TSkinManager();
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    bool OnCbt(int code, WPARAM wParam, LPARAM lParam);
    void OnTimer();
    void Perform(core::TSkinCommand command, TSkinData* data);
    void SkinForms(TSkinData* data);
    void UnskinForms(TSkinData* data);
    void Reapply(TSkinData* data);
    TSkinData* ChooseFor(HWND hwnd, const std::string& className) const;
    void PopupMenuCreated(HWND hwnd, bool child);
    void PopupMenuDestroyed(HWND hwnd);

    core::TSkinCommandQueue queue_;
    ui::TTimer timer_;
    TSkinData* pending_ = nullptr;
    TSkinData* default_ = nullptr;
    std::vector<TSkinData*> registered_;
    std::vector<std::unique_ptr<TFormSkin>> formSkins_;
    std::vector<std::unique_ptr<TFormSkin>> finished_;  // destroyed windows, freed when idle
    std::vector<TPopupMenuNote> popupMenus_;
    core::TPopupMenuOrigin openingOrigin_ = core::TPopupMenuOrigin::Other;
    bool trackingMenu_ = false;
    bool commandRunning_ = false;
    std::unique_ptr<ui::TThreadHook> hook_;
};

}  // namespace skin
