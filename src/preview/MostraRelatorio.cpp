#include "preview/MostraRelatorio.h"

#include <memory>

#include "preview/ReportPreview.h"
#include "report/TfrmResultado.h"

namespace validador {

void MostraRelatorio(const DadosResultado& dados, QWidget* parent, const ReportTarget& target) {
  auto form = std::make_unique<TfrmResultado>();
  form->PreencheRelatorio(dados);
  ReportPreview preview(form->QuickRep1, parent, target);
  preview.exec();
}

}  // namespace validador
