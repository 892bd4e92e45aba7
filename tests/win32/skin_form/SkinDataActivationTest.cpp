// What the skin data component asks of the manager when it is loaded,
// switched on and off and told to apply its skin, seen through a fake
// manager behind the seam.
#include <string>
#include <vector>

#include "SkinFormSupport.h"
#include "TestSupport.h"
#include "skin/data/SkinManagerLink.h"
#include "toolkit/controls/Forms.h"

namespace {

class FakeManager : public ISkinManager {
 public:
  void RegisterSkinData(TSkinData*) override { calls.push_back("register"); }
  void UnregisterSkinData(TSkinData*) override {}
  void InstallHook() override { calls.push_back("hook"); }
  void PostCommand(TSkinCommand command, unsigned delayMs) override {
    calls.push_back("command " + std::to_string(command) + " " + std::to_string(delayMs));
  }
  void SetCurrentSkinData(TSkinData* data) override { current = data; }
  void RefreshAll() override { calls.push_back("refresh"); }
  int RunCount() const override { return runCount; }
  void SetRunCount(int count) override { runCount = count; }
  void SetSkinning(bool on) override { calls.push_back(on ? "on" : "off"); }
  void SkinForm(TComponent* form) override {
    calls.push_back("skin form");
    skinned = form;
  }

  std::vector<std::string> calls;
  TSkinData* current = nullptr;
  TComponent* skinned = nullptr;
  int runCount = 0;
};

FakeManager* fake = nullptr;

class SkinDataActivationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureToolkit();
    DestroySkinManager();
    SkinManagerDestroyed();
    manager = std::make_unique<FakeManager>();
    fake = manager.get();
    SetSkinManagerFactory([]() -> ISkinManager* { return fake; });
  }
  void TearDown() override {
    SkinManagerDestroyed();
    InstallSkinManager();  // the real factory again
    fake = nullptr;
  }
  std::unique_ptr<FakeManager> manager;
};

using Calls = std::vector<std::string>;

TEST_F(SkinDataActivationTest, LoadedMainSkinDataHooksAndSwitchesOnAfterItsDelay) {
  auto data = MakeSkinData();
  data->SetActive(true);
  data->Loaded();
  EXPECT_EQ((Calls{"register", "hook", "command 1 250"}), manager->calls);
}

TEST_F(SkinDataActivationTest, PendingSkinRefusesToActivate) {
  TSkinData data(nullptr);  // no package: the skin stays pending
  data.SetActive(true);
  data.Loaded();
  EXPECT_FALSE(data.Active());
  EXPECT_EQ((Calls{"register", "hook"}), manager->calls);
}

TEST_F(SkinDataActivationTest, ActiveSetterHandsSkinAndUnskinCommands) {
  auto data = MakeSkinData();
  data->Loaded();
  manager->calls.clear();
  data->SetActive(true);
  EXPECT_EQ(data.get(), manager->current);
  EXPECT_EQ(1, manager->runCount);
  data->SetActive(false);
  EXPECT_EQ((Calls{"command 1 250", "command 2 250"}), manager->calls);
}

TEST_F(SkinDataActivationTest, OnlyThisFormSkinsItsOwnerAtOnce) {
  TForm form(nullptr);
  form.Show();
  auto data = MakeSkinData(&form, sfOnlyThisForm);
  data->SetActive(true);
  manager->runCount = 1;
  data->Loaded();
  EXPECT_EQ((Calls{"register", "on", "skin form"}), manager->calls);
  EXPECT_EQ(2, manager->runCount);
  EXPECT_EQ(&form, manager->skinned);
  manager->calls.clear();
  data->SetActive(false);
  EXPECT_EQ((Calls{"command 2 250"}), manager->calls);
}

TEST_F(SkinDataActivationTest, ApplySkinReskinsOnlyOnceWindowsWereActivated) {
  auto data = MakeSkinData();
  data->Loaded();
  manager->calls.clear();
  data->ApplySkin();
  EXPECT_EQ((Calls{"refresh"}), manager->calls);  // run count 0: nothing to re-skin yet
  manager->runCount = 1;
  manager->calls.clear();
  data->ApplySkin();
  EXPECT_EQ(data.get(), manager->current);
  EXPECT_EQ((Calls{"refresh", "command 3 250"}), manager->calls);
  manager->runCount = 2;  // a form's own skin data was loaded since
  manager->calls.clear();
  data->ApplySkin();
  EXPECT_EQ((Calls{"refresh", "command 3 250"}), manager->calls);
}

}  // namespace
