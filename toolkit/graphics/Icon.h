// An icon: the window and application icons, drawn with its own mask.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "toolkit/graphics/Graphic.h"

class TIcon : public TGraphic {
  TAPVANE_CLASS(TIcon)
 public:
  TIcon() = default;
  ~TIcon() override;

  bool Empty() const override { return icon_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  HICON Handle() const { return icon_; }
  // Takes ownership of the icon.
  void SetHandle(HICON icon);
  // An RT_GROUP_ICON resource at the system's large icon size.
  void LoadFromResourceName(HINSTANCE instance, const String& name);
  void LoadFromResourceID(HINSTANCE instance, int id);

  // .ico bytes: the first image of the directory; bad data leaves it empty.
  void LoadFromStream(TStream& stream) override;
  // Writes the .ico bytes it was loaded from (nothing for an icon from a handle).
  void SaveToStream(TStream& stream) override;
  void Draw(TCanvas& canvas, const RECT& rect) override;
  void Assign(const TPersistent* Source) override;
  // A stored layout keeps the .ico bytes as the binary property "Data".
  void DefineProperties(TFiler& Filer) override;

 private:
  void Adopt(HICON icon);

  HICON icon_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> data_;
};
