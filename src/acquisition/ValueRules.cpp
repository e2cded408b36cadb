#include "ValueRules.h"

#include "LocaleFormat.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace Zentrix {

namespace {

bool isBlank(QChar c) { return c == QChar(' '); }
bool isDigit(QChar c) { return c >= QChar('0') && c <= QChar('9'); }

bool isBlankText(QStringView s)
{
    for (QChar c : s)
        if (!isBlank(c))
            return false;
    return true;
}

QStringView trimControls(QStringView s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s[from].unicode() <= 32)
        ++from;
    while (to > from && s[to - 1].unicode() <= 32)
        --to;
    return s.mid(from, to - from);
}

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The conversion grammar over s, leaving out the character at index skip (or none).
std::optional<double> convert(QStringView s, qsizetype skip)
{
    const QChar sep = DecimalSeparator();
    qsizetype i = 0;
    qsizetype n = s.size();
    auto at = [&](qsizetype k) { return s[k]; };
    auto next = [&] {
        ++i;
        if (i == skip)
            ++i;
    };
    if (skip == 0)
        i = 1;
    while (i < n && isBlank(at(i)))
        next();
    while (n > i && (isBlank(at(n - 1)) || n - 1 == skip))
        --n;

    bool negative = false;
    if (i < n && (at(i) == QChar('+') || at(i) == QChar('-'))) {
        negative = at(i) == QChar('-');
        next();
    }
    // Mantissa digits collected exactly while they fit; the rest goes to strtod.
    unsigned long long mantissa = 0;
    int digits = 0, significant = 0, fraction = 0;
    bool seenSep = false, exact = true;
    std::string text;
    text.reserve(32);
    if (negative)
        text.push_back('-');
    for (; i < n; next()) {
        const QChar ch = at(i);
        if (isDigit(ch)) {
            ++digits;
            text.push_back(static_cast<char>(ch.unicode()));
            if (significant > 0 || ch != QChar('0'))
                ++significant;
            if (significant <= 15)
                mantissa = mantissa * 10 + static_cast<unsigned>(ch.unicode() - '0');
            else
                exact = false;
            if (seenSep)
                ++fraction;
        } else if (ch == sep && !seenSep) {
            seenSep = true;
            text.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (at(i) == QChar('e') || at(i) == QChar('E'))) {
        exact = false;
        text.push_back('e');
        next();
        if (i < n && (at(i) == QChar('+') || at(i) == QChar('-'))) {
            text.push_back(static_cast<char>(at(i).unicode()));
            next();
        }
        int expDigits = 0;
        for (; i < n && isDigit(at(i)); next(), ++expDigits)
            text.push_back(static_cast<char>(at(i).unicode()));
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i < n)
        return std::nullopt;
    if (exact && fraction <= 22) {
        // Both parts are exact doubles, so the quotient is correctly rounded, as strtod's is.
        const double v = static_cast<double>(mantissa) / kPow10[fraction];
        return negative ? -v : v;
    }
    const double v = std::strtod(text.c_str(), nullptr);
    // An exponent out of range is a conversion failure, not infinity.
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

int classify(QStringView t)
{
    const qsizetype sep = t.indexOf(DecimalSeparator());
    // "OL" in the text with its first separator removed.
    const bool ol = t.contains(QLatin1String("OL")) ||
                    (sep > 0 && sep + 1 < t.size() && t[sep - 1] == QChar('O') && t[sep + 1] == QChar('L'));
    if (ol)
        return t.contains(QChar('-')) ? vcNegOverload : vcOverload;
    return convert(t, sep).has_value() ? vcNumber : vcNotNumber;
}

} // namespace

QString TrimControls(const QString &s) { return trimControls(s).toString(); }

QStringView TrimControls(QStringView s) { return trimControls(s); }

std::optional<double> ConvertNumber(const QString &s) { return convert(s, -1); }

bool IsNumeric(const QString &s) { return convert(trimControls(s), -1).has_value(); }

double NumValue(const QString &s) { return convert(trimControls(s), -1).value_or(0.0); }

int ClassifyValue(const QString &s) { return classify(trimControls(s)); }

ValueJudge JudgeValue(QStringView s)
{
    const QStringView t = trimControls(s);
    ValueJudge j;
    j.blank = isBlankText(s);
    const qsizetype sep = t.indexOf(DecimalSeparator());
    const bool ol = t.contains(QLatin1String("OL")) ||
                    (sep > 0 && sep + 1 < t.size() && t[sep - 1] == QChar('O') && t[sep + 1] == QChar('L'));
    if (ol) {
        j.cls = t.contains(QChar('-')) ? vcNegOverload : vcOverload;
        return j;
    }
    // A text that converts whole also converts without its separator: one pass decides both.
    if (const std::optional<double> v = convert(t, -1)) {
        j.cls = vcNumber;
        j.numeric = true;
        j.num = *v;
        return j;
    }
    j.cls = convert(t, sep).has_value() ? vcNumber : vcNotNumber;
    return j;
}

bool ValueLess(const ValueJudge &a, const ValueJudge &b)
{
    switch (a.cls) {
    case vcNegOverload:
        return true;
    case vcOverload:
        return b.blank;
    case vcNumber:
        switch (b.cls) {
        case vcNumber:
            return a.num < b.num;
        case vcOverload:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool ValueGreater(const ValueJudge &a, const ValueJudge &b)
{
    switch (a.cls) {
    case vcOverload:
        return true;
    case vcNegOverload:
        return b.blank;
    case vcNumber:
        switch (b.cls) {
        case vcNumber:
            return a.num > b.num;
        case vcNegOverload:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool ValueLess(const QString &a, const QString &b) { return ValueLess(JudgeValue(a), JudgeValue(b)); }

bool ValueGreater(const QString &a, const QString &b) { return ValueGreater(JudgeValue(a), JudgeValue(b)); }

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
