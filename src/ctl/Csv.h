#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace varnox::ctl {

// Comma-separated values as RFC 4180 has them: fields in double quotes may
// hold commas, line breaks and doubled quotes; records end with CRLF (a bare
// LF is taken as well). The text is UTF-8; a byte order mark is skipped.
struct CsvRecord {
    int line = 0; // the line of the file the record starts on
    QStringList fields;
    QString error; // what is wrong with it; the fields are then unusable
};

// Every record of `data`; lines that are wholly empty are no records.
QList<CsvRecord> readCsv(const QByteArray& data);

// One record, ended by CRLF; fields quoted where they need it.
QString csvLine(const QStringList& fields);

} // namespace varnox::ctl
