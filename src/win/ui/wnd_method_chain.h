#pragma once
// A chain of message handlers ending in a fixed last handler. Handlers join at the head and
// leave in any order; a message runs from the head, and each handler decides whether the rest
// of the chain runs. A handler that leaves while a message is on its way is skipped from then
// on; the message still reaches the rest of the chain.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace ui {

using TWndMethod = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

class TWndMethodChain {
    struct Entry;
    struct State;
    struct Snapshot;

  public:
    // The part of the chain below one handler.
    class Next {
      public:
        LRESULT operator()(UINT msg, WPARAM wParam, LPARAM lParam) const;

      private:
        friend class TWndMethodChain;
        Next(const Snapshot& snapshot, size_t index) : snapshot_(snapshot), index_(index) {}
        const Snapshot& snapshot_;
        size_t index_;
    };
    using Handler =
        std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam, const Next& next)>;

    // A handler's place in the chain: it leaves when the link ends or on Leave. A link may
    // outlive its chain.
    class Link {
      public:
        Link() = default;
        ~Link() { Leave(); }
        Link(const Link&) = delete;
        Link& operator=(const Link&) = delete;
        Link(Link&& o) noexcept : state_(std::move(o.state_)), entry_(std::move(o.entry_)) {}
        Link& operator=(Link&& o) noexcept;
        void Leave();
        bool Joined() const;

      private:
        friend class TWndMethodChain;
        std::weak_ptr<State> state_;
        std::shared_ptr<Entry> entry_;
    };

    explicit TWndMethodChain(TWndMethod last);
    TWndMethodChain(const TWndMethodChain&) = delete;
    TWndMethodChain& operator=(const TWndMethodChain&) = delete;

    LRESULT operator()(UINT msg, WPARAM wParam, LPARAM lParam) const;
    [[nodiscard]] Link InsertHead(Handler handler);
    bool Empty() const;
    // Runs each time the last handler leaves.
    void SetOnEmpty(std::function<void()> onEmpty);

  private:
    static LRESULT Run(const Snapshot& s, size_t index, UINT msg, WPARAM wParam, LPARAM lParam);
    std::shared_ptr<State> state_;
};

}  // namespace ui
