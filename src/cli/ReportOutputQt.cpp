// The result report written as PDF through the report library, with no window.

#include <QGuiApplication>

#include <cstdio>
#include <memory>

#include "cli/ReportOutput.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "report/Branding.h"
#include "report/DadosDaCarga.h"
#include "report/Relatorio.h"

namespace validador::cli {
namespace {

QString FromCp1252(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

// Keeps the toolkit's own notes (about the session's folders and such) off the
// checker's stderr; real failures still reach it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

// The toolkit needs an application object; without a display it draws off screen.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qInstallMessageHandler(QuietMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "validador-cli";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
  InitBrandingResources();
}

}  // namespace

void WriteReport(const Carga& carga, const std::string& manifestDigest,
                 const std::string& pdfPath) {
  EnsureGuiApplication();
  QStringList linhasLog;
  for (const LogLine& line : carga.Log.Lines()) linhasLog << FromCp1252(line.text);
  const DadosResultado dados = DadosDaCarga(carga, linhasLog, manifestDigest);
  QString erro;
  if (!SalvaRelatorioPdf(dados, QString::fromStdString(pdfPath), &erro)) {
    throw Exception(Utf8ToCp1252(erro.toStdString()));
  }
}

}  // namespace validador::cli
