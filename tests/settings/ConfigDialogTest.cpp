#include "Controls.h"
#include "TestDir.h"
#include "TfrmConfig.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

class ConfigDialog : public ::testing::Test
{
protected:
    TestProgramDir program;

    void SetUp() override
    {
        const char *names[] = {"Alpha", "Beta", "Gamma"};
        for (int i = 0; i < 3; ++i) {
            ModelTable[i].Number = static_cast<std::uint8_t>(i + 1);
            ModelTable[i].Type = static_cast<std::int8_t>(i + 1);
            ModelTable[i].Name = names[i];
        }
        for (int i = 3; i < kModelCount; ++i)
            ModelTable[i].Number = static_cast<std::uint8_t>(i + 1);
    }
};

TEST_F(ConfigDialog, OpensWithTheSettings)
{
    Settings.PORT = 3;
    Settings.MAINCHANNEL = 2;
    Settings.TRIGGER = 1;
    Settings.CAPTURE = 3;
    Settings.COUNT = 12345; // above the limit
    Settings.INTERVAL = 0;  // below the limit
    Settings.DELAY = 7;
    Settings.VALUE = "1.5";
    Settings.HIGH = "junk";
    Settings.LOW = "-0.25";
    Settings.COUNTREP = false;
    TfrmConfig dlg(nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Configuration");
    EXPECT_EQ(dlg.cbPort->currentText(), "COM3");
    EXPECT_EQ(dlg.lblPortDevice->text(), "COM3 = /dev/ttyS2");
    EXPECT_EQ(dlg.cbMainChannel->currentText(), "SUB2");
    EXPECT_EQ(dlg.cbTrigger->currentText(), "Rising Edge");
    EXPECT_EQ(dlg.cbCapture->currentText(), "Low <= Data <= High");
    EXPECT_DOUBLE_EQ(dlg.eCount->Value(), 10000);
    EXPECT_EQ(dlg.eCount->text(), QLocale::system().toString(10000));
    EXPECT_DOUBLE_EQ(dlg.eInterval->Value(), 1);
    EXPECT_DOUBLE_EQ(dlg.eDelay->Value(), 7);
    EXPECT_EQ(dlg.eValue->text(), "1.5000");
    EXPECT_EQ(dlg.eHigh->text(), "0.0000");
    EXPECT_EQ(dlg.eLow->text(), "-0.2500");
    EXPECT_TRUE(dlg.rbCount->isChecked());
    EXPECT_TRUE(dlg.eCount->isEnabled());
    EXPECT_EQ(dlg.cbModel->count(), 3);
    EXPECT_EQ(dlg.cbModel->currentText(), "Alpha");

    dlg.btnOkClick();
    EXPECT_EQ(dlg.result(), 1);
    EXPECT_EQ(Settings.COUNT, 10000);
    EXPECT_EQ(Settings.INTERVAL, 1);
    EXPECT_EQ(Settings.HIGH, "0");
    EXPECT_EQ(Settings.VALUE, "1.5");
    EXPECT_EQ(Settings.LOW, "-0.25");
    EXPECT_FALSE(Settings.COUNTREP);
}

TEST_F(ConfigDialog, ModelListAndType)
{
    ModelTable[1].Name.clear(); // in use with an empty name: listed empty
    ModelTable[5].Type = 0;
    Settings.MODEL = 5;
    {
        TfrmConfig dlg(nullptr);
        EXPECT_EQ(Settings.MODEL, 3); // at once, even if cancelled
        EXPECT_EQ(dlg.cbModel->currentText(), "Gamma");
        EXPECT_EQ(dlg.cbModel->itemText(1), "");
        dlg.btnCancelClick();
    }
    EXPECT_EQ(Settings.MODEL, 3);
    TfrmConfig dlg(nullptr);
    dlg.cbModel->setCurrentIndex(1);
    dlg.cbPort->setCurrentIndex(5);
    dlg.btnOkClick();
    EXPECT_EQ(Settings.MODEL, 2);
    EXPECT_EQ(Settings.TYPE, 2);
    EXPECT_EQ(Settings.PORT, 6);
}

TEST_F(ConfigDialog, ModelsWithGapsMapToTheirOwnEntries)
{
    ModelTable[1].Type = 0; // entries 1 and 3 in use
    Settings.MODEL = 3;
    TfrmConfig dlg(nullptr);
    EXPECT_EQ(dlg.cbModel->currentText(), "Gamma");
    dlg.btnOkClick();
    EXPECT_EQ(Settings.MODEL, 3);
    EXPECT_EQ(Settings.TYPE, 3);
}

TEST_F(ConfigDialog, ListsWithoutSelectionKeepTheirSettings)
{
    for (TMODEL &m : ModelTable)
        m.Type = 0;
    Settings.MODEL = 0;
    Settings.TYPE = 1;
    Settings.PORT = 9;
    Settings.TRIGGER = 7;
    TfrmConfig dlg(nullptr);
    EXPECT_EQ(dlg.cbModel->currentIndex(), -1);
    EXPECT_EQ(dlg.cbPort->currentIndex(), -1);
    dlg.btnOkClick();
    EXPECT_EQ(Settings.MODEL, 0);
    EXPECT_EQ(Settings.TYPE, 1);
    EXPECT_EQ(Settings.PORT, 9);
    EXPECT_EQ(Settings.TRIGGER, 7);
}

TEST_F(ConfigDialog, CommaLocale)
{
    SetDecimalSeparator(',');
    Settings.VALUE = "1.5";
    Settings.HIGH = "2.5";
    TfrmConfig dlg(nullptr);
    EXPECT_EQ(Settings.VALUE, "1,5"); // at once
    EXPECT_EQ(dlg.eValue->text(), "1,5000");
    dlg.eLow->SetValue(-0.125);
    dlg.btnOkClick();
    EXPECT_EQ(Settings.VALUE, "1,5");
    EXPECT_EQ(Settings.HIGH, "2,5");
    EXPECT_EQ(Settings.LOW, "-0,125");
}

TEST_F(ConfigDialog, RepetitiveDisablesTheCountUntilReopened)
{
    Settings.COUNTREP = true;
    TfrmConfig dlg(nullptr);
    EXPECT_TRUE(dlg.rbAuto->isChecked());
    EXPECT_FALSE(dlg.eCount->isEnabled());
    dlg.rbCount->setChecked(true);
    EXPECT_FALSE(dlg.eCount->isEnabled());
    dlg.btnOkClick();
    EXPECT_FALSE(Settings.COUNTREP);
}

TEST_F(ConfigDialog, EnterFollowsTheKeyboardOrderAndBackspaceIsIgnored)
{
    Settings.COUNTREP = false;
    TfrmConfig dlg(nullptr);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    const QList<QWidget *> order = dlg.KeyboardOrder();
    for (qsizetype i = 0; i < order.size(); ++i) {
        order[i]->setFocus();
        QTest::keyClick(order[i], Qt::Key_Return);
        EXPECT_TRUE(order[(i + 1) % order.size()]->hasFocus()) << i;
    }
    EXPECT_EQ(order[8], dlg.eLow);
    EXPECT_EQ(order[9], dlg.rbAuto);
    // Backspace in a list changes nothing.
    dlg.cbTrigger->setCurrentIndex(2);
    QTest::keyClick(dlg.cbTrigger, Qt::Key_Backspace);
    EXPECT_EQ(dlg.cbTrigger->currentIndex(), 2);
}

TEST_F(ConfigDialog, CancelLeavesTheSettings)
{
    Settings.INTERVAL = 5;
    TfrmConfig dlg(nullptr);
    dlg.eInterval->SetValue(60);
    dlg.cbTrigger->setCurrentIndex(2);
    dlg.btnCancelClick();
    EXPECT_EQ(Settings.INTERVAL, 5);
    EXPECT_EQ(Settings.TRIGGER, 0);
}

TEST(LimitText, PlainDecimal)
{
    SetDecimalSeparator('.');
    const std::pair<double, const char *> cases[] = {
        {2.5, "2.5"}, {0, "0"}, {-0.125, "-0.125"}, {99999, "99999"}, {0.0001, "0.0001"}, {-0.0, "0"},
        {1e-7, "0.0000001"},
    };
    for (const auto &[v, text] : cases)
        EXPECT_EQ(LimitText(v), text) << v;
    ResetDecimalSeparator();
}

} // namespace
