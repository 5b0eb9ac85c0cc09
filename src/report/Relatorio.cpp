#include "report/Relatorio.h"

#include <memory>

#include "report/ReportPreview.h"
#include "report/ReportRenderer.h"
#include "report/TfrmResultado.h"

namespace validador {

void MostraRelatorio(const DadosResultado& dados, QWidget* parent) {
  auto form = std::make_unique<TfrmResultado>();
  form->PreencheRelatorio(dados);
  ReportPreview preview(form->QuickRep1, parent);
  preview.exec();
}

bool SalvaRelatorioPdf(const DadosResultado& dados, const QString& pdfPath, QString* erro) {
  TfrmResultado form;
  form.PreencheRelatorio(dados);
  return SaveReportPdf(form.QuickRep1, pdfPath, erro);
}

}  // namespace validador
