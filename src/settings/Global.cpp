#include "Global.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <variant>

namespace Zentrix {

QString AppPath;
TSettings Settings;
std::array<TMODEL, kModelCount> ModelTable;
int GraphCount = 0;
QRect GraphRect;
int SampleCounter = 0;
QString CurrentFileName = QStringLiteral("Untitled");

namespace {

const QString kSection = QStringLiteral("ZENTRIX");

using Field = std::variant<QString TSettings::*, int TSettings::*, bool TSettings::*>;

struct SettingsKey
{
    const char *name;
    Field field;
};

// The keys of section ZENTRIX in the order they are read and written; the defaults
// are those of a default-constructed TSettings.
const SettingsKey kSettingsKeys[] = {
    {"PROJECT", &TSettings::PROJECT},   {"MODEL", &TSettings::MODEL},
    {"TYPE", &TSettings::TYPE},         {"PORT", &TSettings::PORT},
    {"GOFFSET", &TSettings::GOFFSET},   {"GMAX", &TSettings::GMAX},
    {"COUNT", &TSettings::COUNT},       {"INTERVAL", &TSettings::INTERVAL},
    {"CHANNEL", &TSettings::CHANNEL},   {"MAINCHANNEL", &TSettings::MAINCHANNEL},
    {"TRIGGER", &TSettings::TRIGGER},   {"DELAY", &TSettings::DELAY},
    {"VALUE", &TSettings::VALUE},       {"CAPTURE", &TSettings::CAPTURE},
    {"HIGH", &TSettings::HIGH},         {"LOW", &TSettings::LOW},
    {"ACQUIRE", &TSettings::ACQUIRE},   {"DATA", &TSettings::DATA},
    {"GAUGE", &TSettings::GAUGE},       {"DEBUG", &TSettings::DEBUG},
    {"COUNTREP", &TSettings::COUNTREP},
};

QString graphKey() { return QStringLiteral("GRAPH%1").arg(GraphCount); }

// Four comma-separated decimal integers, anything after a fourth comma ignored.
bool parseGraphPlace(const QString &text, int out[4])
{
    QString rest = text;
    for (int i = 0; i < 4; ++i) {
        const qsizetype comma = rest.indexOf(QChar(','));
        if (i < 3 && comma < 0)
            return false;
        const QString number = comma >= 0 ? rest.left(comma) : rest;
        rest = comma >= 0 ? rest.mid(comma + 1) : QString();
        bool ok = false;
        const QString t = number.trimmed();
        out[i] = t.toInt(&ok, 10);
        if (!ok || t.startsWith(QChar('+')))
            return false;
    }
    return true;
}

} // namespace

void ResetGlobals()
{
    AppPath.clear();
    Settings = TSettings{};
    ModelTable = {};
    GraphCount = 0;
    GraphRect = QRect();
    SampleCounter = 0;
    CurrentFileName = QStringLiteral("Untitled");
}

QString Cut255(const QString &s) { return s.left(255); }

QString SettingsFileName() { return AppPath + QStringLiteral("ZENTRIX.INI"); }

namespace {
QString g_testAppPath;
}

void SetAppPathForTests(const QString &dirWithSeparator) { g_testAppPath = dirWithSeparator; }

void InitPaths()
{
    if (!g_testAppPath.isEmpty()) {
        AppPath = Cut255(g_testAppPath);
        return;
    }
    QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    AppPath = Cut255(dir);
}

void ReadWriteSettings(bool load)
{
    IniFile ini(SettingsFileName());
    const TSettings defaults;
    for (const SettingsKey &k : kSettingsKeys) {
        const QString key = QString::fromLatin1(k.name);
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(Settings.*member)>;
                if constexpr (std::is_same_v<T, QString>) {
                    if (load)
                        Settings.*member = Cut255(ini.readString(kSection, key, defaults.*member));
                    else
                        ini.writeString(kSection, key,
                                        member == &TSettings::PROJECT ? kProjectTag : Settings.*member);
                } else if constexpr (std::is_same_v<T, int>) {
                    if (load)
                        Settings.*member = ini.readInteger(kSection, key, defaults.*member);
                    else
                        ini.writeInteger(kSection, key, Settings.*member);
                } else {
                    if (load)
                        Settings.*member = ini.readBool(kSection, key, defaults.*member);
                    else
                        ini.writeBool(kSection, key, Settings.*member);
                }
            },
            k.field);
    }
}

void ReadWriteModels(bool load)
{
    // The program only ever reads the model names.
    if (!load)
        return;
    IniFile ini(SettingsFileName());
    for (int i = 1; i <= kModelCount; ++i) {
        const QString text = ini.readString(QStringLiteral("MODEL"), QStringLiteral("NAME%1").arg(i),
                                            QStringLiteral("0"));
        TMODEL &m = ModelTable[static_cast<size_t>(i - 1)];
        m.Number = static_cast<std::uint8_t>(i);
        const QChar first = text.isEmpty() ? QChar() : text.at(0);
        // A value without a leading digit is not in use; its text is kept as the name.
        if (first >= QChar('0') && first <= QChar('9')) {
            m.Type = static_cast<std::int8_t>(first.unicode() - '0');
            m.Name = text.mid(1, 127);
        } else {
            m.Type = 0;
            m.Name = text.left(127);
        }
    }
}

void ReadWriteGraphPlace(bool load, int left, int top, int width, int height)
{
    IniFile ini(SettingsFileName());
    if (load) {
        int r[4];
        if (!parseGraphPlace(ini.readString(QStringLiteral("FORM"), graphKey(), kDefaultGraphPlace), r))
            parseGraphPlace(kDefaultGraphPlace, r);
        GraphRect = QRect(r[0], r[1], r[2], r[3]);
    } else {
        ini.writeString(QStringLiteral("FORM"), graphKey(),
                        QStringLiteral("%1,%2,%3,%4").arg(left).arg(top).arg(width).arg(height));
    }
}

const TMODEL *ModelEntry(int position)
{
    if (position < 1 || position > kModelCount)
        return nullptr;
    return &ModelTable[static_cast<size_t>(position - 1)];
}

QString ModelName(int position)
{
    const TMODEL *m = ModelEntry(position);
    return m ? m->Name : QString();
}

QString PortDevice(int port)
{
    const QString fallback =
#ifdef Q_OS_WIN
        QStringLiteral("COM%1").arg(port);
#else
        QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
    IniFile ini(SettingsFileName());
    const QString mapped = ini.readString(QStringLiteral("PORTS"), QStringLiteral("COM%1").arg(port), QString());
    return mapped.trimmed().isEmpty() ? fallback : mapped.trimmed();
}

} // namespace Zentrix
