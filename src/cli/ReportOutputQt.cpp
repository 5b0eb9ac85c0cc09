// The result report written as PDF through the report library, with no window.

#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <string_view>

#include "cli/ReportOutput.h"
#include "base/Errors.h"
#include "platform/ReplaceFile.h"
#include "branding/Branding.h"
#include "report/Relatorio.h"
#include "resultado/DadosDaCarga.h"
#include "qttexts/QtTexts.h"

namespace validador::cli {
namespace {

// Keeps the toolkit's own notes (about the session's folders and such) off the
// checker's stderr; real failures still reach it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "validador-cli: %s\n", message.toUtf8().constData());
  }
}

// The toolkit needs an application object. The command line always paints off screen,
// whatever QT_QPA_PLATFORM names and whether or not there is a display: "-platform"
// on the application's command line takes precedence over the environment. On Windows
// the offscreen platform knows only the fonts of a folder beside the toolkit, so there
// the minimal platform paints, with the system's fonts.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  qInstallMessageHandler(QuietMessages);
  static int argc = 3;
  static char name[] = "validador-cli";
  static char platformOption[] = "-platform";
#ifdef _WIN32
  static char offscreen[] = "minimal:enable_fonts";
#else
  static char offscreen[] = "offscreen";
#endif
  static char* argv[] = {name, platformOption, offscreen, nullptr};
  static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
  InitBrandingResources();
}

QStringList LinhasDoLog(const Carga& carga) {
  QStringList linhas;
  for (const LogLine& line : carga.Log.Lines()) linhas << FromCp1252(line.text);
  return linhas;
}

}  // namespace

bool ReportAvailable() { return true; }

void WriteReport(const Carga& carga, const std::string& manifestDigest,
                 const std::string& pdfPath) {
  EnsureGuiApplication();
  const DadosResultado dados = DadosDaCarga(carga, LinhasDoLog(carga), manifestDigest);
  QByteArray pdf;
  QString erro;
  if (!GeraRelatorioPdf(dados, &pdf, &erro)) throw Exception(ToCp1252(erro));
  platform::ReplaceFileContents(pdfPath, std::string_view(pdf.constData(),
                                                          static_cast<std::size_t>(pdf.size())));
}

}  // namespace validador::cli
