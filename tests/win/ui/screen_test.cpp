// The list of the program's forms, and the end of loading when a form has been made.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/ui/form.h"
#include "win/ui/screen.h"

namespace {

bool Listed(ui::TForm* form) {
    const auto& list = ui::Screen().FormList();
    return std::find(list.begin(), list.end(), form) != list.end();
}

TEST(Screen, FormsJoinWhenMadeAndLeaveWhenFreedWhoeverOwnsThem) {
    const int before = ui::Screen().FormCount();
    auto* owner = new ui::TForm(nullptr);
    auto* owned = new ui::TForm(owner);
    EXPECT_EQ(ui::Screen().FormCount(), before + 2);
    EXPECT_TRUE(Listed(owned));
    owned->HandleNeeded();
    EXPECT_EQ(ui::Screen().FindForm(owned->Handle()), owned);
    delete owner;  // frees the owned form too
    EXPECT_FALSE(Listed(owned));
    EXPECT_FALSE(Listed(owner));
    EXPECT_EQ(ui::Screen().FormCount(), before);
}

// A component that notes when it is loaded, and whether its property writers were still in
// the loading state.
class Probe : public ui::TComponent {
  public:
    Probe(ui::TComponent* owner, std::vector<std::string>& log, const char* name)
        : ui::TComponent(owner), log_(log) {
        SetName(name);
        log_.push_back(std::string(name) + (Loading() ? " loading" : " live"));
    }

  protected:
    void Loaded() override { log_.push_back(Name() + " loaded"); }

  private:
    std::vector<std::string>& log_;
};

class ProbeForm : public ui::TForm {
  public:
    explicit ProbeForm(std::vector<std::string>& log) : ui::TForm(nullptr), log_(log) {
        auto* outer = new Probe(this, log, "outer");
        new Probe(outer, log, "inner");
        OnCreate = [this](ui::TObject*) { log_.push_back("OnCreate"); };
    }

  private:
    std::vector<std::string>& log_;
};

TEST(Loading, ComponentsAreLoadedOwnedFirstBeforeOnCreateAndOnlyOnce) {
    std::vector<std::string> log;
    ProbeForm form(log);
    EXPECT_TRUE(form.Loading());
    form.DoCreate();
    form.DoCreate();
    EXPECT_FALSE(form.Loading());
    new Probe(&form, log, "late");  // made at run time: never loading, never loaded
    EXPECT_EQ(log, (std::vector<std::string>{"outer loading", "inner loading", "inner loaded",
                                             "outer loaded", "OnCreate", "late live"}));
}

}  // namespace
