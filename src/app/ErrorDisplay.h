#pragma once

#include <QApplication>

namespace Zentrix {

// The application object with the one error display: an exception that leaves an event
// handler is shown in an error box with its text, and the program goes on.
class TApplication : public QApplication
{
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows an error text in the program's error box.
void ShowError(const QString &text);

} // namespace Zentrix
