// A skin object whose drawing fails: the paint of a control keeps the
// control as it was and names the place in the debug output; the in-place
// paint of WM_PAINT lets the failure go on to its caller, having begun a
// paint only when no DC was handed in.
#include <stdexcept>
#include <string>
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinControl.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

class TFailingSkin : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void DrawControl(HDC dc, const RECT&) override {
    drawnInto = dc;
    if (failing) throw std::runtime_error("no picture for this state");
  }
  void PaintInPlaceFor(TMessage& message) { PaintInPlace(message); }

  bool failing = false;
  HDC drawnInto = nullptr;
};

// OutputDebugStringA raises DBG_PRINTEXCEPTION_C with the text; every
// vectored handler sees it before the system takes it.
std::vector<std::string> debugLines;

LONG CALLBACK NoteDebugOutput(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
    const auto* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
    if (text) debugLines.emplace_back(text, strnlen(text, record.ExceptionInformation[0]));
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

class PaintFailureTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    button = Make<TButton>(form.get(), 10, 10, 90, 30);
    object = new TFailingSkin(button);
    object->InitSkin(formObject.get(), data.get(), false, &formObject->ControlCanvas());
    ASSERT_TRUE(object->Attached);
    wintest::FlushEvents();
    object->failing = true;
    debugLines.clear();
    handler = AddVectoredExceptionHandler(1, NoteDebugOutput);
  }
  void TearDown() override {
    RemoveVectoredExceptionHandler(handler);
    object->failing = false;
    SkinControlTest::TearDown();
  }

  TButton* button = nullptr;
  TFailingSkin* object = nullptr;
  void* handler = nullptr;
};

TEST_F(PaintFailureTest, FailedDrawIsReportedWithItsPlaceAndGoesNoFurther) {
  EXPECT_NO_THROW(object->PaintControl(nullptr));
  EXPECT_NE(nullptr, object->drawnInto) << "drawn into the window's own DC";
  ASSERT_EQ(1u, debugLines.size());
  EXPECT_NE(std::string::npos, debugLines[0].find("TSkinControl::PaintControl"));
  EXPECT_NE(std::string::npos, debugLines[0].find("no picture for this state"));
}

TEST_F(PaintFailureTest, FailedInPlacePaintReachesTheCallerSilently) {
  const TMemoryDC memory;
  InvalidateRect(button->Handle(), nullptr, FALSE);
  TMessage handed{WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0, 0};
  EXPECT_THROW(object->PaintInPlaceFor(handed), std::runtime_error);
  EXPECT_EQ(memory.Get(), object->drawnInto);
  EXPECT_TRUE(GetUpdateRect(button->Handle(), nullptr, FALSE)) << "no paint begun on a DC handed in";
  TMessage own{WM_PAINT, 0, 0, 0};
  EXPECT_THROW(object->PaintInPlaceFor(own), std::runtime_error);
  EXPECT_NE(memory.Get(), object->drawnInto);
  EXPECT_FALSE(GetUpdateRect(button->Handle(), nullptr, FALSE)) << "the window's paint was begun";
  EXPECT_TRUE(debugLines.empty()) << "the caller reports it";
}

}  // namespace
