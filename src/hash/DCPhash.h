#pragma once
// The abstract hash component: class-level identifier, name, digest size and
// self-test; the streaming operations Init, Update, Final and Wipe; and the two
// conveniences that feed a stream or a string through Update.
//
// Calling order: Init, any number of Update / UpdateStream / UpdateString, Final.
// Update and Final on a component that is not initialised raise EDCP_hash
// "Hash not initialized". The abstract class itself computes nothing and never
// raises.

#include <cstdint>
#include <string>
#include <string_view>

#include "hash/TComponent.h"
#include "hash/TStream.h"
#include "base/Errors.h"

namespace validador {

class TDCP_hash;

// Misuse of a hash component.
class EDCP_hash : public Exception {
 public:
  using Exception::Exception;
};

// What a hash class answers without an instance, and how to make one.
struct TDCP_hashclass {
  std::int32_t (*GetId)();
  std::string (*GetAlgorithm)();
  std::int32_t (*GetHashSize)();  // bits
  bool (*SelfTest)();
  TDCP_hash* (*Create)(TComponent* owner);
};

// The descriptor of a hash class, built from its class-level operations.
template <class HashClass>
const TDCP_hashclass& HashClassOf() {
  static const TDCP_hashclass descriptor{
      &HashClass::GetId, &HashClass::GetAlgorithm, &HashClass::GetHashSize, &HashClass::SelfTest,
      [](TComponent* owner) -> TDCP_hash* { return new HashClass(owner); }};
  return descriptor;
}

class TDCP_hash : public TComponent {
 public:
  explicit TDCP_hash(TComponent* owner = nullptr) : TComponent(owner) {}

  // Class-level operations: every class hides these with its own answers. A call
  // through an instance names the static type; the instance's own class answers
  // through ClassType() and the properties below.
  static std::int32_t GetId() { return -1; }
  static std::string GetAlgorithm() { return {}; }
  static std::int32_t GetHashSize() { return -1; }
  static bool SelfTest() { return false; }

  virtual const TDCP_hashclass& ClassType() const { return HashClassOf<TDCP_hash>(); }

  // Properties of the instance's class; assigning them changes nothing.
  std::int32_t Id() const { return ClassType().GetId(); }
  void SetId(std::int32_t value) { IgnoreInteger(value); }
  std::string Algorithm() const { return ClassType().GetAlgorithm(); }
  void SetAlgorithm(std::string_view) {}
  std::int32_t HashSize() const { return ClassType().GetHashSize(); }
  void SetHashSize(std::int32_t value) { IgnoreInteger(value); }

  virtual void Init() {}
  // Completes the digest into `digest` (at least HashSize()/8 bytes), then wipes.
  virtual void Final(void* /*digest*/) {}
  // Clears every count, buffer and chaining word; never raises.
  virtual void Wipe() {}
  virtual void Update(const void* /*buffer*/, std::uint32_t /*size*/) {}

  // Feeds `size` bytes read from the stream's position in reads of up to 8192
  // bytes, each followed by Update with the count the stream reports.
  void UpdateStream(TStream& stream, std::uint64_t size);
  // Feeds the bytes of the text (an empty text still calls Update with 0).
  void UpdateString(std::string_view text);

  bool IsInitialized() const { return Initialized; }

  static constexpr std::uint32_t kStreamBlockSize = 8192;

 protected:
  [[noreturn]] static void RaiseNotInitialized();

  bool Initialized = false;

 private:
  static void IgnoreInteger(std::int32_t) {}
};

}  // namespace validador
