#include "toolkit/core/Component.h"

#include <algorithm>

#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
          .Str("Name", &TComponent::Name, &TComponent::SetName)
          .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
          .Build();
  return info;
}

bool IsValidIdent(const String& ident) {
  if (ident.empty()) return false;
  for (size_t i = 0; i < ident.size(); ++i) {
    const char c = ident[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    const bool digit = c >= '0' && c <= '9';
    if (!letter && !(digit && i > 0)) return false;
  }
  return true;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const String& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError(Format("A component named %s already exists", component->name_.c_str()));
  if (component->owner_) component->owner_->RemoveComponent(component);
  Insert(component);
  if (state_.Contains(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  std::erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    Remove(last);
    last->BeforeDestruction();
    delete last;
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::ValidateName(const String& name) const {
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError(Format("'%s' is not a valid component name", name.c_str()));
  if (owner_ && !name.empty()) {
    const TComponent* other = owner_->FindComponent(name);
    if (other && other != this)
      throw EComponentError(Format("A component named %s already exists", name.c_str()));
  }
}

void TComponent::SetName(const String& name) {
  if (name == name_) return;
  ValidateName(name);
  name_ = name;
}

void TComponent::SetDesigning(bool designing, bool includeOwned) {
  SetComponentStateItem(csDesigning, designing);
  if (includeOwned)
    for (TComponent* c : components_) c->SetDesigning(designing, true);
}

void TComponent::SetComponentStateItem(TComponentStateItem item, bool on) {
  if (on)
    state_.Include(item);
  else
    state_.Exclude(item);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Owned components hear about their siblings; the list may shrink while
  // they react, so walk it by index from the end.
  size_t i = components_.size();
  while (i > 0) {
    --i;
    components_[i]->Notification(AComponent, Operation);
    if (i > components_.size()) i = components_.size();
  }
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end())
    freeNotifies_.push_back(AComponent);
  if (std::find(AComponent->freeNotifies_.begin(), AComponent->freeNotifies_.end(), this) ==
      AComponent->freeNotifies_.end())
    AComponent->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  std::erase(freeNotifies_, AComponent);
  std::erase(AComponent->freeNotifies_, this);
}

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  if (Root != this) return;
  for (TComponent* c : components_)
    if (!c->GetParentComponent()) Proc(c);
}

const String* TComponent::BoundMethodName(const String& eventName) const {
  const auto it = boundMethods_.find(LowerCase(eventName));
  return it == boundMethods_.end() ? nullptr : &it->second;
}

void TComponent::SetBoundMethodName(const String& eventName, const String& methodName) {
  if (methodName.empty())
    boundMethods_.erase(LowerCase(eventName));
  else
    boundMethods_[LowerCase(eventName)] = methodName;
}
