// Components, controls and forms: ownership, property writes, auto-size, tab order.
#include <gtest/gtest.h>

#include "win/ui/application.h"
#include "win/ui/image.h"
#include "win/ui/popup_menu.h"
#include "win/win_test_support.h"

namespace {

using namespace ui;

struct Probe : TComponent {
    Probe(TComponent* owner, int* freed) : TComponent(owner), freed_(freed) {}
    ~Probe() override { ++*freed_; }
    int* freed_;
};

TEST(ComponentTest, OwnedComponentsAreFreedWithTheirOwnerAndUnlinkWhenFreedAlone) {
    int freed = 0;
    auto* owner = new TComponent(nullptr);
    auto* a = new Probe(owner, &freed);
    new Probe(a, &freed);  // grandchild
    auto* b = new Probe(owner, &freed);
    b->SetName("b");
    EXPECT_EQ(owner->FindComponent("b"), b);
    delete b;
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->FindComponent("b"), nullptr);
    delete owner;
    EXPECT_EQ(freed, 3);
}

TEST(ComponentTest, FreeingAPopupMenuClearsTheControlsReferenceToIt) {
    TForm form(nullptr);
    auto* image = new TImage(&form);
    auto* menu = new TPopupMenu(&form);
    image->SetPopupMenu(menu);
    delete menu;
    EXPECT_EQ(image->PopupMenu(), nullptr);
}

TEST(FontTest, WritesNotifyOnlyOnChangeAndSizeFollowsHeight) {
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    font.SetHeight(-11);
    font.SetName("MS Sans Serif");
    font.SetStyle(0);
    EXPECT_EQ(changes, 0);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Size(), 12);
    font.SetStyle(fsBold | fsItalic);
    EXPECT_EQ(changes, 2);
    HFONT first = font.Handle();
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(font.Handle(), first);  // kept until the next change
    LOGFONTA lf{};
    ASSERT_TRUE(::GetObjectA(first, sizeof lf, &lf));
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
}

// True when part of the window waits to be repainted.
bool HasUpdateRegion(HWND hwnd) {
    return ::GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
}

TEST(ControlTest, EqualWritesDoNothingAndChangedVisualsInvalidate) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    form.HandleNeeded();
    form.Show();
    wintest::Pump(50);
    ::ValidateRect(image->Handle(), nullptr);

    image->SetColor(image->Color());
    image->SetBounds(image->Left(), image->Top(), image->Width(), image->Height());
    image->Font().SetHeight(image->Font().Height());
    EXPECT_FALSE(HasUpdateRegion(image->Handle()));

    image->SetColor(0x123456);
    EXPECT_TRUE(HasUpdateRegion(image->Handle()));
    ::ValidateRect(image->Handle(), nullptr);
    image->Font().SetColor(0x00FF00);
    EXPECT_TRUE(HasUpdateRegion(image->Handle()));
}

TEST(ControlTest, BoundsAndVisibilityReachTheWindowAndParentFontIsFollowed) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    form.HandleNeeded();
    ASSERT_TRUE(image->HandleAllocated());
    image->SetBounds(5, 6, 70, 80);
    RECT r;
    ::GetWindowRect(image->Handle(), &r);
    POINT origin{0, 0};
    ::ClientToScreen(form.Handle(), &origin);
    EXPECT_EQ(r.left - origin.x, 5);
    EXPECT_EQ(r.top - origin.y, 6);
    EXPECT_EQ(r.right - r.left, 70);
    EXPECT_EQ(r.bottom - r.top, 80);
    image->Hide();
    EXPECT_FALSE(::GetWindowLongPtrA(image->Handle(), GWL_STYLE) & WS_VISIBLE);

    form.Font().SetName("Tahoma");
    EXPECT_EQ(image->Font().Name(), "Tahoma");
    image->Font().SetName("Arial");  // its own font from now on
    form.Font().SetName("Courier New");
    EXPECT_EQ(image->Font().Name(), "Arial");
}

TEST(ControlTest, TabOrderFollowsInsertionAndCanBeRearranged) {
    TForm form(nullptr);
    auto* a = new TImage(&form);
    auto* b = new TImage(&form);
    auto* c = new TImage(&form);
    for (auto* x : {a, b, c})
        x->SetParent(&form);
    c->SetTabOrder(0);
    std::vector<TWinControl*> order;
    form.GetTabOrderList(order);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], c);
    EXPECT_EQ(order[1], a);
    EXPECT_EQ(order[2], b);
    EXPECT_EQ(b->TabOrder(), 2);
}

TEST(AutoSizeTest, VisibleControlsMoveTogetherToTheCornerAndTheWindowFitsThem) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    auto* face = new TImage(&form);
    auto* led = new TImage(&form);
    auto* hidden = new TImage(&form);
    for (auto* x : {face, led, hidden})
        x->SetParent(&form);
    face->SetBounds(64, 8, 131, 112);
    led->SetBounds(56, 20, 46, 37);
    hidden->SetBounds(0, 0, 500, 500);
    hidden->Hide();
    form.SetAutoSize(true);

    EXPECT_EQ(face->Left(), 8);
    EXPECT_EQ(face->Top(), 0);
    EXPECT_EQ(led->Left(), 0);
    EXPECT_EQ(led->Top(), 12);
    EXPECT_EQ(hidden->Left(), 0);  // hidden controls neither count nor move
    EXPECT_EQ(hidden->Width(), 500);
    EXPECT_EQ(form.ClientWidth(), 139);
    EXPECT_EQ(form.ClientHeight(), 112);

    // Every later change refits at once.
    led->SetLeft(200);
    EXPECT_EQ(face->Left(), 0);
    EXPECT_EQ(led->Left(), 192);
    EXPECT_EQ(form.ClientWidth(), 238);
    led->Hide();
    EXPECT_EQ(form.ClientWidth(), 131);
}

TEST(AutoSizeTest, ADialogBorderKeepsTheClientSizeAcrossStyleChanges) {
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetClientSize(200, 100);
    form.HandleNeeded();
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_EQ(form.ClientHeight(), 100);
    EXPECT_GT(form.Width(), 200);
    form.SetBorderStyle(bsNone);
    EXPECT_EQ(form.Width(), 200);
    EXPECT_EQ(form.ClientHeight(), 100);
}

TEST(FormTest, AlphaBlendMakesALayeredWindowWithTheValue) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetAlphaBlend(true);
    form.SetAlphaBlendValue(120);
    form.HandleNeeded();
    ASSERT_TRUE(::GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 120);
    EXPECT_TRUE(flags & LWA_ALPHA);
    form.SetAlphaBlendValue(200);
    ::GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 200);
    form.Show();
    const HWND window = form.Handle();
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(::GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(form.Handle(), window) << "topmost goes on in place";
    form.SetFormStyle(fsNormal);  // a new window: the system cannot always take topmost back
    EXPECT_FALSE(::GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Visible());
    ::GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 200);
}

TEST(FormTest, FormsAreOwnedByTheApplicationWindowAndCenteredOnRequest) {
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetPosition(poScreenCenter);
    form.SetClientSize(300, 200);
    int shows = 0;
    form.OnShow = [&](TObject*) { ++shows; };
    form.Show();
    EXPECT_EQ(::GetWindow(form.Handle(), GW_OWNER), Application->Handle());
    int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(form.Left(), (sw - form.Width()) / 2);
    EXPECT_EQ(form.Top(), (sh - form.Height()) / 2);
    form.Hide();
    form.Show();
    EXPECT_EQ(shows, 2);
    char cls[64];
    ::GetClassNameA(Application->Handle(), cls, sizeof cls);
    EXPECT_STREQ(cls, "TApplication");
}

}  // namespace
