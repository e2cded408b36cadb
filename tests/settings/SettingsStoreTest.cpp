#include "AppError.h"
#include "Global.h"
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "QtPrint.h"

#include <gtest/gtest.h>

using namespace Zentrix;

namespace {

class SettingsStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGlobals();
        ASSERT_TRUE(dir.isValid());
        AppPath = dir.path() + '/';
    }
    void TearDown() override { ResetGlobals(); }

    void writeIni(const QByteArray &text)
    {
        QFile f(SettingsFileName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray readIni()
    {
        QFile f(SettingsFileName());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QTemporaryDir dir;
};

TEST_F(SettingsStore, DefaultsWithoutAFile)
{
    Settings.MODEL = 7;
    Settings.VALUE = "x";
    Settings.DEBUG = true;
    ReadWriteSettings(true);
    ReadWriteModels(true);
    GraphCount = 1;
    ReadWriteGraphPlace(true);

    const TSettings &s = Settings;
    EXPECT_EQ(s.PROJECT, "Zentrix Ver 2.0");
    EXPECT_EQ(s.MODEL, 1);
    EXPECT_EQ(s.TYPE, 1);
    EXPECT_EQ(s.PORT, 1);
    EXPECT_EQ(s.GOFFSET, 0);
    EXPECT_EQ(s.GMAX, 100);
    EXPECT_EQ(s.COUNT, 100);
    EXPECT_EQ(s.INTERVAL, 2);
    EXPECT_EQ(s.CHANNEL, 0);
    EXPECT_EQ(s.MAINCHANNEL, 0);
    EXPECT_EQ(s.TRIGGER, 0);
    EXPECT_EQ(s.DELAY, 1);
    EXPECT_EQ(s.VALUE, "0.0000");
    EXPECT_EQ(s.CAPTURE, 0);
    EXPECT_EQ(s.HIGH, "0.0000");
    EXPECT_EQ(s.LOW, "0.0000");
    EXPECT_FALSE(s.ACQUIRE || s.DATA || s.GAUGE || s.DEBUG || s.COUNTREP);
    for (int i = 0; i < kModelCount; ++i) {
        EXPECT_EQ(ModelTable[i].Number, i + 1);
        EXPECT_EQ(ModelTable[i].Type, 0);
        EXPECT_TRUE(ModelTable[i].Name.isEmpty());
    }
    EXPECT_EQ(GraphRect, QRect(0, 0, 540, 400));
    // Reading never creates the file.
    EXPECT_FALSE(QFile::exists(SettingsFileName()));
}

TEST_F(SettingsStore, StoreWritesTheKeysInOrderWithTheProjectConstant)
{
    writeIni("[ZENTRIX]\nCOUNTREP=1\nPROJECT=Something else\n[FORM]\nGRAPH1=1,2,3,4\n");
    Settings.PROJECT = "not this";
    Settings.COUNTREP = true;
    Settings.GAUGE = true;
    Settings.VALUE = "2,5";
    Settings.INTERVAL = 10;
    ReadWriteSettings(false);

    const QString text = QString::fromUtf8(readIni());
    // Present keys keep their place; new ones follow at the end of the section.
    const QString expected = "[ZENTRIX]\nCOUNTREP=1\nPROJECT=Zentrix Ver 2.0\nMODEL=1\nTYPE=1\nPORT=1\n"
                             "GOFFSET=0\nGMAX=100\nCOUNT=100\nINTERVAL=10\nCHANNEL=0\nMAINCHANNEL=0\n"
                             "TRIGGER=0\nDELAY=1\nVALUE=2,5\nCAPTURE=0\nHIGH=0.0000\nLOW=0.0000\n"
                             "ACQUIRE=0\nDATA=0\nGAUGE=1\nDEBUG=0\n";
    EXPECT_TRUE(text.startsWith(expected)) << text.toStdString();
    EXPECT_TRUE(text.contains("[FORM]\nGRAPH1=1,2,3,4")) << text.toStdString();
}

TEST_F(SettingsStore, NewFileHoldsTheTwentyOneKeysInTableOrder)
{
    ReadWriteSettings(false);
    QStringList keys;
    for (const QString &line : QString::fromUtf8(readIni()).split('\n', Qt::SkipEmptyParts))
        if (!line.startsWith('['))
            keys << line.section('=', 0, 0);
    EXPECT_EQ(keys.join(' '), "PROJECT MODEL TYPE PORT GOFFSET GMAX COUNT INTERVAL CHANNEL MAINCHANNEL "
                              "TRIGGER DELAY VALUE CAPTURE HIGH LOW ACQUIRE DATA GAUGE DEBUG COUNTREP");
    TSettings before = Settings;
    Settings = TSettings{};
    Settings.MODEL = 5;
    ReadWriteSettings(true);
    EXPECT_EQ(Settings.MODEL, before.MODEL);
}

TEST_F(SettingsStore, IntegerAndBooleanReadingRules)
{
    writeIni("[zentrix]\ninterval=0x0A\nCOUNT=$1F\nDELAY=ten\nPORT=0X2\nGMAX=-5\nGOFFSET=99999999999\n"
             "TRIGGER=  2 \nCAPTURE=1.5\nDEBUG=5\nACQUIRE=0\nGAUGE=-1\nDATA=yes\nCOUNTREP=$0\n");
    ReadWriteSettings(true);
    EXPECT_EQ(Settings.INTERVAL, 10);
    EXPECT_EQ(Settings.COUNT, 31);
    EXPECT_EQ(Settings.DELAY, 1);      // a word: default
    EXPECT_EQ(Settings.PORT, 2);
    EXPECT_EQ(Settings.GMAX, -5);
    EXPECT_EQ(Settings.GOFFSET, 0);    // out of 32-bit range: default
    EXPECT_EQ(Settings.TRIGGER, 2);
    EXPECT_EQ(Settings.CAPTURE, 0);    // not an integer: default
    EXPECT_TRUE(Settings.DEBUG);
    EXPECT_FALSE(Settings.ACQUIRE);
    EXPECT_TRUE(Settings.GAUGE);
    EXPECT_FALSE(Settings.DATA);
    EXPECT_FALSE(Settings.COUNTREP);

    int v = 0;
    EXPECT_TRUE(ParseIniInteger("$FFFFFFFF", v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(ParseIniInteger("$", v));
    EXPECT_FALSE(ParseIniInteger("0x", v));
    EXPECT_FALSE(ParseIniInteger("$123456789", v));
    EXPECT_FALSE(ParseIniInteger("12a", v));
}

TEST_F(SettingsStore, TextValuesAreCutTo255)
{
    writeIni("[ZENTRIX]\nVALUE=" + QByteArray(300, '7') + "\nHIGH=\"1.5\"\n");
    ReadWriteSettings(true);
    EXPECT_EQ(Settings.VALUE, QString(255, '7'));
    // Quotes are part of the value as written.
    EXPECT_EQ(Settings.HIGH, "\"1.5\"");
}

TEST_F(SettingsStore, ModelNames)
{
    writeIni("[MODEL]\nNAME1=2Bench 4000\nNAME2=\nNAME3=1\nNAME5=" + QByteArray("3") + QByteArray(199, 'x')
             + "\nNAME6=Meter without digit\nNAME7=9" + QByteArray(5, 'y') + "\n");
    ReadWriteModels(true);
    struct Expect
    {
        int type;
        QString name;
    };
    const Expect e[kModelCount] = {
        {2, "Bench 4000"}, {0, ""}, {1, ""}, {0, ""}, {3, QString(127, 'x')},
        {0, "Meter without digit"}, {9, "yyyyy"}, {0, ""}, {0, ""},
    };
    for (int i = 0; i < kModelCount; ++i) {
        EXPECT_EQ(ModelTable[i].Number, i + 1) << i;
        EXPECT_EQ(ModelTable[i].Type, e[i].type) << i;
        EXPECT_EQ(ModelTable[i].Name, e[i].name) << i;
    }
    EXPECT_EQ(ModelName(1), "Bench 4000");
    for (int outside : {0, -1, 10, 1000})
        EXPECT_EQ(ModelEntry(outside), nullptr) << outside;
    EXPECT_EQ(ModelName(0), "");
}

TEST_F(SettingsStore, GraphPlaces)
{
    writeIni("[FORM]\nGRAPH1=10,20,300,200,99\nGRAPH2=1,2,3\nGRAPH3=a,b,c,d\nGRAPH4=5,6,7,8\n");
    const std::pair<int, QRect> cases[] = {
        {1, QRect(10, 20, 300, 200)}, {2, QRect(0, 0, 540, 400)}, {3, QRect(0, 0, 540, 400)},
        {4, QRect(5, 6, 7, 8)},       {5, QRect(0, 0, 540, 400)},
    };
    for (const auto &[count, rect] : cases) {
        GraphCount = count;
        ReadWriteGraphPlace(true);
        EXPECT_EQ(GraphRect, rect) << count;
    }
}

TEST_F(SettingsStore, ClosingTheFirstOfTwoGraphsWritesUnderGraph2)
{
    // Two windows open; the first one closes under the current count, then the count drops.
    GraphCount = 2;
    ReadWriteGraphPlace(false, 11, 22, 333, 244);
    GraphCount -= 1;
    EXPECT_EQ(GraphCount, 1);
    GraphCount += 1;
    ReadWriteGraphPlace(true);
    EXPECT_EQ(GraphRect, QRect(11, 22, 333, 244));
    EXPECT_TRUE(readIni().contains("[FORM]\nGRAPH2=11,22,333,244"));
}

TEST_F(SettingsStore, UnwritableFileStopsTheStoreWithItsName)
{
    // Root ignores permissions, so make the parent of the settings file a plain file.
    QFile blocker(dir.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    AppPath = dir.path() + "/blocker/";
    try {
        ReadWriteSettings(false);
        FAIL() << "the store did not fail";
    } catch (const AppError &e) {
        EXPECT_EQ(e.text(), "Unable to write to " + dir.path() + "/blocker/ZENTRIX.INI");
    }
    EXPECT_THROW(ReadWriteGraphPlace(false, 1, 2, 3, 4), AppError);
    // Reading from there gives the defaults.
    Settings.PORT = 4;
    ReadWriteSettings(true);
    EXPECT_EQ(Settings.PORT, 1);
}

TEST_F(SettingsStore, GarbageAndHugeFilesReadWithoutHarm)
{
    QByteArray garbage;
    for (int i = 0; i < 65536; ++i)
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    writeIni(garbage);
    ReadWriteSettings(true);
    ReadWriteModels(true);
    EXPECT_EQ(Settings.INTERVAL, 2);

    writeIni("[ZENTRIX]\nVALUE=" + QByteArray(10 * 1024 * 1024, '1') + "\nPORT=3\n[MODEL]\nNAME1=1"
             + QByteArray(10 * 1024 * 1024, 'm') + "\n");
    ReadWriteSettings(true);
    ReadWriteModels(true);
    EXPECT_EQ(Settings.VALUE, QString(255, '1'));
    EXPECT_EQ(Settings.PORT, 3);
    EXPECT_EQ(ModelTable[0].Name, QString(127, 'm'));
    // And a store over it still works.
    Settings.PORT = 5;
    ReadWriteSettings(false);
    Settings.PORT = 1;
    ReadWriteSettings(true);
    EXPECT_EQ(Settings.PORT, 5);
}

TEST_F(SettingsStore, PortDevices)
{
    EXPECT_EQ(PortDevice(1), "/dev/ttyS0");
    EXPECT_EQ(PortDevice(6), "/dev/ttyS5");
    writeIni("[ports]\ncom1=/dev/ttyUSB0\nCOM3=  /tmp/dmm  \nCOM4=\n");
    EXPECT_EQ(PortDevice(1), "/dev/ttyUSB0");
    EXPECT_EQ(PortDevice(2), "/dev/ttyS1");
    EXPECT_EQ(PortDevice(3), "/tmp/dmm");
    EXPECT_EQ(PortDevice(4), "/dev/ttyS3");
}

} // namespace
