#pragma once

#include <QDateTime>
#include <QLocale>

#include <optional>

namespace varnox {

// The start and end of a key's fixed period as the keys page shows them in
// its two value labels: the date in the short date format of the locale, a
// blank and the time "HH:mm". The key is stored from these texts, so they
// must read back exactly: a two-digit year is shown with four digits, as
// "31.12.26" could not tell which century it means.
QString validityText(const QDateTime& time, const QLocale& locale = QLocale());
// The same for a date and time of day that need not exist as a local time.
QString validityText(QDate date, QTime time, const QLocale& locale = QLocale());
// The time a label shows; nullopt for an empty or unreadable text.
std::optional<QDateTime> parseValidityText(const QString& text, const QLocale& locale = QLocale());

// The date part of that format, for the date pickers that feed the labels.
QString validityDateFormat(const QLocale& locale = QLocale());

// Startzeit and Endzeit as the project stores them (ISO 8601 text, local time).
QString storedValidityTime(const QDateTime& time);
std::optional<QDateTime> readStoredValidityTime(const QString& stored);

}  // namespace varnox
