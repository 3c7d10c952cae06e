#pragma once

#include "ctl/Arguments.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace varnox::ctl {

// A command line that cannot be carried out as written; thrown by the
// readers of values below and reported with the exit status for usage.
struct UsageError {
    QString text;
};

// "--option VALUE is not a valid value".
[[noreturn]] void invalidValue(const QString& option, const QString& value);

// A whole decimal number.
std::optional<int> decimal(const QString& text);

// The value of `--option` read by `read`, or nullopt when the option is not given.
template <typename Read>
auto optionValue(Options& options, const QString& option, Read read) -> decltype(read(QString()))
{
    const std::optional<QString> text = options.take(option);
    if (!text)
        return std::nullopt;
    auto value = read(*text);
    if (!value)
        invalidValue(option, *text);
    return value;
}

// Readers of the words the options take; nullopt for anything else.
std::optional<int> number(const QString& text);
std::optional<bool> onOff(const QString& text); // on/off, yes/no, ein/aus, 1/0
std::optional<int> choice(const QString& text, const QStringList& words); // position of a word, or a number

// A date and time of a key's fixed period: ISO 8601, "2026-12-05T08:00" or
// with ":00" seconds (a blank may stand for the T), in local time; the keys
// page keeps periods to the minute. An offset or "Z" is turned into local
// time. A local time the clock skips in spring sets `skipped` (and gives the
// date and time as written, which do not exist as a QDateTime).
struct IsoMinute {
    QDate date;
    QTime time;
    QDateTime local; // invalid when skipped
    bool skipped = false;
};
std::optional<IsoMinute> isoMinute(const QString& text);
QString isoText(const QDateTime& time);

} // namespace varnox::ctl
