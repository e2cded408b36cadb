#include "AsciiTable.h"

#include "AppError.h"

namespace Zentrix {

void TAsciiTable::Open()
{
    Close();
    const QString error = QStringLiteral("Error opening text file: %1").arg(m_dataName);
    QFile schema(m_schema);
    if (!schema.open(QIODevice::ReadOnly | QIODevice::Text))
        throw AppError(error);
    // Lines "FIELDn=Name,CHAR,width" under [TABLE]; ';' starts a comment.
    m_fields.clear();
    bool fixed = false;
    while (!schema.atEnd()) {
        const QString line = QString::fromUtf8(schema.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QChar(';')) || line.startsWith(QChar('[')))
            continue;
        const QString key = line.section(QChar('='), 0, 0).trimmed().toUpper();
        const QString value = line.section(QChar('='), 1).trimmed();
        if (key == QLatin1String("FILETYPE"))
            fixed = value.compare(QLatin1String("FIXED"), Qt::CaseInsensitive) == 0;
        if (key.startsWith(QLatin1String("FIELD"))) {
            const QStringList parts = value.split(QChar(','));
            bool ok = false;
            const int width = parts.value(2).trimmed().toInt(&ok);
            if (parts.size() != 3 || !ok || width <= 0)
                throw AppError(QStringLiteral("%1: bad field '%2'").arg(m_schema, line));
            m_fields.append({parts[0].trimmed(), width});
        }
    }
    if (!fixed)
        throw AppError(error);
    m_file = std::make_unique<QFile>(m_dataName);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_file.reset();
        throw AppError(error);
    }
}

void TAsciiTable::Append() { m_record = QStringList(m_fields.size(), QString()); }

void TAsciiTable::SetField(int index, const QString &text)
{
    if (index < 0 || index >= m_fields.size())
        throw AppError(QStringLiteral("Field index out of range: %1").arg(index));
    m_record[index] = text.left(m_fields[index].width);
}

void TAsciiTable::Post()
{
    if (!m_file)
        return;
    QByteArray line;
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        line += m_record.value(i).leftJustified(m_fields[i].width, QChar(' '), true).toUtf8();
    line += "\r\n";
    m_file->write(line);
}

void TAsciiTable::Flush()
{
    if (m_file)
        m_file->flush();
}

void TAsciiTable::Close()
{
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

int TAsciiTable::FieldIndex(const QString &name) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QStringList TAsciiTable::Split(const QByteArray &raw) const
{
    const QString line = QString::fromUtf8(raw).remove(QChar('\r')).remove(QChar('\n'));
    QStringList out;
    qsizetype at = 0;
    for (const Field &f : m_fields) {
        QString cell = line.mid(at, f.width);
        while (cell.endsWith(QChar(' ')))
            cell.chop(1);
        out << cell;
        at += f.width;
    }
    return out;
}

} // namespace Zentrix
