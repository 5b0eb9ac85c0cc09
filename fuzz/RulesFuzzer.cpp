// The field split and the field rules against their plain reference: the same fields,
// and for a line that splits, the same message (or the same validity).

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "validation/ReferenceRules.h"
#include "validation/rules/SeparaCampos.h"
#include "validation/rules/ValidaCampos.h"

namespace validador::fuzz {
namespace {

const TLayoutCampos& LayoutOf(RecordTypeIndex type) {
  static const auto layouts = [] {
    std::vector<TLayoutCampos> all;
    for (int t = 0; t < kRecordTypeCount; ++t) all.push_back(MontaListasLayout(static_cast<RecordTypeIndex>(t)));
    return all;
  }();
  return layouts[type];
}

std::string Joined(const std::vector<std::string>& fields) {
  std::string text;
  for (const std::string& field : fields) text += "[" + field + "]";
  return text;
}

}  // namespace
}  // namespace validador::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace validador;
  using namespace validador::fuzz;
  FuzzInput input(data, size);
  const RecordTypeIndex type = input.Type();
  const std::string_view line = input.Rest();

  TRetorno fields;
  const int count = SeparaCampos(line, type, fields);
  const std::vector<std::string> expected = reference::Split(line, type);
  if (expected.empty()) {
    ExpectEqual("field count of a line that does not split", count, 0);
    return 0;
  }
  ExpectEqual("field count", count, static_cast<int>(expected.size()));
  const std::vector<std::string> found(fields.begin(), fields.begin() + count);
  if (found != expected) Mismatch("fields", Joined(found), Joined(expected));

  std::string message;
  const bool valid = ValidaRegistro(fields, LayoutOf(type), message);
  ExpectEqual("message", message, reference::Check(expected, type));
  ExpectEqual("valid", valid, message.empty());
  return 0;
}
