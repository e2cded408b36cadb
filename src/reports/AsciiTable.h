#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace Zentrix {

// A table kept as fixed-width lines in a text file, its layout read from a schema file.
// Records are written to the data file as they are posted, so a long table costs no memory.
class TAsciiTable
{
public:
    struct Field
    {
        QString name;
        int width;
    };

    void SetSchemaFile(const QString &name) { m_schema = name; }
    void SetDataFile(const QString &name) { m_dataName = name; }
    const QList<Field> &Fields() const { return m_fields; }
    bool IsOpen() const { return m_file != nullptr; }

    // Reads the schema and creates the data file empty. Throws
    // "Error opening text file: <data file>" when either cannot be opened.
    void Open();
    void Append();
    // Throws when the table has no field of that index.
    void SetField(int index, const QString &text);
    void Post();
    // The records posted so far reach the data file.
    void Flush();
    // Ends the table: the records are in the data file.
    void Close();

    // Field index by name, letter case ignored; -1 when there is none.
    int FieldIndex(const QString &name) const;
    // One record line split into its fields, blanks at the end trimmed.
    QStringList Split(const QByteArray &line) const;

private:
    QString m_schema, m_dataName;
    QList<Field> m_fields;
    std::unique_ptr<QFile> m_file;
    QStringList m_record;
};

} // namespace Zentrix
