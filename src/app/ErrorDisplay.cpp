#include "ErrorDisplay.h"

#include "AppError.h"
#include "MessageBox.h"

namespace Zentrix {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zentrix"));
}

void ShowError(const QString &text)
{
    TMessageDlg::show(QApplication::activeWindow(), TMessageDlg::Error, text);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError &e) {
        ShowError(e.text());
    } catch (const std::exception &e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
    return true;
}

} // namespace Zentrix
