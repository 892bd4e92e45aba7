// A list of equally sized images drawn with masks (common controls).
#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <functional>
#include <utility>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/graphics/Bitmap.h"

class TImageList : public TComponent {
  TAPVANE_CLASS(TImageList)
 public:
  explicit TImageList(TComponent* AOwner);
  ~TImageList() override;

  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const;

  // Each adds the bitmap cut into Width-wide images; the index of the first
  // one, or -1 when nothing was added.
  int Add(TBitmap& image, TBitmap* mask);
  int AddMasked(TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  HIMAGELIST Handle();

  // Controls that hand Handle() to a native window hear here when the list
  // changed or its handle was replaced (a new size), so they never keep a
  // destroyed one. A client registers once; Remove before it goes.
  void AddChangeLink(const void* client, std::function<void()> changed);
  void RemoveChangeLink(const void* client);

 private:
  void Recreate();
  void Changed();

  std::vector<std::pair<const void*, std::function<void()>>> changeLinks_;

  int width_ = 16;
  int height_ = 16;
  HIMAGELIST list_ = nullptr;
};
