#pragma once

#include <QString>
#include <stdexcept>

namespace Zentrix {

// An error with the text the operator sees; the application-wide error display shows it.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace Zentrix
