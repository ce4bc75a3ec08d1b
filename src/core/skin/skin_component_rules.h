#pragma once
// The skin component's rules: what switching Active does and what happens when the form it
// sits on has been loaded.
#include "core/skin/skin_manager_rules.h"
#include "core/skin/skin_options.h"

namespace core {

struct TActiveChange {
    bool markStarted = false;  // the manager starts running its commands (before this one)
    TSkinCommand command = scNone;
};
// Active changed at run time to `value`.
TActiveChange ActiveChange(TSkinFormType type, bool value, bool noSkin);

struct TLoadedPlan {
    TSkinControls controls;
    bool active = false;
    bool installHook = false;     // the manager's window-creation hook
    TSkinCommand queue = scNone;  // queued with 250 ms
    bool enableAndStart = false;  // the manager is switched on and running at once
    bool skinOwner = false;       // the owning form is skinned at once
};
// `scrollBarInfo`: the system has the scroll-bar information function.
TLoadedPlan PlanLoaded(TSkinFormType type,
                       bool active,
                       bool noSkin,
                       TSkinControls controls,
                       bool scrollBarInfo,
                       bool ownerIsForm);

// The delay of every queued command.
constexpr unsigned kSkinCommandDelay = 250;

}  // namespace core
