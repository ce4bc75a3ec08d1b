#include "core/skin/skin_component_rules.h"

namespace core {

TActiveChange ActiveChange(TSkinFormType type, bool value, bool noSkin) {
    TActiveChange change;
    switch (type) {
        case sfMainform:
            // The manager starts running commands with the first switch either way: else the
            // first switch-off after start-up would only stop new windows from being skinned
            // and leave the skinned ones as they are.
            if (value && noSkin)
                return change;
            change.markStarted = true;
            change.command = value ? scSkin : scUnskin;
            return change;
        case sfOnlyThisForm:
            if (value && noSkin)
                return change;
            change.command = value ? scSkin : scUnskin;
            return change;
        default:
            return change;
    }
}

TLoadedPlan PlanLoaded(TSkinFormType type,
                       bool active,
                       bool noSkin,
                       TSkinControls controls,
                       bool scrollBarInfo,
                       bool ownerIsForm) {
    TLoadedPlan plan;
    plan.controls = controls;
    plan.active = active;
    if (!scrollBarInfo)
        plan.controls.Exclude(xcScrollbar);
    if (type == sfMainform) {
        plan.installHook = true;
        if (active && noSkin)
            plan.active = false;
        else if (active)
            plan.queue = scSkin;
        if (plan.controls.Has(xcMainMenu))
            plan.controls.Exclude(xcMenuItem);
        else
            plan.controls.Exclude(xcSystemMenu);
        return plan;
    }
    plan.enableAndStart = true;
    plan.skinOwner = ownerIsForm && active;
    return plan;
}

}  // namespace core
