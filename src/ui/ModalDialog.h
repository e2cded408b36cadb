#pragma once

#include <functional>

class QDialog;

namespace Zentrix {

// Shows a dialog modally and answers its result. Tests put a function of their own in its place
// that works the dialog's controls and answers instead of a person.
int ExecModal(QDialog &dialog);
void SetModalResponder(std::function<int(QDialog &)> responder);

} // namespace Zentrix
