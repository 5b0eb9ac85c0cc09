#pragma once
// The holder of the result report QuickRep1. It is never shown itself: the report is
// previewed, printed or written to a PDF file. A fresh one is made at each use of
// "Resultado".

#include <QString>

#include "report/DadosResultado.h"
#include "report/Report.h"
#include "report/ReportImage.h"
#include "report/ReportLabel.h"
#include "report/ReportShape.h"
#include "report/ReportTextBlock.h"

namespace validador {

class TfrmResultado {
 public:
  TfrmResultado();
  TfrmResultado(const TfrmResultado&) = delete;
  TfrmResultado& operator=(const TfrmResultado&) = delete;

  // Fills the report from the command's data: date, time, digest lines, algorithm and
  // log; keeps the case number and contacts that the band hooks print.
  void PreencheRelatorio(const DadosResultado& dados);

  Report QuickRep1;

  // Title band: emblem and the four organisation heading lines.
  ReportBand* QRBand1 = nullptr;
  ReportImage* QRImage1 = nullptr;
  ReportLabel* QRLabel1 = nullptr;
  ReportLabel* QRLabel2 = nullptr;
  ReportLabel* QRLabel3 = nullptr;
  ReportLabel* QRLabel4 = nullptr;

  // Detail band: when, the reference number and the log.
  ReportBand* QRBand2 = nullptr;
  ReportLabel* QRLabel5 = nullptr;
  ReportLabel* QRLabel6 = nullptr;
  ReportLabel* QRLabel7 = nullptr;
  ReportLabel* QRLabel16 = nullptr;
  ReportLabel* qrlNmCaso = nullptr;
  ReportTextBlock* QRRichText1 = nullptr;

  // Summary band: algorithm, digest and the bank's contact.
  ReportBand* QRBand3 = nullptr;
  ReportLabel* QRLabel15 = nullptr;
  ReportLabel* qrlAlgol = nullptr;
  ReportLabel* QRLabel14 = nullptr;
  ReportLabel* qrlHash1 = nullptr;
  ReportLabel* qrlHash2 = nullptr;
  ReportShape* QRShape1 = nullptr;
  ReportLabel* QRLabel8 = nullptr;
  ReportLabel* QRLabel11 = nullptr;
  ReportLabel* QRLabel9 = nullptr;
  ReportLabel* QRLabel12 = nullptr;
  ReportLabel* QRLabel10 = nullptr;
  ReportLabel* QRLabel13 = nullptr;

 private:
  void CriaBandaTitulo();
  void CriaBandaDetalhe();
  void CriaBandaSumario();
  ReportLabel* CriaRotulo(ReportBand& band, const char* name, double left, double top,
                          const QString& text, bool bold = false);
  void QRBand2BeforePrint();
  void QRBand3BeforePrint();

  QString NumCaso;
  QString NomeAnalista;
  QString EmailContato;
  QString TelContato;
};

}  // namespace validador
