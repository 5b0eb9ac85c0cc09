#include "branding/Branding.h"

#include <QPixmap>
#include <array>

#include "ProgramVersion.h"

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterAssetsResource() { Q_INIT_RESOURCE(assets); }

namespace validador {

namespace {

const QString kResourceFolder = QStringLiteral(":/validador/");

QString Resource(const char* fileName) { return kResourceFolder + QLatin1String(fileName); }

const char* ButtonFileStem(ButtonPicture button) {
  switch (button) {
    case ButtonPicture::AbreArquivos: return "btn-abre-arquivos";
    case ButtonPicture::AbreArquivo: return "btn-abre-arquivo";
    case ButtonPicture::Resultado: return "btn-resultado";
  }
  return "";
}

}  // namespace

void InitBrandingResources() {
  static const bool registered = (RegisterAssetsResource(), true);
  (void)registered;
}

QString HeadingLine(int i) {
  static const std::array<QString, 4> lines = {
      QStringLiteral("SERVIÇO DE VERIFICAÇÃO DE DADOS BANCÁRIOS"),
      QStringLiteral("Coordenação de Análise de Movimentação Financeira"),
      QStringLiteral("Divisão de Recepção e Conferência de Arquivos"),
      QStringLiteral("Sistema de Validação de Entregas Bancárias"),
  };
  if (i < 1 || i > static_cast<int>(lines.size())) return {};
  return lines[static_cast<std::size_t>(i - 1)];
}

QString SplashHeadingLine() { return QStringLiteral("Serviço de Verificação de Dados Bancários"); }

QString VersionLine() {
  return QStringLiteral("Versão %1   (Abril 2007) .").arg(QLatin1String(kProgramVersion));
}

QString ProgramTitle() { return QStringLiteral(" Validador "); }

QString LogoPicturePath() { return Resource("logo.jpg"); }
QString EmblemPicturePath() { return Resource("emblem.jpg"); }
QString SplashPicturePath() { return Resource("splash.gif"); }
QString AppIconPath() { return Resource("validador.png"); }
QString AppIconSvgPath() { return Resource("validador.svg"); }

QString ButtonPicturePath(ButtonPicture button, bool enabled) {
  const QString stem = kResourceFolder + QLatin1String(ButtonFileStem(button));
  return enabled ? stem + QStringLiteral(".png") : stem + QStringLiteral("-disabled.png");
}

QIcon ButtonIcon(ButtonPicture button) {
  QIcon icon;
  icon.addPixmap(QPixmap(ButtonPicturePath(button, true)), QIcon::Normal);
  icon.addPixmap(QPixmap(ButtonPicturePath(button, false)), QIcon::Disabled);
  return icon;
}

}  // namespace validador
