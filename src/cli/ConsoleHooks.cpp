#include "cli/ConsoleHooks.h"

#include <cstdio>

#include "cli/ErrorText.h"
#include "cli/StandardOutput.h"
#include "base/Cp1252.h"
#include "platform/Console.h"
#include "platform/Paths.h"
#include "base/Mensagens.h"

namespace validador::cli {
namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(100);

}  // namespace

ConsoleHooks::ConsoleHooks(bool styled, std::optional<std::string> chosenFile)
    : styled_(styled), chosenFile_(std::move(chosenFile)), stderrIsTerminal_(platform::StandardErrorIsTerminal()) {}

void ConsoleHooks::LogLineAdded(const LogLine& line) {
  ClearProgress();
  std::string out;
  if (styled_) {
    out += static_cast<char>(line.style);
    out += '\t';
  }
  out += Cp1252ToUtf8(line.text);
  out += '\n';
  WriteOut(out);
}

void ConsoleHooks::Progress(const std::string& file, std::int64_t position, std::int64_t maximum) {
  if (!stderrIsTerminal_ || maximum <= 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (progressVisible_ && now - lastProgress_ < kProgressInterval) return;
  lastProgress_ = now;
  const long long percent = 100LL * position / maximum;
  const std::string line =
      "\r\033[K" + EscapeControls(platform::FileNameOf(file)) + " " + std::to_string(percent) + "%";
  std::fflush(stdout);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
  progressVisible_ = true;
}

void ConsoleHooks::ClearProgress() {
  if (!progressVisible_) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  progressVisible_ = false;
}

void ConsoleHooks::InputNotice(const std::string& text, Entrada) {
  ClearProgress();
  std::fprintf(stderr, "validador-cli: %s\n", EscapeControls(Cp1252ToUtf8(text)).c_str());
  noticeShown_ = true;
}

std::optional<std::string> ConsoleHooks::ChooseFile(const std::string&) { return chosenFile_; }

void ConsoleHooks::CannotReadFile(const std::string& path) {
  ClearProgress();
  std::fprintf(stderr, "validador-cli: %s: %s\n", Cp1252ToUtf8(texts::CannotReadFile()).c_str(),
               EscapeControls(path).c_str());
}

void ConsoleHooks::NameClash(const std::string& checked, const std::vector<std::string>& ignored) {
  ClearProgress();
  std::string note =
      "validador-cli: aviso: nomes que só diferem em maiúsculas e minúsculas; "
      "verificado: " +
      EscapeControls(platform::FileNameOf(checked)) + "; ignorado: ";
  for (std::size_t i = 0; i < ignored.size(); ++i) {
    if (i > 0) note += ", ";
    note += EscapeControls(platform::FileNameOf(ignored[i]));
  }
  note += "\n";
  std::fwrite(note.data(), 1, note.size(), stderr);
}

void ConsoleHooks::TextAfterEndOfText(const std::string&, const std::string& notice) {
  ClearProgress();
  const std::string line = "validador-cli: aviso: " + EscapeControls(Cp1252ToUtf8(notice)) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace validador::cli
