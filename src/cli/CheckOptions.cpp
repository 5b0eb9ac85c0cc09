#include "cli/CheckOptions.h"

#include <string_view>

namespace validador::cli {
namespace {

// Splits "--name=value" into its two parts; value is nullopt without '='.
std::pair<std::string, std::optional<std::string>> SplitOption(const std::string& arg) {
  const auto equals = arg.find('=');
  if (equals == std::string::npos) return {arg, std::nullopt};
  return {arg.substr(0, equals), arg.substr(equals + 1)};
}

std::optional<std::string>* ValueSlot(CheckOptions& options, std::string_view name,
                                      bool singleFile) {
  if (name == "--case") return &options.caso;
  if (name == "--bank") return &options.banco;
  if (name == "--hash") return &options.hash;
  if (name == "--report") return &options.report;
  if (name == "--folder" && singleFile) return &options.folder;
  return nullptr;
}

bool* FlagSlot(CheckOptions& options, std::string_view name) {
  if (name == "--styled") return &options.styled;
  if (name == "--manifest") return &options.manifest;
  if (name == "--help" || name == "-h") return &options.help;
  return nullptr;
}

}  // namespace

std::optional<CheckOptions> ParseCheckOptions(const Args& args, bool singleFile) {
  CheckOptions options;
  bool haveTarget = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      if (haveTarget) {
        UsageError("argumento a mais: " + arg);
        return std::nullopt;
      }
      options.target = arg;
      haveTarget = true;
      continue;
    }
    auto [name, inlineValue] = SplitOption(arg);
    if (bool* flag = FlagSlot(options, name); flag != nullptr && !inlineValue) {
      *flag = true;
      continue;
    }
    std::optional<std::string>* slot = ValueSlot(options, name, singleFile);
    if (slot == nullptr) {
      UsageError("opção desconhecida: " + arg);
      return std::nullopt;
    }
    if (inlineValue) {
      *slot = *inlineValue;
    } else if (i + 1 < args.size()) {
      *slot = args[++i];
    } else {
      UsageError("falta o valor de " + name);
      return std::nullopt;
    }
  }
  if (options.help) return options;
  if (!haveTarget) {
    UsageError(singleFile ? "falta o ARQUIVO" : "falta a PASTA");
    return std::nullopt;
  }
  return options;
}

}  // namespace validador::cli
