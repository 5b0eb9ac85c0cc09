#pragma once
// One subcommand of validador-cli: its name, what it does, the options and positional
// arguments it takes, and what it runs. Execute parses the arguments with the shared
// parser, answers --help and reports usage errors; the subclass only runs.

#include <span>
#include <string>
#include <string_view>

#include "cli/OptionParser.h"

namespace validador::cli {

class Command {
 public:
  struct Definition {
    std::string_view name;                       // "check"
    std::string_view description;                // one line, in both helps
    std::span<const std::string_view> synopsis;  // "PASTA", "--case TEXTO", "[--styled]", ...
    std::span<const OptionSpec> options;
    PositionalSpec positionals;
  };

  explicit Command(const Definition& definition) : definition_(definition) {}
  virtual ~Command() = default;
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  std::string_view Name() const { return definition_.name; }
  std::string_view Description() const { return definition_.description; }
  std::span<const std::string_view> Synopsis() const { return definition_.synopsis; }
  std::span<const OptionSpec> Options() const { return definition_.options; }

  // Runs the command on the arguments after its name; returns the exit status.
  int Execute(const Args& args) const;

 protected:
  // Runs with arguments that passed the parser; may throw UsageError.
  virtual int Run(const ParsedArgs& parsed) const = 0;
  // Added after the message of each usage error of this command ("" for nothing).
  virtual std::string UsageNote() const { return {}; }

 private:
  Definition definition_;
};

}  // namespace validador::cli
