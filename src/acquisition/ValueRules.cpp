#include "ValueRules.h"

#include "LocaleFormat.h"

#include <cmath>
#include <cstdlib>

namespace Zentrix {

namespace {

bool isBlank(QChar c) { return c == QChar(' '); }
bool isDigit(QChar c) { return c >= QChar('0') && c <= QChar('9'); }

bool isBlankText(const QString &s)
{
    for (QChar c : s)
        if (!isBlank(c))
            return false;
    return true;
}

} // namespace

QString TrimControls(const QString &s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s.at(from).unicode() <= 32)
        ++from;
    while (to > from && s.at(to - 1).unicode() <= 32)
        --to;
    return s.mid(from, to - from);
}

std::optional<double> ConvertNumber(const QString &s)
{
    const QChar sep = DecimalSeparator();
    qsizetype i = 0;
    qsizetype n = s.size();
    while (i < n && isBlank(s.at(i)))
        ++i;
    while (n > i && isBlank(s.at(n - 1)))
        --n;

    // Build a C-locale copy for strtod while checking the grammar.
    std::string c;
    c.reserve(static_cast<size_t>(n - i));
    if (i < n && (s.at(i) == QChar('+') || s.at(i) == QChar('-')))
        c.push_back(static_cast<char>(s.at(i++).unicode()));
    int digits = 0;
    bool seenSep = false;
    for (; i < n; ++i) {
        const QChar ch = s.at(i);
        if (isDigit(ch)) {
            ++digits;
            c.push_back(static_cast<char>(ch.unicode()));
        } else if (ch == sep && !seenSep) {
            seenSep = true;
            c.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (s.at(i) == QChar('e') || s.at(i) == QChar('E'))) {
        c.push_back('e');
        ++i;
        if (i < n && (s.at(i) == QChar('+') || s.at(i) == QChar('-')))
            c.push_back(static_cast<char>(s.at(i++).unicode()));
        int expDigits = 0;
        for (; i < n && isDigit(s.at(i)); ++i, ++expDigits)
            c.push_back(static_cast<char>(s.at(i).unicode()));
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    const double v = std::strtod(c.c_str(), nullptr);
    // An exponent out of range is a conversion failure, not infinity.
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

bool IsNumeric(const QString &s) { return ConvertNumber(TrimControls(s)).has_value(); }

double NumValue(const QString &s) { return ConvertNumber(TrimControls(s)).value_or(0.0); }

int ClassifyValue(const QString &s)
{
    QString t = TrimControls(s);
    const qsizetype sep = t.indexOf(DecimalSeparator());
    if (sep >= 0)
        t.remove(sep, 1);
    if (t.contains(QLatin1String("OL")))
        return t.contains(QChar('-')) ? vcNegOverload : vcOverload;
    return IsNumeric(t) ? vcNumber : vcNotNumber;
}

bool ValueLess(const QString &a, const QString &b)
{
    switch (ClassifyValue(a)) {
    case vcNegOverload:
        return true;
    case vcOverload:
        return isBlankText(b);
    case vcNumber:
        switch (ClassifyValue(b)) {
        case vcNumber:
            return NumValue(a) < NumValue(b);
        case vcOverload:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool ValueGreater(const QString &a, const QString &b)
{
    switch (ClassifyValue(a)) {
    case vcOverload:
        return true;
    case vcNegOverload:
        return isBlankText(b);
    case vcNumber:
        switch (ClassifyValue(b)) {
        case vcNumber:
            return NumValue(a) > NumValue(b);
        case vcNegOverload:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

QString ReplaceAll(const QString &s, const QString &oldText, const QString &newText)
{
    if (oldText.isEmpty())
        return s;
    QString r = s;
    // Every search starts again from the beginning; a new text holding the old one
    // would never end, so it is replaced in one pass instead.
    if (newText.contains(oldText))
        return r.replace(oldText, newText);
    qsizetype p = r.indexOf(oldText);
    while (p >= 0) {
        r.replace(p, oldText.size(), newText);
        p = r.indexOf(oldText);
    }
    return r;
}

} // namespace Zentrix
