#include "report/TfrmResultado.h"

#include <QImage>

#include "branding/Branding.h"
#include "report/DataHoraTexto.h"
#include "report/ReportFonts.h"

namespace validador {

namespace {

constexpr double kReportFontPoints = 10;
constexpr qsizetype kHashLineLength = 64;
const QColor kWindowText = Qt::black;
const QColor kNavy(0, 0, 128);

QFont ReportFont(bool bold) { return ArialFont(kReportFontPoints, bold); }

const QString& TextoArquivoGerado() {
  static const QString texto = QStringLiteral("Arquivo gerado automaticamente. ");
  return texto;
}

}  // namespace

TfrmResultado::TfrmResultado() : QuickRep1(QStringLiteral("Resultado")) {
  InitBrandingResources();
  CriaBandaTitulo();
  CriaBandaDetalhe();
  CriaBandaSumario();
}

ReportLabel* TfrmResultado::CriaRotulo(ReportBand& band, const char* name, double left,
                                       double top, const QString& text, bool bold) {
  return band.Add<ReportLabel>(QLatin1String(name), QPointF(left, top), text, ReportFont(bold),
                               kWindowText);
}

void TfrmResultado::CriaBandaTitulo() {
  QRBand1 = &QuickRep1.AddBand(QStringLiteral("QRBand1"), ReportBandKind::Title, 27.6);
  QRBand1->SetBottomLine(true);
  QRImage1 = QRBand1->Add<ReportImage>(QStringLiteral("QRImage1"), QRectF(2.6, 2.6, 21.5, 21.5),
                                       QImage(EmblemPicturePath()));
  const QFont heading = TahomaFont(kReportFontPoints, true);
  auto headingLabel = [&](const char* name, double top, int line) {
    return QRBand1->Add<ReportLabel>(QLatin1String(name), QPointF(26.0, top), HeadingLine(line),
                                     heading, kNavy);
  };
  QRLabel1 = headingLabel("QRLabel1", 2.6, 1);
  QRLabel2 = headingLabel("QRLabel2", 8.4, 2);
  QRLabel3 = headingLabel("QRLabel3", 14.6, 3);
  QRLabel4 = headingLabel("QRLabel4", 20.7, 4);
}

void TfrmResultado::CriaBandaDetalhe() {
  QRBand2 = &QuickRep1.AddBand(QStringLiteral("QRBand2"), ReportBandKind::Detail, 40.8);
  QRBand2->SetBeforePrint([this] { QRBand2BeforePrint(); });
  QRLabel5 = CriaRotulo(*QRBand2, "QRLabel5", 1.3, 1.1, TextoArquivoGerado());
  QRLabel6 = CriaRotulo(*QRBand2, "QRLabel6", 1.3, 6.4, QStringLiteral("Em "));
  QRLabel7 = CriaRotulo(*QRBand2, "QRLabel7", 1.3, 11.0, QStringLiteral("Às "));
  QRLabel16 =
      CriaRotulo(*QRBand2, "QRLabel16", 1.3, 20.7, QStringLiteral("Número de referência:  "), true);
  qrlNmCaso = CriaRotulo(*QRBand2, "qrlNmCaso", 39.9, 20.7, QString(), true);
  QRRichText1 = QRBand2->Add<ReportTextBlock>(
      QStringLiteral("QRRichText1"), QRectF(4.9, 33.5, 197.3, 6.8), ReportFont(false), kWindowText);
}

void TfrmResultado::CriaBandaSumario() {
  QRBand3 = &QuickRep1.AddBand(QStringLiteral("QRBand3"), ReportBandKind::Summary, 43.2);
  QRBand3->SetBeforePrint([this] { QRBand3BeforePrint(); });
  QRLabel15 = CriaRotulo(*QRBand3, "QRLabel15", 1.3, 1.5, QStringLiteral("Algorítimo:"));
  qrlAlgol = CriaRotulo(*QRBand3, "qrlAlgol", 18.7, 1.5, QString());
  QRLabel14 = CriaRotulo(*QRBand3, "QRLabel14", 1.3, 6.8, QStringLiteral("Hash:"));
  qrlHash1 = CriaRotulo(*QRBand3, "qrlHash1", 18.7, 6.8, QString());
  qrlHash2 = CriaRotulo(*QRBand3, "qrlHash2", 18.7, 12.1, QString());
  qrlHash2->SetEnabled(false);
  QRShape1 = QRBand3->Add<ReportShape>(QStringLiteral("QRShape1"), QRectF(37.7, 25.8, 114.7, 2.0));
  QRLabel8 = CriaRotulo(*QRBand3, "QRLabel8", 57.3, 27.8, QStringLiteral("Responsável:"), true);
  QRLabel11 = CriaRotulo(*QRBand3, "QRLabel11", 82.0, 27.8, QString(), true);
  QRLabel9 = CriaRotulo(*QRBand3, "QRLabel9", 57.3, 33.1, QStringLiteral("Email:"));
  QRLabel12 = CriaRotulo(*QRBand3, "QRLabel12", 82.0, 33.1, QString());
  QRLabel10 = CriaRotulo(*QRBand3, "QRLabel10", 57.3, 37.7, QStringLiteral("Telefone:"));
  QRLabel13 = CriaRotulo(*QRBand3, "QRLabel13", 82.0, 37.7, QString());
}

void TfrmResultado::PreencheRelatorio(const DadosResultado& dados) {
  QRLabel5->SetText(TextoArquivoGerado());
  QRLabel6->SetText(QStringLiteral("Em ") + TextoData(dados.data));
  QRLabel7->SetText(QStringLiteral("Às ") + TextoHora(dados.hora));
  qrlHash1->SetText(dados.digest.left(kHashLineLength));
  if (dados.digest.size() > kHashLineLength) qrlHash2->SetEnabled(true);
  qrlHash2->SetText(dados.digest.mid(kHashLineLength, kHashLineLength));
  qrlAlgol->SetText(dados.algoritmo);
  QRRichText1->SetLines(dados.linhasLog);
  NumCaso = dados.numCaso;
  NomeAnalista = dados.nomeAnalista;
  EmailContato = dados.emailContato;
  TelContato = dados.telContato;
}

void TfrmResultado::QRBand2BeforePrint() { qrlNmCaso->SetText(NumCaso); }

void TfrmResultado::QRBand3BeforePrint() {
  QRLabel11->SetText(NomeAnalista);
  QRLabel12->SetText(EmailContato);
  QRLabel13->SetText(TelContato);
}

}  // namespace validador
