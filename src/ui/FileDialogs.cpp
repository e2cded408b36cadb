#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Zentrix {

namespace {
TFileDialog::Responder g_responder;
}

void TFileDialog::setResponder(Responder r) { g_responder = std::move(r); }

bool TFileDialog::Execute(QWidget *owner)
{
    std::optional<QString> chosen;
    if (g_responder) {
        chosen = g_responder(*this);
    } else {
        QFileDialog dlg(owner, Title, InitialDir, Filter);
        dlg.setAcceptMode(m_mode == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dlg.setFileMode(m_mode == Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dlg.setDefaultSuffix(DefaultExt);
        dlg.setOption(QFileDialog::DontConfirmOverwrite, !OverwritePrompt);
        dlg.setOption(QFileDialog::ReadOnly, false);
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
            chosen = dlg.selectedFiles().constFirst();
    }
    if (!chosen || chosen->isEmpty())
        return false;
    FileName = QFileInfo(*chosen).absoluteFilePath();
    return true;
}

} // namespace Zentrix
