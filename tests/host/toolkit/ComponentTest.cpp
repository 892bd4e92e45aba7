#include <gtest/gtest.h>

#include <memory>

#include "tests/host/toolkit/TestComponents.h"
#include "toolkit/core/Classes.h"
#include "toolkit/core/TypInfo.h"

namespace {

// Records its destruction and the notifications it receives.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::vector<String>& log) : TComponent(owner), log_(log) {}
  ~TProbe() override {
    log_.push_back("free " + Name() +
                   (ComponentState().Contains(csDestroying) ? " destroying" : ""));
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    log_.push_back(Name() + (Operation == opInsert ? " +" : " -") + AComponent->Name());
  }

 private:
  std::vector<String>& log_;
};

TEST(Component, OwnerFreesItsComponentsLastFirst) {
  std::vector<String> log;
  {
    TComponent owner(nullptr);
    auto* a = new TProbe(&owner, log);
    a->SetName("A");
    auto* b = new TProbe(&owner, log);
    b->SetName("B");
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(a->Owner(), &owner);
    EXPECT_THROW(owner.Components(2), EListError);
    log.clear();
  }
  EXPECT_EQ(log, (std::vector<String>{"free B destroying", "free A destroying"}));
}

TEST(Component, NamesAreIdentifiersUniqueUnderTheirOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  try {
    b->SetName("button1");
    FAIL() << "duplicate name accepted";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message, "A component named button1 already exists");
  }
  try {
    b->SetName("1st");
    FAIL() << "bad name accepted";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message, "'1st' is not a valid component name");
  }
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  a->SetName("Button1");  // its own name again is fine
  b->SetName("_Button2");
  EXPECT_EQ(owner.FindComponent("_button2"), b);
  new TComponent(&owner);  // any number of unnamed ones
  new TComponent(&owner);
  EXPECT_EQ(owner.ComponentCount(), 4);
}

TEST(Component, InsertAndRemoveNotifyTheOwnersComponents) {
  std::vector<String> log;
  TProbe owner(nullptr, log);
  owner.SetName("Owner");
  auto* a = new TProbe(&owner, log);
  a->SetName("A");
  log.clear();
  auto* b = new TProbe(nullptr, log);
  b->SetName("B");
  owner.InsertComponent(b);
  EXPECT_EQ(log, (std::vector<String>{"B +B", "A +B", "Owner +B"}));
  log.clear();
  owner.RemoveComponent(b);
  std::unique_ptr<TProbe> detached(b);
  EXPECT_EQ(b->Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(log, (std::vector<String>{"B -B", "A -B", "Owner -B"}));
}

TEST(Component, InsertIntoAnotherOwnerMovesIt) {
  TComponent first(nullptr);
  TComponent second(nullptr);
  auto* c = new TComponent(&first);
  c->SetName("X");
  (new TComponent(&second))->SetName("X");
  EXPECT_THROW(second.InsertComponent(c), EComponentError);
  EXPECT_EQ(c->Owner(), &first);
  c->SetName("Y");
  second.InsertComponent(c);
  EXPECT_EQ(c->Owner(), &second);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(second.ComponentCount(), 2);
}

TEST(Component, FreeNotificationGoesBothWays) {
  std::vector<String> log;
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* watcher = new TProbe(&formA, log);
  watcher->SetName("Watcher");
  auto* watched = new TProbe(&formB, log);
  watched->SetName("Watched");
  watched->FreeNotification(watcher);
  log.clear();
  delete watched;
  EXPECT_EQ(log, (std::vector<String>{"free Watched", "Watcher -Watched"}));

  auto* other = new TProbe(&formB, log);
  other->SetName("Other");
  watcher->FreeNotification(other);
  log.clear();
  delete watcher;
  EXPECT_EQ(log, (std::vector<String>{"free Watcher", "Other -Watcher"}));

  auto* third = new TProbe(&formA, log);
  third->SetName("Third");
  third->FreeNotification(other);
  third->RemoveFreeNotification(other);
  log.clear();
  delete third;
  EXPECT_EQ(log, std::vector<String>{"free Third"});
}

TEST(Component, ReferenceClearedWhenTheReferencedComponentGoes) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* data = new TTestData(&formA);
  auto* control = new TTestControl(&formB);
  ASSERT_TRUE(SetObjectProp(data, "Link", control));
  EXPECT_EQ(data->Link, control);
  delete control;
  EXPECT_EQ(data->Link, nullptr);
}

TEST(Component, DesigningStateReachesOwnedComponents) {
  TComponent owner(nullptr);
  auto* before = new TComponent(&owner);
  owner.SetDesigning(true);
  auto* after = new TComponent(&owner);
  EXPECT_TRUE(before->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(after->ComponentState().Contains(csDesigning));
  owner.SetDesigning(false, false);
  EXPECT_FALSE(owner.ComponentState().Contains(csDesigning));
  EXPECT_TRUE(before->ComponentState().Contains(csDesigning));
}

TEST(Component, ClassInformation) {
  TTestForm form(nullptr);
  EXPECT_EQ(form.ClassName(), "TTestForm");
  EXPECT_TRUE(form.InheritsFrom(&TComponent::StaticClass()));
  EXPECT_TRUE(form.InheritsFrom(&TTestControl::StaticClass()));
  EXPECT_FALSE(form.InheritsFrom(&TTestData::StaticClass()));
  EXPECT_EQ(form.ClassType()->Parent, &TTestControl::StaticClass());
  RegisterTestComponents();
  EXPECT_EQ(FindClass("ttestdata"), &TTestData::StaticClass());
  EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
  // Inherited properties come first, in declared order.
  const auto props = form.ClassType()->AllProperties();
  ASSERT_GE(props.size(), 3u);
  EXPECT_EQ(props[0]->Name, "Name");
  EXPECT_EQ(props[1]->Name, "Tag");
  EXPECT_EQ(props[2]->Name, "Left");
}

}  // namespace
