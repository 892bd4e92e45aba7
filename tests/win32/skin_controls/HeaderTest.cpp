// Header items on pixels read back from the screen, with the real pointer:
// the item under the pointer shows frame 2 and leaving the header puts it
// back to frame 1; texts follow their alignment, images show where the
// format asks; no items or items of no width draw without fault; released,
// the header looks as its own again.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <memory>

#include "RealPointer.h"
#include "SavedElement.h"
#include "SkinControlSupport.h"
#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/controls/ControlDiscovery.h"
#include "skin/controls/SkinDrawing.h"
#include "skin/controls/SkinHeader.h"
#include "skin/core/SkinMessages.h"
#include "toolkit/controls/HeaderControl.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

constexpr int kWidth = 300, kHeight = 24;
// A row above any item text (texts are centred vertically).
constexpr int kTopRow = 1;

class HeaderTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
    bar_ = std::make_unique<SavedElement>(*skin.Headerbar);
    bar_->Plain();
    MakeStrip(*skin.Headerbar->Image, 5, 16, 16);
    skin.Headerbar->Frame = 5;
    skin.Headerbar->Trans = 0;
    GetCursorPos(&cursor_);
  }
  void TearDown() override {
    SendPointer(cursor_);
    bar_.reset();
    SkinControlTest::TearDown();
  }

  THeaderControl* Header(std::initializer_list<int> widths, int top = 20) {
    auto* header = Make<THeaderControl>(form.get(), 10, top, kWidth, kHeight);
    for (int width : widths) {
      header->Sections()->Add("");
      header->Sections()->Items(header->Sections()->Count() - 1)->SetWidth(width);
    }
    return header;
  }
  TSkinHeader* Skin(THeaderControl* header) {
    auto* object = new TSkinHeader(header);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    RepaintNow(header->Handle());
    return object;
  }
  static unsigned At(HWND window, int x, int y = kTopRow) {
    UpdateWindow(window);
    return WindowPixel(window, x, y);
  }
  // The header painted into a DIB, which is read without a round trip per pixel.
  struct Picture {
    explicit Picture(HWND window) : dib(kWidth, kHeight) {
      dib.Fill(RGB(1, 2, 3));
      SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dib.dc()), 0);
    }
    // Pixels of a column range that are not the item's frame: its text.
    int InkBetween(int from, int to, unsigned background) const {
      return CountPixelsIf(dib, {from, 2, to, kHeight - 2},
                           [background](unsigned pixel) { return pixel != background; });
    }
    DibSurface dib;
  };

  std::unique_ptr<SavedElement> bar_;
  POINT cursor_{};
};

TEST_F(HeaderTest, ItemUnderThePointerShowsFrameTwoAndLeavingTheHeaderClearsIt) {
  THeaderControl* header = Header({80, 80, 80});
  TSkinHeader* object = Skin(header);
  const HWND window = header->Handle();
  EXPECT_EQ(Frame(1), At(window, 40));
  EXPECT_EQ(Frame(1), At(window, 120));
  EXPECT_EQ(Frame(1), At(window, 280)) << "past the last item";

  SendPointer(OnScreen(window, 120, kHeight / 2));
  ASSERT_TRUE(PumpUntil([&] { return At(window, 120) == Frame(2); })) << "middle item hot";
  EXPECT_EQ(1, object->HotItem);
  EXPECT_EQ(Frame(1), At(window, 40));
  EXPECT_EQ(Frame(1), At(window, 200));

  SendPointer(OnScreen(window, 200, kHeight / 2));
  ASSERT_TRUE(PumpUntil([&] { return At(window, 200) == Frame(2); })) << "hot moves along";
  EXPECT_EQ(Frame(1), At(window, 120));

  SendPointer(OnScreen(window, 200, kHeight + 60));  // onto the form below
  ASSERT_TRUE(PumpUntil([&] { return object->HotItem == -1; })) << "WM_MOUSELEAVE clears it";
  EXPECT_EQ(Frame(1), At(window, 200));
}

TEST_F(HeaderTest, ADisabledHeaderShowsNoHotItem) {
  THeaderControl* header = Header({80, 80});
  TSkinHeader* object = Skin(header);
  const HWND window = header->Handle();
  SendPointer(OnScreen(window, 40, kHeight / 2));
  ASSERT_TRUE(PumpUntil([&] { return At(window, 40) == Frame(2); }));
  header->SetEnabled(false);
  FlushEvents();
  ASSERT_EQ(0, object->HotItem) << "kept: a disabled window hears no leave";
  EXPECT_EQ(Frame(1), At(window, 40));
}

TEST_F(HeaderTest, TextsFollowTheirItemsAlignment) {
  THeaderControl* header = Header({90, 90, 90});
  const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
  for (int i = 0; i < 3; ++i) {
    header->Sections()->Items(i)->SetText("Wm");
    header->Sections()->Items(i)->SetAlignment(alignments[i]);
  }
  Skin(header);
  const Picture picture(header->Handle());
  const unsigned face = Frame(1);
  ASSERT_EQ(face, picture.dib.Pixel(45, kTopRow));
  // Each item cut in thirds: the text sits in the third its alignment names.
  const auto thirds = [&](int item) {
    const int left = item * 90;
    return std::array<int, 3>{picture.InkBetween(left, left + 30, face),
                              picture.InkBetween(left + 30, left + 60, face),
                              picture.InkBetween(left + 60, left + 90, face)};
  };
  const auto left = thirds(0), centre = thirds(1), right = thirds(2);
  EXPECT_GT(left[0], 0);
  EXPECT_EQ(0, left[2]);
  EXPECT_GT(centre[1], 0);
  EXPECT_EQ(0, centre[0]);
  EXPECT_EQ(0, centre[2]);
  EXPECT_GT(right[2], 0);
  EXPECT_EQ(0, right[0]);
}

TEST_F(HeaderTest, ImageShowsOnlyWhereTheItemsFormatAsksForIt) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  const HWND window = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_HORZ, 10, 60,
                                      kWidth, kHeight, form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  const HIMAGELIST images = ImageList_Create(12, 12, ILC_COLOR24, 1, 0);
  {
    TBitmapHandle picture(CreateBitmap(12, 12, 1, 32, nullptr));
    const TMemoryDC dc;
    {
      const TSelection selected(dc.Get(), picture.Get());
      const RECT all{0, 0, 12, 12};
      FillColour(dc.Get(), all, FrameColour(4));
    }
    ImageList_Add(images, picture.Get(), nullptr);
  }
  SendMessageW(window, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  for (int i = 0; i < 2; ++i) {
    HDITEMW item{};
    // The system adds HDF_IMAGE itself to any item given an image index,
    // so the second item is given none.
    item.mask = HDI_WIDTH | HDI_FORMAT | (i == 0 ? HDI_IMAGE : 0);
    item.cxy = 100;
    item.fmt = HDF_LEFT | (i == 0 ? HDF_IMAGE : 0);
    item.iImage = 0;
    SendMessageW(window, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  auto* object = new TSkinHeader(nullptr);
  object->InitWindow(window, data.get(), formObject.get(), &formObject->ControlCanvas());
  RepaintNow(window);
  const int imageColumn = 6 + 6, imageRow = kHeight / 2;
  EXPECT_EQ(Frame(4), At(window, imageColumn, imageRow)) << "after the text inset";
  EXPECT_EQ(Frame(1), At(window, 100 + imageColumn, imageRow)) << "format without HDF_IMAGE";
  DestroyWindow(window);
  ImageList_Destroy(images);
}

TEST_F(HeaderTest, NoItemsAndItemsOfNoWidthDrawWithoutFault) {
  THeaderControl* empty = Header({});
  TSkinHeader* object = Skin(empty);
  EXPECT_TRUE(object->ItemRects.empty());
  EXPECT_EQ(Frame(1), At(empty->Handle(), 5));
  EXPECT_EQ(Frame(1), At(empty->Handle(), kWidth - 5));

  THeaderControl* narrow = Header({0, 0, 60}, 60);
  TSkinHeader* narrowObject = Skin(narrow);
  const HWND window = narrow->Handle();
  SendPointer(OnScreen(window, 30, kHeight / 2));
  ASSERT_TRUE(PumpUntil([&] { return At(window, 30) == Frame(2); }));
  EXPECT_EQ(2, narrowObject->HotItem) << "the item that has width, not those before it";
  EXPECT_EQ(Frame(1), At(window, 90));

  // A skin whose header element claims no frames at all.
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  skin.Headerbar->Frame = 0;
  RepaintNow(window);
  EXPECT_EQ(Frame(1), At(window, 2)) << "the whole strip taken as one frame";
}

TEST_F(HeaderTest, ReleasedOrWithoutTheImageTheHeaderLooksAsItsOwn) {
  THeaderControl* own = Header({80, 80}, 20);
  THeaderControl* skinned = Header({80, 80}, 60);
  RepaintNow(own->Handle());
  TSkinHeader* object = Skin(skinned);
  ASSERT_EQ(Frame(1), At(skinned->Handle(), 40));
  const unsigned ownLook = At(own->Handle(), 40, kHeight / 2);
  ASSERT_NE(Frame(1), ownLook);

  // The element without a picture leaves the header to paint itself.
  TSkinElements& skin = const_cast<TSkinElements&>(data->Skin());
  TBitmap picture;
  picture.Assign(skin.Headerbar->Image.get());
  skin.Headerbar->Image->Assign(nullptr);
  RepaintNow(skinned->Handle());
  EXPECT_EQ(ownLook, At(skinned->Handle(), 40, kHeight / 2));
  skin.Headerbar->Image->Assign(&picture);
  RepaintNow(skinned->Handle());
  ASSERT_EQ(Frame(1), At(skinned->Handle(), 40));

  // Let go as the form lets its objects go.
  object->Release(true);
  delete object;
  FlushEvents();
  EXPECT_EQ(ownLook, At(skinned->Handle(), 40, kHeight / 2));
  EXPECT_EQ(0, SendMessageW(skinned->Handle(), SKIN_QUERY, 0, 0));
}

TEST_F(HeaderTest, DiscoveryGivesTheToolkitHeaderItsObject) {
  THeaderControl* header = Header({80});
  TControlDiscovery(*formObject, *data).SkinChildren(form.get());
  EXPECT_NE(nullptr, dynamic_cast<TSkinHeader*>(formObject->FindSkinObject(header->Handle())));
}

}  // namespace
