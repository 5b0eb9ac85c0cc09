#include "ui/CargaRelay.h"

#include <QThread>

#include "qttexts/QtTexts.h"

namespace validador::ui {

ShownValues ShownValuesOf(const CargaSnapshot& state) {
  ShownValues values;
  values.file = FromPath(state.file);
  values.lineTotal = FromCp1252(state.lineTotal);
  values.lineTotalVisible = state.lineTotalVisible;
  for (std::size_t i = 0; i < state.declaredCounts.size(); ++i) {
    values.declaredCounts[i] = FromCp1252(state.declaredCounts[i]);
  }
  values.gaugeMax = state.gaugeMax;
  values.gaugePos = state.gaugePos;
  values.algorithmIndex = state.algorithmIndex;
  values.algorithmText = FromCp1252(state.algorithmText);
  for (const std::string& digest : state.digests) values.digests << FromCp1252(digest);
  return values;
}

void CargaRelay::FileStarted(const std::string& path, RecordTypeIndex) {
  emit fileStarted(FromPath(path));
}

void CargaRelay::InputNotice(const std::string& text, Entrada about) {
  emit inputNotice(FromCp1252(text), about);
}

void CargaRelay::CannotReadFile(const std::string& path) { emit cannotReadFile(FromPath(path)); }

void CargaRelay::NameClash(const std::string& checked, const std::vector<std::string>& ignored) {
  QStringList names;
  for (const std::string& name : ignored) names << FromPath(name);
  emit nameClash(FromPath(checked), names);
}

// The dialog belongs to the relay's thread: a worker waits there until the user answers.
std::optional<std::string> CargaRelay::ChooseFile(const std::string& initialFolder) {
  if (!chooseFile_) return std::nullopt;
  const QString folder = FromPath(initialFolder);
  std::optional<QString> chosen;
  auto ask = [this, &folder, &chosen] { chosen = chooseFile_(folder); };
  if (QThread::currentThread() == thread()) {
    ask();
  } else {
    QMetaObject::invokeMethod(this, ask, Qt::BlockingQueuedConnection);
  }
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  return ToPath(*chosen);
}

}  // namespace validador::ui
