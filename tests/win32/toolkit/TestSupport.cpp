#include "TestSupport.h"

#include <algorithm>

void EnsureToolkit() {
  static const bool initialized = [] {
    Application->Initialize();
    return true;
  }();
  (void)initialized;
}

MessageRecorder::MessageRecorder(TControl& control) : recorder_(log_, control) {}

MessageRecorder::~MessageRecorder() = default;

std::vector<UINT> MessageRecorder::Messages() const {
  std::vector<UINT> messages;
  for (const wintest::MsgEntry& entry : log_.Entries()) messages.push_back(entry.message);
  return messages;
}

std::string SequenceText(const std::vector<UINT>& messages) {
  std::string text;
  for (const UINT msg : messages) {
    if (!text.empty()) text += ", ";
    text += MessageName(msg);
  }
  return text;
}

std::string CompareSequence(const std::vector<UINT>& actual,
                            const std::vector<ExpectedMessage>& expected,
                            const std::vector<UINT>& filter) {
  std::vector<UINT> seen;
  for (const UINT msg : actual) {
    if (std::find(filter.begin(), filter.end(), msg) != filter.end()) seen.push_back(msg);
  }
  size_t a = 0;
  for (const ExpectedMessage& entry : expected) {
    if (a < seen.size() && seen[a] == entry.msg) {
      ++a;
    } else if (!entry.optional) {
      return "expected " + MessageName(entry.msg) + " at position " + std::to_string(a) +
             "; saw: " + SequenceText(seen);
    }
  }
  if (a != seen.size())
    return "unexpected " + MessageName(seen[a]) + "; saw: " + SequenceText(seen);
  return {};
}

DibSurface::DibSurface(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<unsigned*>(bits);
  old_ = SelectObject(dc_, bitmap_);
}

DibSurface::~DibSurface() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

unsigned DibSurface::Pixel(int x, int y) const {
  GdiFlush();
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFFFFu;
  return bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] &
         0xFFFFFFu;
}

void DibSurface::Fill(COLORREF color) {
  const RECT rect{0, 0, width_, height_};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc_, &rect, brush);
  DeleteObject(brush);
}

unsigned DibColor(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}
