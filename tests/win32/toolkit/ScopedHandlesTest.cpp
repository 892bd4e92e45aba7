// Scope objects undo what they did when the scope is left by an exception,
// and the toolkit's state flags come back after a handler throws.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "TestSupport.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

struct Thrown : std::runtime_error {
  Thrown() : std::runtime_error("thrown") {}
};

TEST(ScopedHandles, GdiObjectAndSelectionAreUndoneWhenTheScopeThrows) {
  TMemoryDC dc;
  const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BRUSH);
  HBRUSH made = nullptr;
  EXPECT_THROW(
      {
        TBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
        const TSelection selected(dc.Get(), brush.Get());
        made = brush.Get();
        EXPECT_EQ(made, GetCurrentObject(dc.Get(), OBJ_BRUSH));
        throw Thrown();
      },
      Thrown);
  EXPECT_EQ(original, GetCurrentObject(dc.Get(), OBJ_BRUSH));
  EXPECT_EQ(0u, GetObjectType(made));  // deleted, after it was deselected
}

TEST(ScopedHandles, RegistryKeyIsClosedWhenTheScopeEnds) {
  HKEY opened = nullptr;
  {
    TRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.Out()));
    opened = key.Get();
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr));
  }
  EXPECT_NE(ERROR_SUCCESS, RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
}

// Counts its references; the last Release leaves it at zero.
class CountedUnknown : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
  int references = 1;
};

TEST(ScopedHandles, ComReferenceIsReleasedOnceAndOnReuse) {
  CountedUnknown first, second;
  {
    TComRef<IUnknown> ref;
    *ref.Out() = &first;
    *ref.Out() = &second;  // handing it out again lets go of the first
    EXPECT_EQ(0, first.references);
    EXPECT_EQ(1, second.references);
  }
  EXPECT_EQ(0, second.references);
}

TEST(ScopedHandles, RestoreOnExitAndScopeExitRunWhenTheScopeThrows) {
  int depth = 1;
  int finished = 0;
  EXPECT_THROW(
      {
        const TRestoreOnExit<int> deeper(depth, 2);
        const TScopeExit finish([&finished] { ++finished; });
        EXPECT_EQ(2, depth);
        throw Thrown();
      },
      Thrown);
  EXPECT_EQ(1, depth);
  EXPECT_EQ(1, finished);
}

TEST(ScopedHandles, AlignmentThatThrowsLeavesAlignmentWorking) {
  EnsureToolkit();
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 200);
  // A child that refuses its first placement.
  struct Refusing : TWinControl {
    using TWinControl::TWinControl;
    void SetBounds(int left, int t, int width, int height) override {
      if (refuse-- > 0) throw Exception("refused");
      TWinControl::SetBounds(left, t, width, height);
    }
    int refuse = 0;
  };
  auto* child = new Refusing(&form);
  child->SetBounds(0, 0, 10, 10);
  child->refuse = 1;
  child->SetParent(&form);
  EXPECT_THROW(child->SetAlign(alClient), Exception);
  form.Realign();  // still allowed: the aligning flag came back
  EXPECT_EQ(form.ClientWidth(), child->Width());
  EXPECT_EQ(form.ClientHeight(), child->Height());
}

}  // namespace
