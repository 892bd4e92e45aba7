#include "toolkit/graphics/ImageList.h"

#include <algorithm>

#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info = TClassBuilder<TImageList>("TImageList", &TComponent::StaticClass())
                                     .Integer("Height", &TImageList::Height, &TImageList::SetHeight)
                                     .Integer("Width", &TImageList::Width, &TImageList::SetWidth)
                                     .Build();
  return info;
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::~TImageList() {
  if (list_) ImageList_Destroy(list_);
}

void TImageList::Recreate() {
  if (!list_) return;
  ImageList_Destroy(list_);
  list_ = nullptr;
  Changed();
}

void TImageList::AddChangeLink(const void* client, std::function<void()> changed) {
  RemoveChangeLink(client);
  changeLinks_.emplace_back(client, std::move(changed));
}

void TImageList::RemoveChangeLink(const void* client) {
  std::erase_if(changeLinks_, [client](const auto& link) { return link.first == client; });
}

void TImageList::Changed() {
  // A client may unregister while it hears of the change.
  const auto links = changeLinks_;
  for (const auto& link : links) link.second();
}

void TImageList::SetWidth(int width) {
  if (width < 1 || width == width_) return;
  width_ = width;
  Recreate();
}

void TImageList::SetHeight(int height) {
  if (height < 1 || height == height_) return;
  height_ = height;
  Recreate();
}

HIMAGELIST TImageList::Handle() {
  if (!list_) list_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
  return list_;
}

int TImageList::Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  if (image.Empty()) return -1;
  HIMAGELIST list = Handle();
  // The list copies the pixels; the bitmaps must not sit in their canvases' DCs.
  HBITMAP maskHandle = mask && !mask->Empty() ? mask->Handle() : nullptr;
  const int index = ImageList_Add(list, image.Handle(), maskHandle);
  if (index >= 0) Changed();
  return index;
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
  if (image.Empty()) return -1;
  const int index =
      ImageList_AddMasked(Handle(), image.Handle(), static_cast<COLORREF>(ColorToRGB(maskColor)));
  if (index >= 0) Changed();
  return index;
}

void TImageList::Delete(int index) {
  if (list_ && index >= 0 && index < Count() && ImageList_Remove(list_, index)) Changed();
}

void TImageList::Clear() {
  if (list_ && ImageList_Remove(list_, -1)) Changed();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!list_ || index < 0 || index >= Count()) return;
  HDC dc = canvas.Handle();
  if (!dc) return;
  if (enabled) {
    ImageList_Draw(list_, index, dc, x, y, ILD_NORMAL);
  } else {
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof params;
    params.himl = list_;
    params.i = index;
    params.hdcDst = dc;
    params.x = x;
    params.y = y;
    params.rgbBk = CLR_NONE;
    params.rgbFg = CLR_NONE;
    params.fStyle = ILD_NORMAL;
    params.fState = ILS_SATURATE;
    ImageList_DrawIndirect(&params);
  }
}
