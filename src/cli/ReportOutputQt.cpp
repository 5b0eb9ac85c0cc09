// The result report written as PDF through the report library, with no window.

#include <QDate>
#include <QGuiApplication>
#include <QTime>

#include <cstdio>
#include <memory>

#include "cli/ReportOutput.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "report/Branding.h"
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
  DadosResultado dados;
  for (const LogLine& line : carga.Log.Lines()) dados.linhasLog << FromCp1252(line.text);
  dados.digest = FromCp1252(manifestDigest);
  dados.algoritmo = FromCp1252(carga.cbHashText);
  dados.numCaso = FromCp1252(carga.NumCaso);
  dados.nomeAnalista = FromCp1252(carga.NomeAnalista);
  dados.emailContato = FromCp1252(carga.EmailContato);
  dados.telContato = FromCp1252(carga.TelContato);
  dados.data = QDate::currentDate();
  dados.hora = QTime::currentTime();
  QString erro;
  if (!SalvaRelatorioPdf(dados, QString::fromStdString(pdfPath), &erro)) {
    throw Exception(Utf8ToCp1252(erro.toStdString()));
  }
}

}  // namespace validador::cli
