#include "TfrmDebug.h"

#include "Global.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace Zentrix {

TfrmDebug::TfrmDebug(QWidget *owner) : QWidget(owner)
{
    setObjectName(QStringLiteral("frmDebug"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own above the others, with a title but no buttons in it.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Debug Window"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *panel = new QWidget(this);
    panel->setFixedHeight(31);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(3, 3, 3, 3);
    Button1 = new QPushButton(QStringLiteral("Close"), panel);
    Button2 = new QPushButton(QStringLiteral("Clear"), panel);
    for (QPushButton *b : {Button1, Button2}) {
        b->setFixedSize(75, 25);
        row->addWidget(b);
    }
    row->addStretch(1);
    layout->addWidget(panel);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    Memo1->setFont(mono);
    layout->addWidget(Memo1);
    connect(Button1, &QPushButton::clicked, this, &TfrmDebug::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmDebug::Button2Click);

    resize(300, 200);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TfrmDebug::AddLine(const QString &line) { Memo1->appendPlainText(line); }

void TfrmDebug::Button1Click() { close(); }

void TfrmDebug::Button2Click() { Memo1->clear(); }

void TfrmDebug::closeEvent(QCloseEvent *e)
{
    Settings.DEBUG = false;
    e->accept();
}

} // namespace Zentrix
