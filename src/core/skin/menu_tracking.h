#pragma once
// Keyboard and mouse rules while a menu bar item's submenu is tracked. The Win32 message
// filter hook turns what it sees into events; the tracker answers what the hook must do.
#include <vector>

#include "core/skin/menu_bar_layout.h"

namespace core {

enum class TMenuTrackKey { Left, Right, Return, Escape, Alt, Other };

enum class TMenuTrackEventKind {
    Message,     // any other message the hook is called for
    KeyDown,     // `key`
    MenuSelect,  // the selection changed, or (closing) the menu closes
    MouseMove,   // the cursor at (x, y), window coordinates
};

struct TMenuTrackEvent {
    TMenuTrackEventKind kind = TMenuTrackEventKind::Message;
    TMenuTrackKey key = TMenuTrackKey::Other;
    // MenuSelect: the selected item lies in the bar item's own submenu (not deeper), and it
    // opens a submenu of its own; `closing` when the selection message ends the menu.
    bool firstLevel = true;
    bool hasSubmenu = false;
    bool closing = false;
    int x = 0, y = 0;
};

enum class TMenuTrackAction {
    None,         // pass the message on
    OpenItem,     // swallow it, end this submenu and open bar item `item` the same way
    EndTracking,  // end the menu and tracking for the form
};

struct TMenuTrackAnswer {
    bool postDownArrow = false;  // post one Down-arrow key press to the menu window first
    TMenuTrackAction action = TMenuTrackAction::None;
    int item = -1;
    bool operator==(const TMenuTrackAnswer& o) const {
        return postDownArrow == o.postDownArrow && action == o.action && item == o.item;
    }
};

class TMenuBarTracker {
  public:
    // Item `item`'s submenu is about to be tracked. `items` are the bar's items as laid out
    // (window coordinates); (cursorX, cursorY) is where the mouse is now.
    void Begin(const std::vector<TMenuBarItem>& items,
               int item,
               bool rightToLeft,
               int cursorX,
               int cursorY);
    TMenuTrackAnswer Feed(const TMenuTrackEvent& e);

    int Current() const { return current_; }
    // Set once another item is to be opened: the menu's closing then does not end tracking.
    bool MoveMode() const { return moveMode_; }
    bool Ended() const { return ended_; }

  private:
    TMenuTrackAnswer Key(TMenuTrackKey key);
    TMenuTrackAnswer MoveTo(int item);
    // The next item that can be opened, one step forward or back with wrap-around; -1 when
    // the current item is the only one.
    int Step(int direction) const;

    std::vector<TMenuBarItem> items_;
    int current_ = -1;
    bool rightToLeft_ = false;
    bool firstCall_ = false;
    bool moveMode_ = false;
    bool ended_ = false;
    bool firstLevel_ = true;
    bool hasSubmenu_ = false;
    int lastX_ = 0, lastY_ = 0;
};

}  // namespace core
