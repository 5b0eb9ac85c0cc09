#pragma once
// The inputs that come back when the program starts again: the chosen folder, the
// algorithm, the case number and the bank number, kept in the user's settings file
// (an INI file of the organisation "Validador").

namespace validador::ui {

class TfrmCarga;

void SaveInputs(const TfrmCarga& window);
// Puts the saved inputs back into the window. A folder that no longer exists and an
// algorithm that is not one of the list are left out.
void RestoreInputs(TfrmCarga& window);

}  // namespace validador::ui
