// Both ways of cutting a window shape from a picture give the same region.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/complex_picture.h"
#include "win/app/window_shape.h"
#include "win/ui/form.h"

namespace {

using testpictures::ComplexPicture;
using testpictures::kKey;

class WindowShapeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.SetBorderStyle(ui::bsNone);
        form.SetBounds(0, 0, 600, 600);
        form.HandleNeeded();
    }
    void ExpectSameRegion(const core::Bitmap& picture, int left, int top) {
        ui::ScopedRegion fast = app::BitmapRegion(picture, kKey, left, top);
        ui::ScopedRegion path = app::BitmapRegionByPath(picture, kKey, left, top, form.Handle());
        ASSERT_TRUE(fast);
        ASSERT_TRUE(path);
        EXPECT_TRUE(::EqualRgn(fast.get(), path.get()));
        EXPECT_EQ(app::RegionData(fast.get()), app::RegionData(path.get()));
    }
    ui::TForm form{nullptr};
};

TEST_F(WindowShapeTest, FastAndPathRegionsAreIdenticalOnAComplexPicture) {
    // One comparison only: the per-pixel path way takes many seconds at this size.
    ExpectSameRegion(ComplexPicture(512), 13, 7);
}

TEST_F(WindowShapeTest, TheLastRowNeverBelongsAndAnAllKeyPictureIsEmpty) {
    core::Bitmap solid(4, 3, 0x00000001);
    ui::ScopedRegion region = app::BitmapRegion(solid, kKey, 10, 20);
    RECT box;
    ASSERT_EQ(::GetRgnBox(region.get(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 14);
    EXPECT_EQ(box.bottom, 22);  // rows 0 and 1 only
    ExpectSameRegion(solid, 10, 20);

    core::Bitmap empty(5, 5, kKey);
    ui::ScopedRegion none = app::BitmapRegion(empty, kKey, 0, 0);
    EXPECT_EQ(::GetRgnBox(none.get(), &box), NULLREGION);
    ExpectSameRegion(empty, 0, 0);
}

TEST_F(WindowShapeTest, TheWindowOwnsAHandedOverRegion) {
    ui::ScopedRegion region(::CreateRectRgn(0, 0, 30, 40));
    HRGN raw = region.get();
    ASSERT_TRUE(app::SetWindowRegion(form.Handle(), std::move(region), false));
    EXPECT_FALSE(region);
    ui::ScopedRegion current(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(form.Handle(), current.get()), ERROR);
    RECT box;
    ::GetRgnBox(current.get(), &box);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 40);
    (void)raw;
}

}  // namespace
