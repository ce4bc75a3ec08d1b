#include "core/skin/skin_manager_rules.h"

#include "core/skin/quick_ini.h"

namespace core {

TSkinVerdict SkinWindowVerdict(const TWindowFacts& f,
                               bool enabled,
                               bool duringSkinCommand,
                               TSkinOptions options,
                               const std::function<bool(const std::string& className)>& allow) {
    if (!enabled)
        return TSkinVerdict::Disabled;
    if (f.answersSkinned || f.hasFormSkin)
        return TSkinVerdict::AlreadySkinned;
    if (!duringSkinCommand && f.child && LowerAscii(f.parentClass) != "mdiclient" && !f.mdiChild)
        return TSkinVerdict::ChildWindow;
    if (!f.frameworkForm && !f.createdByModule && f.className != "#32770")
        return TSkinVerdict::NotOurs;
    if (f.emptyRect && !f.mdiChild)
        return TSkinVerdict::EmptyWindow;
    if (f.frameworkForm && f.formTag == kUnskinnedFormTag)
        return TSkinVerdict::FormTag;
    if (f.className.find("TcxPopupEditPopupWindow") != std::string::npos ||
        f.className == "TApplication")
        return TSkinVerdict::ExcludedClass;
    if (!options.Has(xoPreview) && LowerAscii(f.className).find("preview") != std::string::npos)
        return TSkinVerdict::Preview;
    if (allow && !allow(f.className))
        return TSkinVerdict::Refused;
    return TSkinVerdict::Skin;
}

bool DefaultFormSkinAllowed(const std::string& className, TSkinControls controls) {
    if (className == "SysMonthCal32")
        return false;
    if (controls.Has(xcFastReport) && className.compare(0, 3, "Tfr") == 0)
        return false;
    return true;
}

int ChooseSkinData(const std::vector<TRegisteredSkinData>& registered,
                   const std::string& className) {
    int chosen = -1;
    for (size_t i = 0; i < registered.size() && chosen < 0; ++i)
        if (registered[i].formType == sfOnlyThisForm && registered[i].ownsWindow)
            chosen = int(i);
    const std::string lower = LowerAscii(className);
    auto last = [&](TSkinFormType type) {
        for (size_t i = registered.size(); i-- > 0;)
            if (registered[i].formType == type)
                return int(i);
        return -1;
    };
    if (chosen < 0 && (lower == "tmessageform" || lower == "#32770"))
        chosen = last(sfDialog);
    if (chosen < 0)
        chosen = last(sfMainform);
    if (chosen < 0 && !registered.empty())
        chosen = 0;
    if (chosen >= 0 && !registered[size_t(chosen)].skinLoaded)
        return -1;
    return chosen;
}

bool TSkinCommandQueue::Queue(TSkinCommand command, unsigned delayMs) {
    pending_ = command;
    interval_ = delayMs;
    if (started)
        return true;
    if (command == scSkin)
        enabled = true;
    else if (command == scUnskin)
        enabled = false;
    return false;
}

TSkinCommand TSkinCommandQueue::Take() {
    const TSkinCommand c = pending_;
    pending_ = scNone;
    return c;
}

}  // namespace core
