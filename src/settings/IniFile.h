#pragma once

#include <QString>
#include <memory>

namespace Zentrix {

// The settings file under the program's reading rules. Opening loads it (a missing or
// unreadable file reads as empty); every write reaches the file at once; destruction
// releases it. Section and key names are matched without regard to case.
class IniFile
{
public:
    explicit IniFile(const QString &fileName);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    const QString &fileName() const { return m_fileName; }

    // Text up to 2047 characters; the default when the section or key is missing.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal with "0x", "0X" or "$"; the default when not a valid integer.
    int readInteger(const QString &section, const QString &key, int def) const;
    // An integer; non-zero is true.
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Present keys keep their place, new ones go to the end of their section.
    // Throws AppError("Unable to write to <file>") when the file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString m_fileName;
};

// The integer reading rule on its own.
bool ParseIniInteger(const QString &text, int &out);

} // namespace Zentrix
