#include "win/ui/thread_hook.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace ui {

struct HookDispatch {
    struct Shared {
        ScopedHook hook;
        std::vector<TThreadHook*> owners;  // newest first
    };
    static std::map<int, Shared>& Kinds() {
        static std::map<int, Shared> kinds;
        return kinds;
    }

    template <int Kind>
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        auto& kinds = Kinds();
        auto it = kinds.find(Kind);
        HHOOK hook = it != kinds.end() ? it->second.hook.get() : nullptr;
        if (code < 0 || it == kinds.end())
            return ::CallNextHookEx(hook, code, wParam, lParam);
        // An owner may join or leave while it runs: walk a copy, skipping those that left.
        const std::vector<TThreadHook*> owners = it->second.owners;
        for (TThreadHook* owner : owners) {
            auto now = kinds.find(Kind);
            if (now == kinds.end() ||
                std::find(now->second.owners.begin(), now->second.owners.end(), owner) ==
                    now->second.owners.end())
                continue;
            // A copy: the owner may be freed by its own handler.
            const TThreadHook::Handler handler = owner->handler_;
            bool swallow = false;
            Guarded([&] { swallow = handler(code, wParam, lParam); });
            if (swallow)
                return 1;
        }
        return ::CallNextHookEx(hook, code, wParam, lParam);
    }

    static HOOKPROC ProcFor(int kind) {
        switch (kind) {
            case WH_CBT:
                return &Proc<WH_CBT>;
            case WH_MSGFILTER:
                return &Proc<WH_MSGFILTER>;
            case WH_GETMESSAGE:
                return &Proc<WH_GETMESSAGE>;
            case WH_CALLWNDPROC:
                return &Proc<WH_CALLWNDPROC>;
            default:
                throw std::invalid_argument("TThreadHook: unsupported hook kind");
        }
    }
};

TThreadHook::TThreadHook(int kind, Handler handler) : kind_(kind), handler_(std::move(handler)) {
    HOOKPROC proc = HookDispatch::ProcFor(kind);
    HookDispatch::Shared& shared = HookDispatch::Kinds()[kind];
    if (!shared.hook) {
        shared.hook.reset(::SetWindowsHookExA(kind, proc, nullptr, ::GetCurrentThreadId()));
        if (!shared.hook)
            throw std::runtime_error("Cannot install a window hook");
    }
    shared.owners.insert(shared.owners.begin(), this);
}

TThreadHook::~TThreadHook() {
    auto& kinds = HookDispatch::Kinds();
    auto it = kinds.find(kind_);
    if (it == kinds.end())
        return;
    auto& owners = it->second.owners;
    owners.erase(std::remove(owners.begin(), owners.end(), this), owners.end());
    if (owners.empty())
        kinds.erase(it);  // removes the system hook
}

bool TThreadHook::Installed(int kind) {
    auto& kinds = HookDispatch::Kinds();
    auto it = kinds.find(kind);
    return it != kinds.end() && it->second.hook;
}

}  // namespace ui
