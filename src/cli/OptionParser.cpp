#include "cli/OptionParser.h"

#include <algorithm>
#include <utility>

#include "cli/UsageError.h"

namespace validador::cli {
namespace {

// "-" and "" are arguments, not options.
bool LooksLikeOption(const std::string& arg) { return arg.size() >= 2 && arg[0] == '-'; }

bool IsHelp(std::string_view name) { return name == "--help" || name == "-h"; }

// Splits "--name=value" into its two parts; the value is nullopt without '='.
std::pair<std::string, std::optional<std::string>> SplitOption(const std::string& arg) {
  const auto equals = arg.find('=');
  if (equals == std::string::npos) return {arg, std::nullopt};
  return {arg.substr(0, equals), arg.substr(equals + 1)};
}

const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name) {
  const auto found = std::find_if(options.begin(), options.end(),
                                  [name](const OptionSpec& option) { return option.name == name; });
  return found == options.end() ? nullptr : &*found;
}

void RequireNoValue(const std::string& name, const std::optional<std::string>& inlineValue) {
  if (inlineValue) throw UsageError("a opção " + name + " não aceita valor");
}

void AddPositional(ParsedArgs& parsed, const std::string& arg, const PositionalSpec& spec) {
  if (parsed.positionals.size() == spec.maximum) {
    throw UsageError((spec.maximum == 0 ? "argumento inesperado: " : "argumento a mais: ") + arg);
  }
  parsed.positionals.push_back(arg);
}

// Takes the option at args[index] (and its value when it is the next argument);
// returns the index of the last argument used.
std::size_t TakeOption(ParsedArgs& parsed, const Args& args, std::size_t index,
                       std::span<const OptionSpec> options) {
  const std::string& arg = args[index];
  const auto [name, inlineValue] = SplitOption(arg);
  if (IsHelp(name)) {
    RequireNoValue(name, inlineValue);
    parsed.helpRequested = true;
    return index;
  }
  const OptionSpec* option = FindOption(options, name);
  if (option == nullptr) throw UsageError("opção desconhecida: " + arg);
  if (!option->TakesValue()) {
    RequireNoValue(name, inlineValue);
    parsed.flags.insert(name);
    return index;
  }
  if (inlineValue) {
    parsed.values[name] = *inlineValue;
    return index;
  }
  if (index + 1 == args.size()) throw UsageError("falta o valor de " + name);
  parsed.values[name] = args[index + 1];
  return index + 1;
}

}  // namespace

std::optional<std::string> ParsedArgs::Value(std::string_view name) const {
  const auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

bool ParsedArgs::Flag(std::string_view name) const { return flags.contains(name); }

ParsedArgs ParseArgs(const Args& args, std::span<const OptionSpec> options,
                     const PositionalSpec& positionals) {
  ParsedArgs parsed;
  bool optionsEnded = false;
  for (std::size_t index = 0; index < args.size(); ++index) {
    const std::string& arg = args[index];
    if (optionsEnded || !LooksLikeOption(arg)) {
      AddPositional(parsed, arg, positionals);
    } else if (arg == "--") {
      optionsEnded = true;
    } else {
      index = TakeOption(parsed, args, index, options);
    }
  }
  if (!parsed.helpRequested && parsed.positionals.size() < positionals.required) {
    throw UsageError(std::string(positionals.missingMessage));
  }
  return parsed;
}

}  // namespace validador::cli
