#pragma once
// Every subcommand of validador-cli. A new one is its own file, defining its Command
// class and a factory, plus the factory's line in CommandList.def.

#include <memory>
#include <span>
#include <string_view>

#include "cli/Command.h"

namespace validador::cli {

#define VALIDADOR_CLI_COMMAND(factory) std::unique_ptr<Command> factory();
#include "cli/CommandList.def"
#undef VALIDADOR_CLI_COMMAND

// The commands, in the order of CommandList.def.
std::span<const std::unique_ptr<Command>> Commands();

// The command called `name`; nullptr when there is none.
const Command* FindCommand(std::string_view name);

}  // namespace validador::cli
