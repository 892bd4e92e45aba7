// The system's own message boxes, counted as they open on this thread and
// answered with OK after a while, so a test can go through the real modal
// path instead of a recorder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

class TRealMessageBoxes {
 public:
  // Each box is answered openMs after it opened (a thread timer, which the
  // box's own modal loop dispatches).
  explicit TRealMessageBoxes(UINT openMs);
  ~TRealMessageBoxes();
  TRealMessageBoxes(const TRealMessageBoxes&) = delete;
  TRealMessageBoxes& operator=(const TRealMessageBoxes&) = delete;

  // The boxes opened so far, with the text each showed.
  const std::vector<std::wstring>& Texts() const { return texts_; }
  // Boxes open now (more than one means one box opened inside another).
  int OpenNow() const { return open_; }
  int MostOpenAtOnce() const { return mostOpen_; }

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK AnswerOldest(HWND, UINT, UINT_PTR timer, DWORD);

  UINT openMs_;
  HHOOK hook_ = nullptr;
  std::vector<HWND> waiting_;
  std::vector<std::wstring> texts_;
  int open_ = 0;
  int mostOpen_ = 0;
};

}  // namespace wintest
