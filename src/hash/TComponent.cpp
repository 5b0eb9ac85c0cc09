#include "hash/TComponent.h"

#include <algorithm>

namespace validador {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_ != nullptr) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

std::size_t TComponent::ComponentCount() const {
  std::lock_guard lock(componentsMutex_);
  return components_.size();
}

void TComponent::DestroyComponents() {
  for (;;) {
    TComponent* newest = nullptr;
    {
      std::lock_guard lock(componentsMutex_);
      if (components_.empty()) return;
      newest = components_.back();
    }
    // The component's destructor takes itself off the list.
    delete newest;
  }
}

void TComponent::InsertComponent(TComponent* component) {
  std::lock_guard lock(componentsMutex_);
  components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
  std::lock_guard lock(componentsMutex_);
  const auto found = std::find(components_.rbegin(), components_.rend(), component);
  if (found != components_.rend()) components_.erase(std::next(found).base());
}

}  // namespace validador
