#include "calendar/SignRowText.h"

namespace {

void PutTwoDigits(QChar*& out, int value)
{
    *out++ = QChar(u'0' + value / 10);
    *out++ = QChar(u'0' + value % 10);
}

void PutHourMinute(QChar*& out, int minuteOfDay)
{
    PutTwoDigits(out, minuteOfDay / 60);
    *out++ = u':';
    PutTwoDigits(out, minuteOfDay % 60);
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

QString SignRowLine(const QString& dateText, int fromMinute, int toMinute, int sign)
{
    QString line(dateText.size() + SignRowTailLength, Qt::Uninitialized);
    QChar* out = line.data();
    for (QChar c : dateText)
        *out++ = c;
    *out++ = u' ';
    PutHourMinute(out, fromMinute);
    *out++ = u' ';
    PutHourMinute(out, toMinute);
    *out++ = u' ';
    PutTwoDigits(out, sign);
    return line;
}

std::optional<int> ReadTwoDigits(QStringView text)
{
    if (text.size() != 2 || !IsDigit(text[0]) || !IsDigit(text[1]))
        return std::nullopt;
    return (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
}

std::optional<int> ReadHourMinute(QStringView text)
{
    if (text.size() != 5 || text[2] != u':')
        return std::nullopt;
    const auto hour = ReadTwoDigits(text.left(2));
    const auto minute = ReadTwoDigits(text.mid(3, 2));
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return *hour * 60 + *minute;
}
