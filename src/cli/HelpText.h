#pragma once
// The help texts of validador-cli, laid out from the commands' definitions.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "cli/Command.h"

namespace validador::cli {

// Help lines are at most this wide, to fit an 80-column terminal.
inline constexpr std::size_t kHelpWidth = 79;

// `lead` followed by `words`, one blank apart, with a line break (then `indent`
// blanks) before a word that would pass kHelpWidth columns; ends with "\n".
std::string WrapWords(std::string_view lead, std::span<const std::string_view> words,
                      std::size_t indent);

// `text` laid out in lines of at most kHelpWidth columns, broken at blanks.
std::string WrapParagraph(std::string_view text);

// "Uso: validador-cli NAME ...", the description and the command's options.
std::string CommandHelp(const Command& command);

// The usage line, every command with its synopsis and description, the options of all
// commands, then `closing` (the text about the whole program).
std::string GlobalHelp(std::span<const std::unique_ptr<Command>> commands,
                       std::string_view closing);

}  // namespace validador::cli
