#pragma once
// Components: ownership (an owner frees what it owns), names, Tag, state
// flags, Loaded after reading, and free notification.

#include <functional>
#include <map>
#include <vector>

#include "toolkit/core/Persistent.h"
#include "toolkit/core/Sets.h"

class TReader;

enum TComponentStateItem {
  csLoading,  // set while a layout is read, until Loaded
  csReading,  // set while this component's own properties are read
  csWriting,
  csDestroying,
  csDesigning
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class EComponentError : public Exception {
  using Exception::Exception;
};

class TComponent : public TPersistent {
  TAPVANE_CLASS(TComponent)
 public:
  using TGetChildProc = std::function<void(TComponent* Child)>;

  explicit TComponent(TComponent* AOwner);
  // Marks itself and its components destroying, tells everyone that asked
  // for a free notification, frees the owned components, leaves its owner.
  // A descendant whose components use the descendant's own members (child
  // controls of a form) calls DestroyComponents() in its own destructor.
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;  // EListError when out of range
  int ComponentIndex() const;               // -1 without owner
  // Owned component by name (without case); nullptr when absent or empty.
  TComponent* FindComponent(const String& name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees the owned components, newest first, each told before it goes.
  void DestroyComponents();
  void Destroying();

  const String& Name() const { return name_; }
  // Throws EComponentError for a name that is not an identifier or that
  // another component of the same owner already has.
  virtual void SetName(const String& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  TComponentState ComponentState() const { return state_; }
  void SetDesigning(bool designing, bool includeOwned = true);
  // For readers of layouts and tests that stand in for one.
  void SetComponentStateItem(TComponentStateItem item, bool on);

  // Runs once after a layout was read into this component; clears csLoading.
  virtual void Loaded();
  // A component inserted into or removed from the owner, or one linked by
  // FreeNotification going away. A component being destroyed is announced
  // from ~TComponent, when its own destructors have run: compare the
  // pointer, do not cast it.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // AComponent is told (Notification opRemove) when this component is
  // destroyed, and this one when AComponent is: the link goes both ways.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Layout nesting: GetChildren lists the components written inside this
  // one. The default lists, for the root, the owned components without a
  // parent component; controls add their children.
  virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*Parent*/) {}
  virtual bool HasParent() const { return false; }

  // Handler names bound to event properties by a layout, so that writing
  // the layout back names the same handlers.
  const String* BoundMethodName(const String& eventName) const;
  void SetBoundMethodName(const String& eventName, const String& methodName);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void ValidateName(const String& name) const;

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  String name_;
  int tag_ = 0;
  TComponentState state_;
  std::map<String, String> boundMethods_;
};

bool IsValidIdent(const String& ident);
