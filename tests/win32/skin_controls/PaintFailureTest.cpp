// A skin object whose drawing fails: either paint of a control keeps the
// control as it was and names the place in the debug output; no error box
// opens, and the in-place paint begins a paint only when no DC was handed in.
#include <stdexcept>
#include <string>
#include <vector>

#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "skin/controls/SkinControl.h"
#include "tests/win32/support/RealMessageBoxes.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

class TFailingSkin : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void DrawControl(HDC dc, const RECT&) override {
    drawnInto = dc;
    if (failures == 0) return;
    if (failures > 0) --failures;
    throw std::runtime_error("no picture for this state");
  }
  void PaintInPlaceFor(TMessage& message) { PaintInPlace(message); }
  bool BeforeProc(TMessage& message) override {
    if (message.Msg != WM_PAINT || !inPlace) return TSkinControl::BeforeProc(message);
    PaintInPlace(message);
    return false;
  }

  // Draws still to fail; every one while negative.
  int failures = 0;
  bool inPlace = false;
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
    object->failures = -1;
    debugLines.clear();
    handler = AddVectoredExceptionHandler(1, NoteDebugOutput);
  }
  void TearDown() override {
    RemoveVectoredExceptionHandler(handler);
    object->failures = 0;
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

TEST_F(PaintFailureTest, FailedInPlacePaintEndsThePaintOnlyWhenItBeganIt) {
  const TMemoryDC memory;
  InvalidateRect(button->Handle(), nullptr, FALSE);
  TMessage handed{WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0, 0};
  EXPECT_NO_THROW(object->PaintInPlaceFor(handed));
  EXPECT_EQ(memory.Get(), object->drawnInto);
  EXPECT_TRUE(GetUpdateRect(button->Handle(), nullptr, FALSE))
      << "no paint begun on a DC handed in";
  TMessage own{WM_PAINT, 0, 0, 0};
  EXPECT_NO_THROW(object->PaintInPlaceFor(own));
  EXPECT_NE(memory.Get(), object->drawnInto);
  EXPECT_FALSE(GetUpdateRect(button->Handle(), nullptr, FALSE)) << "the window's paint was begun";
  ASSERT_EQ(2u, debugLines.size());
  for (const std::string& line : debugLines) {
    EXPECT_NE(std::string::npos, line.find("TSkinControl::PaintInPlace")) << line;
  }
}

// WM_PAINT as the system sends it, painted in place of the control's own
// paint or after it: the failure opens no box, and it is reported once. One
// draw fails: a box closing would have the control painted again.
TEST_F(PaintFailureTest, FailedPaintOfAWindowMessageOpensNoErrorBox) {
  const struct {
    bool inPlace;
    const char* place;
  } cases[] = {{true, "TSkinControl::PaintInPlace"}, {false, "TSkinControl::PaintControl"}};
  for (const auto& paint : cases) {
    SCOPED_TRACE(paint.place);
    object->inPlace = paint.inPlace;
    object->failures = 1;
    debugLines.clear();
    object->drawnInto = nullptr;
    const wintest::TRealMessageBoxes boxes(300);
    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_NE(nullptr, object->drawnInto) << "the skin drew";
    EXPECT_TRUE(boxes.Texts().empty()) << "an error box opened";
    EXPECT_FALSE(GetUpdateRect(button->Handle(), nullptr, FALSE)) << "the paint was ended";
    ASSERT_EQ(1u, debugLines.size());
    EXPECT_NE(std::string::npos, debugLines[0].find(paint.place)) << debugLines[0];
  }
  object->inPlace = false;
}

}  // namespace
