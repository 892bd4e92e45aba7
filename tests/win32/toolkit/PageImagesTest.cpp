// Tab pictures of a page control: the native tab control holds the image
// list and each tab's image index, where whoever draws the tabs reads them,
// and never keeps a list handle that was destroyed.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace {

class PageImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(40, 40, 320, 240);
    images = new TImageList(form.get());
    AddSolidImage(clRed);
    AddSolidImage(clBlue);
    pages = new TPageControl(form.get());
    pages->SetParent(form.get());
    pages->SetBounds(0, 0, 300, 200);
    one = new TTabSheet(form.get());
    one->SetCaption("One");
    one->SetPageControl(pages);
    two = new TTabSheet(form.get());
    two->SetCaption("Two");
    two->SetPageControl(pages);
  }

  void AddSolidImage(TColor color) {
    TBitmap image(images->Width(), images->Height());
    image.Canvas().Brush().SetColor(color);
    image.Canvas().FillRect(RECT{0, 0, images->Width(), images->Height()});
    ASSERT_GE(images->AddMasked(image, clFuchsia), 0);
  }

  HIMAGELIST WindowList() {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(pages->Handle(), TCM_GETIMAGELIST, 0, 0));
  }

  // The image index the native tab holds, as the tab drawing reads it.
  int TabImage(int index) {
    wchar_t text[80]{};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text;
    item.cchTextMax = 80;
    item.iImage = -2;
    SendMessageW(pages->Handle(), TCM_GETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  }

  std::unique_ptr<TForm> form;
  TImageList* images = nullptr;
  TPageControl* pages = nullptr;
  TTabSheet* one = nullptr;
  TTabSheet* two = nullptr;
};

TEST_F(PageImagesTest, TabsCarryTheListAndTheirIndexesWhenTheWindowIsMade) {
  pages->SetImages(images);
  two->SetImageIndex(1);
  ASSERT_FALSE(pages->HandleAllocated());
  form->HandleNeeded();
  EXPECT_EQ(images->Handle(), WindowList());
  EXPECT_EQ(-1, TabImage(0));
  EXPECT_EQ(1, TabImage(1));
}

TEST_F(PageImagesTest, ChangesReachTheExistingWindow) {
  form->HandleNeeded();
  pages->SetImages(images);
  one->SetImageIndex(0);
  two->SetImageIndex(1);
  EXPECT_EQ(images->Handle(), WindowList());
  EXPECT_EQ(0, TabImage(0));
  EXPECT_EQ(1, TabImage(1));
  two->SetImageIndex(-1);
  EXPECT_EQ(-1, TabImage(1));
  pages->SetImages(nullptr);
  EXPECT_EQ(nullptr, WindowList());
}

TEST_F(PageImagesTest, NativeTabDrawsItsPicture) {
  pages->SetImages(images);
  two->SetImageIndex(0);
  form->HandleNeeded();
  RECT tab{};
  SendMessageW(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  DibSurface surface(300, 200);
  surface.Fill(RGB(255, 255, 255));
  pages->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
  int red = 0;
  for (int y = tab.top; y < tab.bottom; ++y) {
    for (int x = tab.left; x < tab.right; ++x) {
      if (surface.Pixel(x, y) == 0xFF0000u) ++red;
    }
  }
  EXPECT_GT(red, 100);  // most of the 16 x 16 picture
}

TEST_F(PageImagesTest, FreedListLeavesNeitherControlNorWindow) {
  pages->SetImages(images);
  form->HandleNeeded();
  delete images;
  EXPECT_EQ(nullptr, pages->Images());
  EXPECT_EQ(nullptr, WindowList());
}

TEST_F(PageImagesTest, ResizedListGivesTheWindowItsNewHandle) {
  pages->SetImages(images);
  form->HandleNeeded();
  images->SetWidth(24);
  // Whatever is made next may take the old list's memory; a window still
  // holding the old handle would then point at it.
  const HIMAGELIST other = ImageList_Create(8, 8, ILC_COLOR32, 1, 1);
  AddSolidImage(clGreen);
  EXPECT_EQ(images->Handle(), WindowList());
  EXPECT_NE(other, WindowList());
  ImageList_Destroy(other);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(images->Handle(), &cx, &cy);
  EXPECT_EQ(24, cx);
}

}  // namespace
