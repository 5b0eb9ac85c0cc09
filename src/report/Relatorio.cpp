#include "report/Relatorio.h"

#include "report/ReportRenderer.h"
#include "report/TfrmResultado.h"

namespace validador {

bool SalvaRelatorioPdf(const DadosResultado& dados, const QString& pdfPath, QString* erro) {
  TfrmResultado form;
  form.PreencheRelatorio(dados);
  return SaveReportPdf(form.QuickRep1, pdfPath, erro);
}

bool GeraRelatorioPdf(const DadosResultado& dados, QByteArray* pdf, QString* erro) {
  TfrmResultado form;
  form.PreencheRelatorio(dados);
  return RenderReportPdf(form.QuickRep1, pdf, erro);
}

}  // namespace validador
