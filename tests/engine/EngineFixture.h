#pragma once
// A check over a delivery folder with hooks that record what the shell would see.

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "platform/Paths.h"
#include "support/Delivery.h"
#include "validation/check/Carga.h"

namespace validador {

class RecordingHooks : public CargaHooks {
 public:
  void LogLineAdded(const LogLine& line) override { added.push_back(line); }
  void LogCleared() override { ++clears; }
  void StateChanged(const CargaSnapshot& state) override { states.push_back(state); }
  void Progress(const std::string& file, std::int64_t position, std::int64_t maximum) override {
    progress.emplace_back(position, maximum);
    progressFiles.push_back(file);
  }
  void InputNotice(const std::string& text, Entrada about) override {
    notices.push_back(Cp1252ToUtf8(text));
    noticeAbout.push_back(about);
  }
  std::optional<std::string> ChooseFile(const std::string& initialFolder) override {
    dialogFolders.push_back(initialFolder);
    return chosenFile;
  }
  void CannotReadFile(const std::string& path) override { cannotRead.push_back(path); }
  void FolderCheckStarted() override { events.push_back("FolderCheckStarted"); }
  void FolderCheckFinished() override { events.push_back("FolderCheckFinished"); }
  void FileStarted(const std::string& path, RecordTypeIndex) override {
    events.push_back("FileStarted " + path);
  }
  void FileFinished() override { events.push_back("FileFinished"); }
  void PreScanStarted() override { events.push_back("PreScanStarted"); }
  void PreScanFinished() override { events.push_back("PreScanFinished"); }
  void TextAfterEndOfText(const std::string& path, const std::string& notice) override {
    textAfterEnd.push_back(platform::FileNameOf(path) + ": " + Cp1252ToUtf8(notice));
  }

  const Carga* carga = nullptr;
  std::vector<LogLine> added;
  int clears = 0;
  std::vector<std::pair<std::int64_t, std::int64_t>> progress;  // gauge at each report
  std::vector<std::string> progressFiles;                       // the file of each report
  std::vector<CargaSnapshot> states;                            // each shown state
  std::vector<std::string> notices;
  std::vector<Entrada> noticeAbout;
  std::optional<std::string> chosenFile;
  std::vector<std::string> dialogFolders;
  std::vector<std::string> cannotRead;
  std::vector<std::string> events;  // the check's progress hooks, in order
  std::vector<std::string> textAfterEnd;  // "FILE NAME: notice"
};

// The log as "E|text", "N|text" or "-|text" in UTF-8, the elapsed time masked.
inline std::vector<std::string> LogOf(const Carga& carga) {
  static const std::regex elapsed("Ok - \\d\\d:\\d\\d:\\d\\d,");
  std::vector<std::string> lines;
  for (const auto& line : carga.Log.Lines()) {
    std::string text = std::regex_replace(Cp1252ToUtf8(line.text), elapsed, "Ok - hh:nn:ss,");
    lines.push_back(std::string(1, static_cast<char>(line.style)) + "|" + text);
  }
  return lines;
}

inline const std::string kBanner = "E|ERRO!" + std::string(80, '*');
inline const std::string kAsterisks = "E|" + std::string(87, '*');
inline const std::string kClosing = "-|****              Fim da Verificação              ****";

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : carga(&hooks) {
    hooks.carga = &carga;
    carga.edtNrCaso = delivery.caso;
    carga.edtNrBanco = delivery.bank;
    carga.dlb1 = delivery.dir.Path().string();
    carga.cbHashIndex = AlgorithmIndex(kDefaultAlgorithm);
    carga.cbHashText = "md5";
  }

  // The digest of a file as the check computes it (the chosen algorithm).
  std::string DigestOf(const std::string& path) { return carga.Calchash(path); }
  std::string DigestOf(RecordTypeIndex type) { return DigestOf(delivery.PathOf(type)); }

  std::string Tabela(RecordTypeIndex type) const {
    return std::string(LayoutCatalogue::Instance().NomeTabela(type));
  }

  // The success block of a passed run.
  std::vector<std::string> SuccessBlock(RecordTypeIndex type, int records) {
    return {"N|Carga efetuada com sucesso: " + Tabela(type) +
                ".\tOk - hh:nn:ss, N.º de Registros: " + std::to_string(records),
            "N|" + DigestOf(type), "N|"};
  }

  testsupport::Delivery delivery;
  RecordingHooks hooks;
  Carga carga;
};

// Appends the lines of `more` to `lines`.
inline void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace validador
