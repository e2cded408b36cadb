#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

namespace Zentrix {

// One field per key of section ZENTRIX, named by its key.
struct TSettings
{
    QString PROJECT = QStringLiteral("Zentrix Ver 2.0");
    int MODEL = 1;
    int TYPE = 1;
    int PORT = 1;
    int GOFFSET = 0;
    int GMAX = 100;
    int COUNT = 100;
    int INTERVAL = 2;
    int CHANNEL = 0;
    int MAINCHANNEL = 0;
    int TRIGGER = 0;
    int DELAY = 1;
    QString VALUE = QStringLiteral("0.0000");
    int CAPTURE = 0;
    QString HIGH = QStringLiteral("0.0000");
    QString LOW = QStringLiteral("0.0000");
    bool ACQUIRE = false;
    bool DATA = false;
    bool GAUGE = false;
    bool DEBUG = false;
    bool COUNTREP = false;
};

struct TMODEL
{
    std::uint8_t Number = 0;
    QString Name;
    std::int8_t Type = 0;
};

constexpr int kModelCount = 9;
constexpr int kPortCount = 6;
inline const QString kProjectTag = QStringLiteral("Zentrix Ver 2.0");
inline const QString kDefaultGraphPlace = QStringLiteral("0,0,540,400");

// Process-wide values.
extern QString AppPath;
extern TSettings Settings;
extern std::array<TMODEL, kModelCount> ModelTable;
extern int GraphCount;
extern QRect GraphRect;
extern int SampleCounter;
extern QString CurrentFileName;

// Back to the state before start-up; for tests.
void ResetGlobals();

// AppPath followed by "ZENTRIX.INI".
QString SettingsFileName();

void InitPaths();
// Tests run the program in a directory of their own: InitPaths then takes this one.
void SetAppPathForTests(const QString &dirWithSeparator);
void ReadWriteSettings(bool load);
void ReadWriteModels(bool load);
void ReadWriteGraphPlace(bool load, int left = 0, int top = 0, int width = 0, int height = 0);

// The ModelTable entry at a 1-based position, or nullptr outside 1..9.
const TMODEL *ModelEntry(int position);
// Its name, or an empty text outside 1..9.
QString ModelName(int position);

// The device that COMn stands for: section PORTS of the settings file, else /dev/ttyS<n-1>.
QString PortDevice(int port);

// A text cut to the 255 characters a text field holds.
QString Cut255(const QString &s);

} // namespace Zentrix
