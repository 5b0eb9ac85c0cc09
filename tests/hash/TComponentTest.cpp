#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "hash/TComponent.h"

namespace validador {
namespace {

// A component that records its own destruction.
class Tracked : public TComponent {
 public:
  Tracked(TComponent* owner, int& destroyed) : TComponent(owner), destroyed_(destroyed) {}
  ~Tracked() override { ++destroyed_; }

 private:
  int& destroyed_;
};

TEST(TComponent, OwnerDestroysWhatItOwnsAndItsOwnedOnes) {
  int destroyed = 0;
  {
    TComponent owner;
    auto* child = new Tracked(&owner, destroyed);
    new Tracked(child, destroyed);  // owned by the child
    new Tracked(&owner, destroyed);
    EXPECT_EQ(owner.ComponentCount(), 2u);
    EXPECT_EQ(child->ComponentCount(), 1u);
    EXPECT_EQ(child->Owner(), &owner);
  }
  EXPECT_EQ(destroyed, 3);
}

TEST(TComponent, ComponentDestroyedAloneLeavesItsOwnersList) {
  int destroyed = 0;
  TComponent owner;
  auto* first = new Tracked(&owner, destroyed);
  auto* second = new Tracked(&owner, destroyed);
  delete first;
  EXPECT_EQ(owner.ComponentCount(), 1u);
  owner.DestroyComponents();
  EXPECT_EQ(owner.ComponentCount(), 0u);
  EXPECT_EQ(destroyed, 2);
  (void)second;
}

TEST(TComponent, ComponentWithoutOwnerIsOnItsOwn) {
  int destroyed = 0;
  {
    Tracked alone(nullptr, destroyed);
    EXPECT_EQ(alone.Owner(), nullptr);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(TComponent, ThreadsCreateAndDestroyUnderOneOwner) {
  int destroyedPerThread[4] = {};
  TComponent owner;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&owner, &destroyed = destroyedPerThread[t]] {
      for (int i = 0; i < 2000; ++i) {
        auto* kept = new Tracked(&owner, destroyed);
        delete new Tracked(&owner, destroyed);
        (void)kept;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(owner.ComponentCount(), 4u * 2000u);
  owner.DestroyComponents();
  for (const int destroyed : destroyedPerThread) EXPECT_EQ(destroyed, 4000);
}

}  // namespace
}  // namespace validador
