#include "MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace Zentrix {

namespace {
TMessageDlg::Responder g_responder;
}

void TMessageDlg::setResponder(Responder r) { g_responder = std::move(r); }

void TMessageDlg::show(QWidget *owner, Kind kind, const QString &text)
{
    TMessageDlg box(owner);
    box.setKind(kind);
    box.execute(text);
}

void TMessageDlg::execute(const QString &text) const
{
    if (g_responder) {
        g_responder(m_kind, text);
        return;
    }
    QDialog dlg(m_owner);
    dlg.setWindowTitle(QStringLiteral("Zentrix"));
    dlg.setModal(true);
    auto *layout = new QVBoxLayout(&dlg);
    auto *row = new QHBoxLayout;
    auto *icon = new QLabel(&dlg);
    const QStyle::StandardPixmap pix = m_kind == Error     ? QStyle::SP_MessageBoxCritical
                                       : m_kind == Warning ? QStyle::SP_MessageBoxWarning
                                                           : QStyle::SP_MessageBoxInformation;
    icon->setPixmap(dlg.style()->standardIcon(pix).pixmap(32, 32));
    // Lines of a message are joined by carriage returns.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    auto *label = new QLabel(shown, &dlg);
    label->setObjectName(QStringLiteral("lblMessage"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMinimumWidth(220);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(13);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: blue;"));
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    layout->addWidget(buttons, 0, Qt::AlignCenter);
    if (!m_owner)
        QApplication::beep();
    dlg.exec();
}

} // namespace Zentrix
