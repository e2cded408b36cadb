#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace Zentrix {

class TNumEdit;

// The Configuration dialog: the acquisition settings, edited and confirmed with Ok.
class TfrmConfig : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmConfig(QWidget *owner);

    void Set_Data(bool load);
    void AddModelMenu();
    void btnOkClick();
    void btnCancelClick();

    QComboBox *cbModel;
    QComboBox *cbPort;
    QLabel *lblPortDevice;
    QRadioButton *rbAuto;
    QRadioButton *rbCount;
    TNumEdit *eCount;
    TNumEdit *eInterval;
    QComboBox *cbMainChannel;
    QComboBox *cbTrigger;
    TNumEdit *eDelay;
    TNumEdit *eValue;
    QComboBox *cbCapture;
    TNumEdit *eHigh;
    TNumEdit *eLow;
    QPushButton *btnOk;
    QPushButton *btnCancel;

    // The keyboard order that Tab and Enter follow.
    QList<QWidget *> KeyboardOrder() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPortDevice();
    // The ModelTable position of each item of cbModel.
    QList<int> m_modelNumbers;
};

// A limit as the dialog stores it: plain decimal, the locale's separator, no trailing zeros.
QString LimitText(double v);

} // namespace Zentrix
