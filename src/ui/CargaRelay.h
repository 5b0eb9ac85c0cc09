#pragma once
// The engine's hooks as Qt signals, so that a check running on a worker thread reaches the
// window through its event queue. Each signal carries what the window shows, taken from
// the engine's hooks; the window never reads the engine while a command runs. Emitted from the window's own thread, the signals are delivered at once.

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "validation/check/Carga.h"

namespace validador::ui {

// What the window shows of the engine's state at one moment.
struct ShownValues {
  QString file;                  // "Arquivo:"
  QString lineTotal;             // "Total de Linhas:"
  bool lineTotalVisible = false;
  std::array<QString, 8> declaredCounts;
  qint64 gaugeMax = 100;
  qint64 gaugePos = 0;
  int algorithmIndex = -1;
  QString algorithmText;
  QStringList digests;           // the hidden digest list
};

ShownValues ShownValuesOf(const CargaSnapshot& state);

class CargaRelay : public QObject, public CargaHooks {
  Q_OBJECT

 public:
  explicit CargaRelay(QObject* parent = nullptr) : QObject(parent) {}

  // Answers ChooseFile on the relay's own thread; the calling thread waits for it.
  using FileChooser = std::function<std::optional<QString>(const QString& initialFolder)>;
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  void LogLineAdded(const LogLine& line) override { emit logLineAdded(line); }
  void LogCleared() override { emit logCleared(); }
  void StateChanged(const CargaSnapshot& state) override { emit stateChanged(ShownValuesOf(state)); }
  void FolderCheckStarted() override { emit folderCheckStarted(); }
  void FolderCheckFinished() override { emit folderCheckFinished(); }
  void FileStarted(const std::string& path, RecordTypeIndex type) override;
  void FileFinished() override { emit fileFinished(); }
  void FileJudged(const FileVerdict& verdict) override { emit fileJudged(verdict); }
  void PreScanStarted() override { emit preScanStarted(); }
  void PreScanFinished() override { emit preScanFinished(); }
  void Progress(const std::string& /*file*/, std::int64_t position, std::int64_t maximum) override {
    emit progress(position, maximum);
  }
  void InputNotice(const std::string& text, Entrada about) override;
  std::optional<std::string> ChooseFile(const std::string& initialFolder) override;
  void CannotReadFile(const std::string& path) override;
  void NameClash(const std::string& checked, const std::vector<std::string>& ignored) override;

 signals:
  void logLineAdded(const validador::LogLine& line);
  void logCleared();
  void stateChanged(const validador::ui::ShownValues& values);
  void folderCheckStarted();
  void folderCheckFinished();
  void fileStarted(const QString& path);
  void fileFinished();
  void fileJudged(const validador::FileVerdict& verdict);
  void preScanStarted();
  void preScanFinished();
  // The gauge of the file in work (bytes while it is read).
  void progress(qint64 position, qint64 maximum);
  void inputNotice(const QString& text, validador::Entrada about);
  void cannotReadFile(const QString& path);
  void nameClash(const QString& checked, const QStringList& ignored);

 private:
  FileChooser chooseFile_;
};

}  // namespace validador::ui
