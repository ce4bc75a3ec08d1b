#pragma once
// The skin manager's decisions: whether a window gets a form skin (the tests in their order),
// which skin component skins it, and when a queued command runs.
#include <functional>
#include <string>
#include <vector>

#include "core/skin/skin_options.h"

namespace core {

// What the manager reads of a window before it skins it.
struct TWindowFacts {
    bool answersSkinned = false;  // answers 1 to message 13,603
    bool hasFormSkin = false;
    bool child = false;  // has the child style
    std::string parentClass;
    bool mdiChild = false;       // has the MDI-child extended style
    bool frameworkForm = false;  // one of the program's forms
    bool createdByModule = false;
    std::string className;
    bool emptyRect = false;
    int formTag = 0;  // read only for a framework form
};

// The first test a window fails, in the order they are made; Skin when it passes them all.
enum class TSkinVerdict {
    Skin,
    Disabled,
    AlreadySkinned,
    ChildWindow,
    NotOurs,
    EmptyWindow,
    FormTag,
    ExcludedClass,
    Preview,
    Refused,
};
// `allow` is the component's OnFormSkin (or its default), asked last. Test 3 (child windows)
// is skipped while command 1 skins the forms.
TSkinVerdict SkinWindowVerdict(const TWindowFacts& f,
                               bool enabled,
                               bool duringSkinCommand,
                               TSkinOptions options,
                               const std::function<bool(const std::string& className)>& allow);

// A form with this tag keeps its system frame.
constexpr int kUnskinnedFormTag = 99;

// OnFormSkin without a handler: month calendars are left alone, and with xcFastReport the
// report designer's windows.
bool DefaultFormSkinAllowed(const std::string& className, TSkinControls controls);

struct TRegisteredSkinData {
    TSkinFormType formType = sfMainform;
    bool ownsWindow = false;  // its owner is the window being skinned
    bool skinLoaded = false;
};
// Index (in registration order) of the component that skins a window of `className`, or -1
// when there is none or the chosen one has no skin loaded.
int ChooseSkinData(const std::vector<TRegisteredSkinData>& registered,
                   const std::string& className);

enum TSkinCommand : int { scNone = 0, scSkin = 1, scUnskin = 2, scReapply = 3, scDropFinished = 6 };

// The manager's pending command and its one-shot timer.
class TSkinCommandQueue {
  public:
    // Stores the command; returns whether the timer is to run for `delayMs`. Until the manager
    // has started, commands 1 and 2 only switch it on and off.
    bool Queue(TSkinCommand command, unsigned delayMs);
    // The command the timer runs (the timer has stopped); none after it was taken.
    TSkinCommand Take();
    TSkinCommand Pending() const { return pending_; }
    unsigned Interval() const { return interval_; }

    bool enabled = false;
    bool started = false;

  private:
    TSkinCommand pending_ = scNone;
    unsigned interval_ = 100;
};

}  // namespace core
