#pragma once
// The option parser every command of validador-cli shares: long options with a value
// ("--name VALUE" or "--name=VALUE"), flags, "--help"/"-h", "--" ending the options,
// and positional arguments. A wrong use throws UsageError.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace validador::cli {

// The arguments after the command's name, as typed.
using Args = std::vector<std::string>;

// One option a command takes.
struct OptionSpec {
  std::string_view name;         // "--case"
  std::string_view valueName;    // "TEXTO" in the help; empty for a flag
  std::string_view description;  // its line in the help
  bool listed = true;            // false: taken, so that it is refused by its own message, but
                                 // left out of the help (an option this build cannot serve)

  bool TakesValue() const { return !valueName.empty(); }
};

inline constexpr std::size_t kAnyNumber = SIZE_MAX;

// How many positional arguments a command takes.
struct PositionalSpec {
  std::size_t required = 0;         // fewer is a usage error telling missingMessage
  std::size_t maximum = 0;          // one more is a usage error naming it
  std::string_view missingMessage;  // "falta a PASTA"
};

// What the parser found. Options given more than once keep the last value.
struct ParsedArgs {
  bool helpRequested = false;
  std::map<std::string, std::string, std::less<>> values;  // by option name
  std::set<std::string, std::less<>> flags;                // the flags given
  std::vector<std::string> positionals;                    // in the order given

  std::optional<std::string> Value(std::string_view name) const;
  bool Flag(std::string_view name) const;
};

// Parses `args` against the command's options. Errors are thrown in the order of the
// arguments; with --help the positional arguments are not required.
ParsedArgs ParseArgs(const Args& args, std::span<const OptionSpec> options,
                     const PositionalSpec& positionals);

}  // namespace validador::cli
