#include "IniFile.h"

#include "AppError.h"

#include <QFile>
// Header-only, 8-bit text: the packaged library would pull in ICU.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace Zentrix {

namespace {
constexpr qsizetype kMaxText = 2047;
}

struct IniFile::Impl
{
    CSimpleIniA ini{false, false, false};
    QByteArray nativeName;
};

IniFile::IniFile(const QString &fileName) : d(std::make_unique<Impl>()), m_fileName(fileName)
{
    d->ini.SetSpaces(false);
    d->ini.SetQuotes(false);
    d->nativeName = QFile::encodeName(fileName);
    // A missing or unreadable file reads as empty: every key gives its default.
    if (d->ini.LoadFile(d->nativeName.constData()) < 0)
        d->ini.Reset();
}

IniFile::~IniFile() = default;

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const char *v = d->ini.GetValue(s.constData(), k.constData(), nullptr);
    if (!v)
        return def;
    return QString::fromUtf8(v).left(kMaxText);
}

bool ParseIniInteger(const QString &text, int &out)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (t.at(0) == QChar('-') || t.at(0) == QChar('+')) {
        negative = t.at(0) == QChar('-');
        i = 1;
    }
    int base = 10;
    if (t.mid(i, 1) == QLatin1String("$")) {
        base = 16;
        i += 1;
    } else if (t.mid(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0) {
        base = 16;
        i += 2;
    }
    const QString digits = t.mid(i);
    if (digits.isEmpty())
        return false;
    bool ok = false;
    if (base == 16) {
        // Up to 32 bits, taken as a two's-complement value ($FFFFFFFF is -1).
        if (digits.size() > 8)
            return false;
        const quint32 u = digits.toUInt(&ok, 16);
        if (!ok)
            return false;
        const qint64 v = static_cast<qint32>(u);
        out = static_cast<int>(negative ? -v : v);
        return true;
    }
    for (QChar c : digits)
        if (c < QChar('0') || c > QChar('9'))
            return false;
    const qint64 v = digits.toLongLong(&ok, 10);
    if (!ok)
        return false;
    const qint64 sv = negative ? -v : v;
    if (sv < INT32_MIN || sv > INT32_MAX)
        return false;
    out = static_cast<int>(sv);
    return true;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int v = def;
    return ParseIniInteger(readString(section, key, QString()), v) ? v : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    // Line breaks would split the value into lines of their own.
    QString flat = value;
    flat.replace(QChar('\r'), QChar(' ')).replace(QChar('\n'), QChar(' '));
    const QByteArray v = flat.toUtf8();
    if (d->ini.SetValue(s.constData(), k.constData(), v.constData()) < 0
        || d->ini.SaveFile(d->nativeName.constData(), false) < 0)
        throw AppError(QStringLiteral("Unable to write to %1").arg(m_fileName));
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace Zentrix
