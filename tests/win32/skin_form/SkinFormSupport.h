// What the skin manager and form tests share: our skin loaded into a skin
// data component, the manager made afresh for every test, and plain windows
// whose own procedure records what reaches it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manage/SkinManage.h"

// Our skin package read into a new component.
std::unique_ptr<TSkinData> MakeSkinData(TComponent* owner = nullptr,
                                        TSkinFormType type = sfMainform);

// Messages that reached the recording windows' own procedure, per window.
struct RecordedMessage {
  HWND window;
  UINT msg;
  WPARAM wParam;
};
std::vector<RecordedMessage>& Recorded();
int CountOf(HWND window, UINT msg);
void ClearRecorded();

// A top-level window of this module whose procedure records, or a child.
HWND MakeRecordingWindow(DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0,
                         HWND parent = nullptr, int width = 300, int height = 200);

// The top rows of the window as they are on screen now, row by row.
std::vector<unsigned> CaptionBand(HWND window, int height);

// Pumps messages until done() or the time budget runs out.
bool PumpUntil(const std::function<bool()>& done, DWORD budgetMs = 2000);

// Pumps messages until the manager has skinned the window: its form object,
// or nullptr once the budget runs out.
TWinSkinForm* WaitUntilSkinned(HWND window, DWORD budgetMs = 2000);

// The same for helpers that hand the object back by reference: a window left
// unskinned throws, which ends the test as a failure instead of a null
// dereference that would take the whole program down.
TWinSkinForm& SkinnedObject(HWND window);

// Alt held with a key, through the system's input, then 400 ms of the
// application's own loop (where Alt+letter becomes a form's dialog char).
void PressAltWith(WORD key);

// A manager with one active main skin data, as the program has at start.
class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TSkinManage& Manager() { return *TSkinManage::Instance(); }

  std::unique_ptr<TSkinData> data;
};
