// The about box: labels from the design header and the two links through the shell seam.
#include <gtest/gtest.h>

#include "win/alarms/about.h"
#include "win/alarms/dialog_driver.h"
#include "win/app/dialog_commands.h"
#include "win/win_test_support.h"

namespace {

using alarms::TfrmAbout;
using wintest::DialogDriver;
using wintest::VisibleForm;

struct RecordingShell : alarms::ShellSeam {
    RecordingShell() { previous = alarms::SetShell(this); }
    ~RecordingShell() override { alarms::SetShell(previous); }
    void Open(HWND owner, const std::string& target) override {
        owners.push_back(owner);
        targets.push_back(target);
    }
    std::vector<HWND> owners;
    std::vector<std::string> targets;
    alarms::ShellSeam* previous;
};

struct Seen {
    std::string name, author, website, email;
    int nameWidth = 0;
    HWND box = nullptr;
};

// Runs the About command, clicks both links, then OK.
Seen RunAbout(const core::DesignHeader& header) {
    DialogDriver d;
    Seen seen;
    d.Then([&] {
        auto* about = VisibleForm<TfrmAbout>("TfrmAbout");
        if (!about) return false;
        seen = Seen{about->lblName->Caption(), about->lblAuthor->Caption(),
                    about->LblWebSite->Caption(), about->lblEmail->Caption(),
                    about->lblName->Width(), about->Handle()};
        wintest::ClickControl(about->LblWebSite);
        wintest::ClickControl(about->lblEmail);
        return true;
    });
    d.Hold();
    d.Then([] {
        auto* about = VisibleForm<TfrmAbout>("TfrmAbout");
        if (!about) return false;
        wintest::PostClick(about->Button1);
        return true;
    });
    app::About1Click(nullptr, header);
    wintest::Pump(60);
    EXPECT_TRUE(d.Finished());
    EXPECT_EQ(::FindWindowA("TfrmAbout", nullptr), nullptr);  // freed after closing
    return seen;
}

TEST(AboutBoxTest, ShowsTheDesignAndOpensWebsiteAndMail) {
    RecordingShell shell;
    core::DesignHeader header;
    std::string longName(64, 'N');
    std::copy(longName.begin(), longName.end(), header.bytes.begin() + 5);  // no terminator
    header.SetAuthor("Jo Maker");
    header.SetWebSite("http://clocks.example.com/");
    header.SetEmail("jo@example.com");
    EXPECT_EQ(header.ClockName(), longName);
    Seen seen = RunAbout(header);
    EXPECT_EQ(seen.name, longName);
    EXPECT_EQ(seen.nameWidth, 262);  // fixed size, not sized to the text
    EXPECT_EQ(seen.author, "Jo Maker");
    EXPECT_EQ(seen.website, "http://clocks.example.com/");
    EXPECT_EQ(seen.email, "jo@example.com");
    ASSERT_EQ(shell.targets.size(), 2u);
    EXPECT_EQ(shell.targets[0], "http://clocks.example.com/");
    EXPECT_EQ(shell.targets[1], "mailto:jo@example.com");
    EXPECT_EQ(shell.owners[0], seen.box);
}

TEST(AboutBoxTest, AWebsiteTextThatIsNoWebAddressOpensNothing) {
    RecordingShell shell;
    core::DesignHeader header;
    header.SetClockName("Evil");
    header.SetWebSite("C:\\Windows\\system32\\calc.exe");
    header.SetEmail("x@y.z");
    Seen seen = RunAbout(header);
    EXPECT_EQ(seen.website, "C:\\Windows\\system32\\calc.exe");  // shown, but not opened
    ASSERT_EQ(shell.targets.size(), 1u);
    EXPECT_EQ(shell.targets[0], "mailto:x@y.z");

    header.SetWebSite("www.example.org");
    RunAbout(header);
    ASSERT_EQ(shell.targets.size(), 3u);
    EXPECT_EQ(shell.targets[1], "http://www.example.org");
}

TEST(AboutBoxTest, LayoutAndLinkLook) {
    auto* about = new TfrmAbout(nullptr);
    EXPECT_EQ(about->ClientWidth(), 309);
    EXPECT_EQ(about->ClientHeight(), 202);
    EXPECT_EQ(about->Caption(), "");
    EXPECT_EQ(about->lblName->Font().Height(), -16);
    EXPECT_EQ(about->lblName->Font().Style(), ui::fsBold);
    EXPECT_EQ(about->LblWebSite->Font().Color(), 0xFF0000);
    EXPECT_EQ(about->lblEmail->Font().Style(), ui::fsUnderline);
    EXPECT_EQ(about->Label2->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(about->lblAuthor->Left(), 72);
    about->lblAuthor->SetCaption("A much longer author name");
    const int wide = about->lblAuthor->Width();
    about->lblAuthor->SetCaption("A");
    EXPECT_LT(about->lblAuthor->Width(), wide);  // sized to its text
    EXPECT_EQ(about->GroupBox1->ClassName(), "TGroupBox");
    delete about;
}

}  // namespace
