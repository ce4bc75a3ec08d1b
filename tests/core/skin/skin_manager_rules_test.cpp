#include "core/skin/skin_manager_rules.h"

#include <gtest/gtest.h>

#include "core/skin/skin_component_rules.h"

namespace {

using namespace core;

TWindowFacts Form(const std::string& cls = "TfrmAbout") {
    TWindowFacts f;
    f.frameworkForm = true;
    f.className = cls;
    return f;
}

TEST(SkinWindowVerdict, EachTestInItsOrder) {
    const TSkinOptions options = DefaultSkinOptions();
    const auto yes = [](const std::string&) { return true; };
    const auto no = [](const std::string&) { return false; };
    auto verdict = [&](TWindowFacts f, bool enabled = true, bool command = false,
                       TSkinOptions o = DefaultSkinOptions(),
                       std::function<bool(const std::string&)> allow = nullptr) {
        return SkinWindowVerdict(f, enabled, command, o, allow ? allow : yes);
    };
    EXPECT_EQ(verdict(Form()), TSkinVerdict::Skin);
    EXPECT_EQ(verdict(Form(), false), TSkinVerdict::Disabled);

    TWindowFacts f = Form();
    f.answersSkinned = true;
    f.emptyRect = true;
    EXPECT_EQ(verdict(f), TSkinVerdict::AlreadySkinned) << "the earlier test wins";
    f = Form();
    f.hasFormSkin = true;
    EXPECT_EQ(verdict(f), TSkinVerdict::AlreadySkinned);

    f = Form();
    f.child = true;
    f.parentClass = "TPanel";
    EXPECT_EQ(verdict(f), TSkinVerdict::ChildWindow);
    EXPECT_EQ(verdict(f, true, true), TSkinVerdict::Skin) << "command 1 skips the child test";
    f.parentClass = "MDIClient";
    EXPECT_EQ(verdict(f), TSkinVerdict::Skin);
    f.parentClass = "TPanel";
    f.mdiChild = true;
    f.emptyRect = true;
    EXPECT_EQ(verdict(f), TSkinVerdict::Skin) << "MDI children pass the child and size tests";

    TWindowFacts foreign;
    foreign.className = "Edit";
    EXPECT_EQ(verdict(foreign), TSkinVerdict::NotOurs);
    foreign.className = "#32770";
    EXPECT_EQ(verdict(foreign), TSkinVerdict::Skin);
    foreign.className = "Edit";
    foreign.createdByModule = true;
    EXPECT_EQ(verdict(foreign), TSkinVerdict::Skin);

    f = Form();
    f.emptyRect = true;
    EXPECT_EQ(verdict(f), TSkinVerdict::EmptyWindow);
    f = Form();
    f.formTag = 99;
    EXPECT_EQ(verdict(f), TSkinVerdict::FormTag);
    EXPECT_EQ(verdict(Form("TApplication")), TSkinVerdict::ExcludedClass);
    EXPECT_EQ(verdict(Form("XTcxPopupEditPopupWindowY")), TSkinVerdict::ExcludedClass);

    EXPECT_EQ(verdict(Form("TPrintPreviewForm")), TSkinVerdict::Skin) << "xoPreview is a default";
    EXPECT_EQ(verdict(Form("TPrintPreviewForm"), true, false, TSkinOptions{}),
              TSkinVerdict::Preview);
    EXPECT_EQ(verdict(Form(), true, false, options, no), TSkinVerdict::Refused);
}

TEST(SkinWindowVerdict, DefaultOnFormSkin) {
    const TSkinControls controls = DefaultSkinControls();
    EXPECT_FALSE(DefaultFormSkinAllowed("SysMonthCal32", controls));
    EXPECT_TRUE(DefaultFormSkinAllowed("TfrDesigner", controls));
    TSkinControls withReports = controls;
    withReports.Include(xcFastReport);
    EXPECT_FALSE(DefaultFormSkinAllowed("TfrDesigner", withReports));
    EXPECT_TRUE(DefaultFormSkinAllowed("TForm1", withReports));
}

TEST(ChooseSkinData, OwnFormThenDialogThenLastMainThenFirst) {
    const TRegisteredSkinData main1{sfMainform, false, true}, main2{sfMainform, false, true};
    const TRegisteredSkinData dialog{sfDialog, false, true}, only{sfOnlyThisForm, true, true};
    const TRegisteredSkinData otherOnly{sfOnlyThisForm, false, true}, dll{sfDLL, false, true};
    EXPECT_EQ(ChooseSkinData({main1, dialog, main2, only}, "TfrmAbout"), 3);
    EXPECT_EQ(ChooseSkinData({main1, dialog, main2, only}, "#32770"), 3);
    EXPECT_EQ(ChooseSkinData({main1, dialog, main2}, "#32770"), 1);
    EXPECT_EQ(ChooseSkinData({main1, dialog, main2}, "TMessageForm"), 1);
    EXPECT_EQ(ChooseSkinData({main1, dialog, main2}, "TfrmAbout"), 2);
    EXPECT_EQ(ChooseSkinData({main1, main2}, "#32770"), 1);
    EXPECT_EQ(ChooseSkinData({dll, otherOnly}, "TfrmAbout"), 0);
    EXPECT_EQ(ChooseSkinData({}, "TfrmAbout"), -1);
    const TRegisteredSkinData unloaded{sfMainform, false, false};
    EXPECT_EQ(ChooseSkinData({main1, unloaded}, "TfrmAbout"), -1)
        << "the chosen one must have a skin; no other is tried";
}

TEST(SkinCommandQueue, BeforeTheStartSkinAndUnskinOnlySwitch) {
    TSkinCommandQueue q;
    EXPECT_FALSE(q.Queue(scSkin, 250));
    EXPECT_TRUE(q.enabled);
    EXPECT_FALSE(q.Queue(scReapply, 250));
    EXPECT_TRUE(q.enabled);
    EXPECT_FALSE(q.Queue(scUnskin, 250));
    EXPECT_FALSE(q.enabled);
    q.started = true;
    EXPECT_TRUE(q.Queue(scSkin, 250));
    EXPECT_FALSE(q.enabled) << "the command itself switches the manager on when it runs";
    EXPECT_EQ(q.Interval(), 250u);
    EXPECT_EQ(q.Take(), scSkin);
    EXPECT_EQ(q.Take(), scNone);
}

TEST(SkinComponentRules, SwitchingActiveStartsTheManagerEitherWay) {
    // sfMainform: a first switch-off after start-up must unskin the windows, so it starts the
    // manager too.
    TActiveChange c = ActiveChange(sfMainform, false, false);
    EXPECT_TRUE(c.markStarted);
    EXPECT_EQ(c.command, scUnskin);
    c = ActiveChange(sfMainform, true, false);
    EXPECT_TRUE(c.markStarted);
    EXPECT_EQ(c.command, scSkin);
    c = ActiveChange(sfMainform, true, true);
    EXPECT_EQ(c.command, scNone) << "no skin loaded";
    EXPECT_FALSE(c.markStarted);
    EXPECT_EQ(ActiveChange(sfOnlyThisForm, true, false).command, scSkin);
    EXPECT_EQ(ActiveChange(sfOnlyThisForm, false, true).command, scUnskin);
    EXPECT_FALSE(ActiveChange(sfOnlyThisForm, false, false).markStarted);
    EXPECT_EQ(ActiveChange(sfDialog, true, false).command, scNone);
    EXPECT_EQ(ActiveChange(sfDLL, false, false).command, scNone);
}

TEST(SkinComponentRules, LoadedPlans) {
    const TSkinControls defaults = DefaultSkinControls();
    TLoadedPlan p = PlanLoaded(sfMainform, true, false, defaults, true, true);
    EXPECT_TRUE(p.installHook);
    EXPECT_EQ(p.queue, scSkin);
    EXPECT_TRUE(p.active);
    EXPECT_TRUE(p.controls.Has(xcSystemMenu));
    EXPECT_FALSE(p.enableAndStart);

    p = PlanLoaded(sfMainform, true, true, defaults, false, true);
    EXPECT_FALSE(p.active) << "no skin: Active goes off";
    EXPECT_EQ(p.queue, scNone);
    EXPECT_FALSE(p.controls.Has(xcScrollbar));

    TSkinControls noMainMenu = defaults;
    noMainMenu.Exclude(xcMainMenu);
    noMainMenu.Include(xcMenuItem);
    p = PlanLoaded(sfMainform, false, false, noMainMenu, true, true);
    EXPECT_FALSE(p.controls.Has(xcSystemMenu));
    EXPECT_TRUE(p.controls.Has(xcMenuItem));
    TSkinControls both = defaults;
    both.Include(xcMenuItem);
    EXPECT_FALSE(PlanLoaded(sfMainform, false, false, both, true, true).controls.Has(xcMenuItem));

    p = PlanLoaded(sfOnlyThisForm, true, false, defaults, true, true);
    EXPECT_TRUE(p.enableAndStart);
    EXPECT_TRUE(p.skinOwner);
    EXPECT_FALSE(p.installHook);
    EXPECT_FALSE(PlanLoaded(sfDialog, true, false, defaults, true, false).skinOwner);
}

}  // namespace
