#include "core/skin/menu_tracking.h"

namespace core {

void TMenuBarTracker::Begin(const std::vector<TMenuBarItem>& items,
                            int item,
                            bool rightToLeft,
                            int cursorX,
                            int cursorY) {
    items_ = items;
    current_ = item;
    rightToLeft_ = rightToLeft;
    firstCall_ = true;
    moveMode_ = ended_ = false;
    // Until a selection says otherwise, nothing deeper than the submenu itself is open.
    firstLevel_ = true;
    hasSubmenu_ = false;
    lastX_ = cursorX;
    lastY_ = cursorY;
}

TMenuTrackAnswer TMenuBarTracker::Feed(const TMenuTrackEvent& e) {
    TMenuTrackAnswer answer;
    if (firstCall_) {
        firstCall_ = false;
        answer.postDownArrow = true;
    }
    if (ended_)
        return answer;
    TMenuTrackAnswer step;
    switch (e.kind) {
        case TMenuTrackEventKind::Message:
            break;
        case TMenuTrackEventKind::KeyDown:
            step = Key(e.key);
            break;
        case TMenuTrackEventKind::MenuSelect:
            if (!e.closing) {
                firstLevel_ = e.firstLevel;
                hasSubmenu_ = e.hasSubmenu;
            } else if (!moveMode_) {
                ended_ = true;
                step.action = TMenuTrackAction::EndTracking;
            }
            break;
        case TMenuTrackEventKind::MouseMove: {
            // Menus report the cursor again when they open or scroll: only a real move counts.
            const bool moved = e.x != lastX_ || e.y != lastY_;
            lastX_ = e.x;
            lastY_ = e.y;
            if (moved)
                step = MoveTo(MenuBarItemAt(items_, e.x, e.y));
            break;
        }
    }
    answer.action = step.action;
    answer.item = step.item;
    return answer;
}

TMenuTrackAnswer TMenuBarTracker::Key(TMenuTrackKey key) {
    switch (key) {
        case TMenuTrackKey::Left:
        case TMenuTrackKey::Right: {
            // In a right-to-left menu the arrows trade places, and so do their conditions:
            // "back" leaves the bar item only from its first level, "forward" only from an
            // item that opens no submenu of its own.
            const bool forward = (key == TMenuTrackKey::Right) != rightToLeft_;
            if (forward ? hasSubmenu_ : !firstLevel_)
                return TMenuTrackAnswer{};
            return MoveTo(Step(forward ? 1 : -1));
        }
        case TMenuTrackKey::Return:
        case TMenuTrackKey::Escape:
            moveMode_ = false;
            return TMenuTrackAnswer{};
        case TMenuTrackKey::Alt: {
            ended_ = true;
            TMenuTrackAnswer answer;
            answer.action = TMenuTrackAction::EndTracking;
            return answer;
        }
        case TMenuTrackKey::Other:
            break;
    }
    return TMenuTrackAnswer{};
}

TMenuTrackAnswer TMenuBarTracker::MoveTo(int item) {
    TMenuTrackAnswer answer;
    // One move per submenu: until the next one begins, further moves would open twice.
    if (moveMode_ || item < 0 || item == current_)
        return answer;
    moveMode_ = true;
    answer.action = TMenuTrackAction::OpenItem;
    answer.item = item;
    return answer;
}

int TMenuBarTracker::Step(int direction) const {
    const int n = int(items_.size());
    for (int k = 1; k < n; ++k) {
        const int i = ((current_ + direction * k) % n + n) % n;
        if (items_[size_t(i)].visible && items_[size_t(i)].hasCaption)
            return i;
    }
    return -1;
}

}  // namespace core
