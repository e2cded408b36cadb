#include "ErrorDisplay.h"

#include "AppError.h"
#include "MessageBox.h"

#include <QFont>

namespace Zentrix {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zentrix"));
    // The window fonts of the meter's home platform, by metric-compatible or near faces.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
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
