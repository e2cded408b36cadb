#include "ModalDialog.h"

#include <QDialog>

namespace Zentrix {

namespace {
std::function<int(QDialog &)> g_responder;
}

int ExecModal(QDialog &dialog) { return g_responder ? g_responder(dialog) : dialog.exec(); }

void SetModalResponder(std::function<int(QDialog &)> responder) { g_responder = std::move(responder); }

} // namespace Zentrix
