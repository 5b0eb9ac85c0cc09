#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace validador::app {

QTranslator* InstallQtTranslations(const QLocale& system) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(QCoreApplication::instance());
  const QString catalogue = QStringLiteral("qtbase");
  const QString separator = QStringLiteral("_");
  if (translator->load(system, catalogue, separator, folder) ||
      translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), catalogue, separator,
                       folder)) {
    QCoreApplication::installTranslator(translator);
    return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace validador::app
