#include "skin/core/SkinObjectList.h"

#include <algorithm>

bool TSkinObjectList::Add(TSkinObjectBase* object) {
  const auto same = [object](const auto& entry) { return entry.get() == object; };
  if (std::any_of(objects_.begin(), objects_.end(), same)) return true;
  objects_.emplace_back(object);
  return false;
}

void TSkinObjectList::Remove(TSkinObjectBase* object) {
  for (auto it = objects_.rbegin(); it != objects_.rend(); ++it) {
    if (it->get() == object) {
      (void)it->release();
      objects_.erase(std::next(it).base());
      return;
    }
  }
}

TSkinObjectBase* TSkinObjectList::Find(HWND window) const {
  if (!window) return nullptr;
  for (const auto& object : objects_) {
    if (object->Window() == window) return object.get();
  }
  return nullptr;
}

void TSkinObjectList::ReleaseAll(bool restoreControls) {
  while (!objects_.empty()) {
    std::unique_ptr<TSkinObjectBase> object = std::move(objects_.back());
    objects_.pop_back();
    object->Release(restoreControls);
  }
}

void TSkinObjectList::SkinChanged() {
  for (const auto& object : objects_) object->SkinChanged();
}

void TSkinObjectList::SweepGone() {
  for (size_t i = objects_.size(); i-- > 0;) {
    if (!objects_[i]->Gone()) continue;
    // Out of the list before it is freed: its destructor looks for itself.
    std::unique_ptr<TSkinObjectBase> object = std::move(objects_[i]);
    objects_.erase(objects_.begin() + static_cast<std::ptrdiff_t>(i));
    object.reset();
  }
}
