#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace Zentrix {

// The trace window: the raw reading lines of every processed response.
class TfrmDebug : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmDebug(QWidget *owner);

    QPushButton *Button1; // Close
    QPushButton *Button2; // Clear
    QPlainTextEdit *Memo1;

    void AddLine(const QString &line);
    void Button1Click();
    void Button2Click();

protected:
    void closeEvent(QCloseEvent *e) override;
};

} // namespace Zentrix
