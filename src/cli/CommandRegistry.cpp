#include "cli/CommandRegistry.h"

#include <algorithm>
#include <vector>

namespace validador::cli {

std::span<const std::unique_ptr<Command>> Commands() {
  static const std::vector<std::unique_ptr<Command>> commands = [] {
    std::vector<std::unique_ptr<Command>> list;
#define VALIDADOR_CLI_COMMAND(factory) list.push_back(factory());
#include "cli/CommandList.def"
#undef VALIDADOR_CLI_COMMAND
    return list;
  }();
  return commands;
}

const Command* FindCommand(std::string_view name) {
  const auto commands = Commands();
  const auto found = std::find_if(commands.begin(), commands.end(),
                                  [name](const auto& command) { return command->Name() == name; });
  return found == commands.end() ? nullptr : found->get();
}

}  // namespace validador::cli
