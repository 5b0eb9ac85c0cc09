#pragma once
// A component with an optional owner: the owner destroys the components it owns
// when it is destroyed itself, and a component destroyed on its own leaves its
// owner's list first. The list is guarded by a mutex, so components may be
// created and destroyed on several threads under one owner.

#include <cstddef>
#include <mutex>
#include <vector>

namespace validador {

class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();

  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  std::size_t ComponentCount() const;

  // Destroys every component owned so far (newest first); the owner stays.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_;
  mutable std::mutex componentsMutex_;
  std::vector<TComponent*> components_;
};

}  // namespace validador
