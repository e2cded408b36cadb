#pragma once

#include <QString>
#include <optional>

namespace Zentrix {

// What a reading value is.
enum ValueClass : int {
    vcNumber = 0,
    vcOverload = 1,
    vcNegOverload = -1,
    vcNotNumber = 9,
};

// Blanks and control characters (code 32 or below) removed at both ends.
QString TrimControls(const QString &s);
QStringView TrimControls(QStringView s);

// The locale-aware conversion: blanks, an optional sign, digits with at most one
// locale separator, an optional exponent. Anything else does not convert.
std::optional<double> ConvertNumber(const QString &s);

int ClassifyValue(const QString &s);
bool IsNumeric(const QString &s);
// The number a text stands for when it is numeric, otherwise 0.
double NumValue(const QString &s);
bool ValueLess(const QString &a, const QString &b);
bool ValueGreater(const QString &a, const QString &b);
// A text judged once for repeated comparisons: its class, whether it converts in full, the
// number it stands for (0 when it does not convert) and whether it is blank.
struct ValueJudge
{
    int cls = vcNotNumber;
    bool numeric = false;
    double num = 0;
    bool blank = true;
};
ValueJudge JudgeValue(QStringView s);
bool ValueLess(const ValueJudge &a, const ValueJudge &b);
bool ValueGreater(const ValueJudge &a, const ValueJudge &b);

QString ReplaceAll(const QString &s, const QString &oldText, const QString &newText);

} // namespace Zentrix
