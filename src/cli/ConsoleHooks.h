#pragma once
// What the command line does for a check: the log on stdout as it is written (a write
// the system refuses ends the check), the notices, unreadable files and name clashes on
// stderr, a progress display when stderr is a terminal.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "validation/check/Carga.h"

namespace validador::cli {

class ConsoleHooks : public CargaHooks {
 public:
  ConsoleHooks(bool styled, std::optional<std::string> chosenFile);

  void LogLineAdded(const LogLine& line) override;
  void Progress(const std::string& file, std::int64_t position, std::int64_t maximum) override;
  void InputNotice(const std::string& text, Entrada about) override;
  std::optional<std::string> ChooseFile(const std::string& initialFolder) override;
  void CannotReadFile(const std::string& path) override;
  void NameClash(const std::string& checked, const std::vector<std::string>& ignored) override;
  void TextAfterEndOfText(const std::string& path, const std::string& notice) override;

  bool NoticeShown() const { return noticeShown_; }
  void ClearProgress();

 private:
  bool styled_;
  std::optional<std::string> chosenFile_;
  bool noticeShown_ = false;
  bool progressVisible_ = false;
  bool stderrIsTerminal_;
  std::chrono::steady_clock::time_point lastProgress_{};
};

}  // namespace validador::cli
