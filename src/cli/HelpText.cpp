#include "cli/HelpText.h"

#include <algorithm>
#include <vector>

namespace validador::cli {
namespace {

constexpr std::size_t kOptionColumn = 20;  // where an option's description starts
constexpr std::string_view kCommandIndent = "  ";
constexpr std::size_t kSynopsisIndent = 8;
constexpr std::string_view kDescriptionIndent = "      ";

// Columns taken by UTF-8 text: one per character.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
}

std::string OptionLine(const OptionSpec& option) {
  std::string line = "  " + std::string(option.name);
  if (option.TakesValue()) line += " " + std::string(option.valueName);
  const std::size_t width = Columns(line);
  line.append(std::max(kOptionColumn, width + 2) - width, ' ');
  return line + std::string(option.description) + "\n";
}

std::string OptionLines(std::span<const OptionSpec> options) {
  std::string lines;
  for (const OptionSpec& option : options) {
    if (option.listed) lines += OptionLine(option);
  }
  return lines;
}

// The options of all commands, each once. An option not seen before goes right after
// the option that precedes it in its command, so a command's options keep their order.
std::vector<OptionSpec> MergedOptions(std::span<const std::unique_ptr<Command>> commands) {
  std::vector<OptionSpec> merged;
  for (const auto& command : commands) {
    std::size_t next = 0;
    for (const OptionSpec& option : command->Options()) {
      const auto found = std::find_if(merged.begin(), merged.end(), [&](const OptionSpec& seen) {
        return seen.name == option.name;
      });
      if (found == merged.end()) {
        merged.insert(merged.begin() + static_cast<std::ptrdiff_t>(next), option);
        ++next;
      } else {
        next = static_cast<std::size_t>(found - merged.begin()) + 1;
      }
    }
  }
  return merged;
}

// "a", "a e b", "a, b e c".
std::string JoinedNames(const std::vector<std::string_view>& names) {
  std::string joined;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) joined += i + 1 == names.size() ? " e " : ", ";
    joined += names[i];
  }
  return joined;
}

std::string OptionsSection(std::span<const std::unique_ptr<Command>> commands) {
  std::vector<std::string_view> names;
  for (const auto& command : commands) {
    if (!command->Options().empty()) names.push_back(command->Name());
  }
  if (names.empty()) return {};
  return "Opções de " + JoinedNames(names) + ":\n" + OptionLines(MergedOptions(commands)) + "\n";
}

std::string CommandEntry(const Command& command) {
  const std::string lead = std::string(kCommandIndent) + std::string(command.Name());
  return WrapWords(lead, command.Synopsis(), kSynopsisIndent) +
         std::string(kDescriptionIndent) + std::string(command.Description()) + "\n";
}

}  // namespace

std::string WrapWords(std::string_view lead, std::span<const std::string_view> words,
                      std::size_t indent) {
  std::string text(lead);
  std::size_t column = Columns(lead);
  for (const std::string_view word : words) {
    if (column + 1 + Columns(word) > kHelpWidth) {
      text += "\n" + std::string(indent, ' ') + std::string(word);
      column = indent + Columns(word);
    } else {
      text += " " + std::string(word);
      column += 1 + Columns(word);
    }
  }
  return text + "\n";
}

std::string WrapParagraph(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (words.empty()) return "\n";
  return WrapWords(words.front(), std::span(words).subspan(1), 0);
}

std::string CommandHelp(const Command& command) {
  const std::string lead = "Uso: validador-cli " + std::string(command.Name());
  std::string help = WrapWords(lead, command.Synopsis(), Columns(lead) + 1) +
                     std::string(command.Description()) + "\n";
  if (!command.Options().empty()) help += "\nOpções:\n" + OptionLines(command.Options());
  return help;
}

std::string GlobalHelp(std::span<const std::unique_ptr<Command>> commands,
                       std::string_view closing) {
  std::string help = "Uso: validador-cli COMANDO [OPÇÕES]\n\nComandos:\n";
  for (const auto& command : commands) help += CommandEntry(*command);
  return help + "\n" + OptionsSection(commands) + std::string(closing);
}

}  // namespace validador::cli
