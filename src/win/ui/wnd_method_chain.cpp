#include "win/ui/wnd_method_chain.h"

#include <algorithm>
#include <utility>

namespace ui {

struct TWndMethodChain::Entry {
    Handler handler;
    bool joined = true;
};

struct TWndMethodChain::State {
    std::vector<std::shared_ptr<Entry>> entries;  // head first
    TWndMethod last;
    std::function<void()> onEmpty;
};

// What one message walks: the entries as they were when it arrived (a handler joining on the
// way does not see this message), and the state, kept alive while the message is on its way.
struct TWndMethodChain::Snapshot {
    std::vector<std::shared_ptr<Entry>> entries;
    std::shared_ptr<State> state;
};

TWndMethodChain::TWndMethodChain(TWndMethod last) : state_(std::make_shared<State>()) {
    state_->last = std::move(last);
}

LRESULT TWndMethodChain::operator()(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (state_->entries.empty())
        return state_->last(msg, wParam, lParam);
    const Snapshot snapshot{state_->entries, state_};
    return Run(snapshot, 0, msg, wParam, lParam);
}

LRESULT TWndMethodChain::Run(const Snapshot& s,
                             size_t index,
                             UINT msg,
                             WPARAM wParam,
                             LPARAM lParam) {
    while (index < s.entries.size() && !s.entries[index]->joined)
        ++index;
    if (index == s.entries.size())
        return s.state->last(msg, wParam, lParam);
    const Next next(s, index + 1);
    // The entry is held by the snapshot, so its handler survives leaving the chain meanwhile.
    return s.entries[index]->handler(msg, wParam, lParam, next);
}

LRESULT TWndMethodChain::Next::operator()(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return Run(snapshot_, index_, msg, wParam, lParam);
}

TWndMethodChain::Link TWndMethodChain::InsertHead(Handler handler) {
    Link link;
    link.entry_ = std::make_shared<Entry>();
    link.entry_->handler = std::move(handler);
    link.state_ = state_;
    state_->entries.insert(state_->entries.begin(), link.entry_);
    return link;
}

bool TWndMethodChain::Empty() const {
    return state_->entries.empty();
}

void TWndMethodChain::SetOnEmpty(std::function<void()> onEmpty) {
    state_->onEmpty = std::move(onEmpty);
}

TWndMethodChain::Link& TWndMethodChain::Link::operator=(Link&& o) noexcept {
    if (this != &o) {
        Leave();
        state_ = std::move(o.state_);
        entry_ = std::move(o.entry_);
    }
    return *this;
}

void TWndMethodChain::Link::Leave() {
    if (!entry_)
        return;
    entry_->joined = false;
    std::shared_ptr<Entry> entry = std::move(entry_);
    std::shared_ptr<State> state = state_.lock();
    state_.reset();
    if (!state)
        return;
    auto& list = state->entries;
    list.erase(std::remove(list.begin(), list.end(), entry), list.end());
    if (list.empty() && state->onEmpty)
        state->onEmpty();
}

bool TWndMethodChain::Link::Joined() const {
    return entry_ && entry_->joined && !state_.expired();
}

}  // namespace ui
