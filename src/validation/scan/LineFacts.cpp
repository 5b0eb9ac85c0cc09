#include "validation/scan/LineFacts.h"

namespace validador {

void LineFacts::Append(LineFacts&& later) {
  if (firstWrongBank == 0) {
    if (later.lastWrongLetter != 0) lastWrongLetter = count + later.lastWrongLetter;
    if (later.firstWrongBank != 0) firstWrongBank = count + later.firstWrongBank;
  }
  if (firstFault == 0 && later.firstFault != 0) {
    firstFault = count + later.firstFault;
    fault = later.fault;
    MensagemErro = std::move(later.MensagemErro);
  }
  count += later.count;
}

}  // namespace validador
