// How a skin object and its control part: whichever goes first, the object
// is freed once and never touches a control that is going.
#include "SkinControlProbe.h"
#include "SkinControlSupport.h"
#include "TestSupport.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"

namespace {

TSkinProbe* Attach(TControl* control, ProbeCounts& counts, TWinSkinForm& formObject,
                   TSkinData& data, bool changeColor) {
  auto* probe = new TSkinProbe(control, counts);
  probe->InitSkin(&formObject, &data, changeColor, &formObject.ControlCanvas());
  return probe;
}

TEST_F(SkinControlTest, ControlFreedFirstTakesItsObjectOnceAndUntouched) {
  auto* button = Make<TButton>(form.get(), 10, 10, 90, 30);
  button->SetColor(clRed);
  ProbeCounts counts;
  Attach(button, counts, *formObject, *data, true);
  EXPECT_EQ(data->Skin().Colour(scButtonFace), button->Color());
  ASSERT_EQ(1, formObject->SkinObjects().Count());
  delete button;
  EXPECT_EQ(1, counts.destroyed);
  EXPECT_EQ(0, counts.unskins) << "a control being freed is not unskinned";
  EXPECT_EQ(0, formObject->SkinObjects().Count());
  formObject.reset();
  EXPECT_EQ(1, counts.destroyed);
}

TEST_F(SkinControlTest, PlainWindowDestroyedFirstWaitsForTheSweep) {
  const HWND window = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE, 10, 10, 90, 30,
                                      form->Handle(), nullptr, nullptr, nullptr);
  ProbeCounts counts;
  auto* probe = new TSkinProbe(nullptr, counts);
  probe->InitWindow(window, data.get(), formObject.get(), &formObject->ControlCanvas());
  DestroyWindow(window);
  EXPECT_EQ(scsGone, probe->State);
  EXPECT_FALSE(probe->Active);
  EXPECT_EQ(1, counts.unskins);
  EXPECT_EQ(0, counts.destroyed);
  formObject->SweepGoneSkinObjects();
  EXPECT_EQ(1, counts.destroyed);
  EXPECT_EQ(0, formObject->SkinObjects().Count());
  formObject.reset();
  EXPECT_EQ(1, counts.destroyed);
  EXPECT_EQ(1, counts.unskins);
}

TEST_F(SkinControlTest, ControlWindowDestroyedLeavesTheColourAndRestoresTheHandler) {
  auto* button = Make<TButton>(form.get(), 10, 10, 90, 30);
  button->SetColor(clRed);
  ProbeCounts counts;
  auto* probe = Attach(button, counts, *formObject, *data, true);
  DestroyWindow(button->Handle());
  EXPECT_EQ(scsGone, probe->State);
  EXPECT_EQ(1, counts.unskins);
  EXPECT_EQ(data->Skin().Colour(scButtonFace), button->Color()) << "a gone window keeps its colour";
  formObject->SweepGoneSkinObjects();
  EXPECT_EQ(1, counts.destroyed);
  EXPECT_EQ(0, button->Perform(kConsumedByProbe)) << "the toolkit handler is back";
}

TEST_F(SkinControlTest, UnskinGivesColourAndParentBackgroundBack) {
  auto* panel = Make<TPanel>(form.get(), 10, 10, 120, 60);
  panel->SetColor(clRed);
  ASSERT_TRUE(panel->ParentBackground());
  ProbeCounts counts;
  auto* probe = Attach(panel, counts, *formObject, *data, true);
  EXPECT_FALSE(panel->ParentBackground());
  EXPECT_EQ(1, probe->Mode);
  EXPECT_EQ(data->Skin().Colour(scButtonFace), panel->Color());
  probe->Unskin();
  EXPECT_TRUE(panel->ParentBackground());
  EXPECT_EQ(clRed, panel->Color());
  panel->SetColor(clBlue);
  probe->Unskin();
  EXPECT_EQ(clBlue, panel->Color()) << "Unskin runs once";
  delete probe;  // before the counts it writes to
}

TEST_F(SkinControlTest, ParentBackgroundOptionLeavesThePropertyAlone) {
  data->SetOptions(data->Options() + TSkinOptions{xoParentBackGround});
  auto* panel = Make<TPanel>(form.get(), 10, 10, 120, 60);
  ProbeCounts counts;
  auto* probe = Attach(panel, counts, *formObject, *data, true);
  EXPECT_TRUE(panel->ParentBackground());
  EXPECT_EQ(0, probe->Mode);
  panel->SetParentBackground(false);
  probe->Unskin();
  EXPECT_FALSE(panel->ParentBackground()) << "never set back either";
  delete probe;
}

TEST_F(SkinControlTest, SkinChangeRecoloursWhatAttachRecolouredAndRepaints) {
  auto* recoloured = Make<TPanel>(form.get(), 10, 10, 120, 60);
  auto* kept = Make<TPanel>(form.get(), 10, 80, 120, 60);
  ProbeCounts counts, keptCounts;
  auto* probe = Attach(recoloured, counts, *formObject, *data, true);
  auto* keptProbe = Attach(kept, keptCounts, *formObject, *data, false);
  recoloured->SetColor(clRed);
  kept->SetColor(clRed);
  FlushEvents();
  counts.draws = keptCounts.draws = 0;
  probe->SkinChange();
  keptProbe->SkinChange();
  EXPECT_EQ(data->Skin().Colour(scButtonFace), recoloured->Color());
  EXPECT_EQ(clRed, kept->Color());
  EXPECT_EQ(1, counts.draws) << "repainted at once";
  EXPECT_EQ(1, keptCounts.draws);
  delete probe;
  delete keptProbe;
}

}  // namespace
