#include "core/lang/Texts.h"
#include "core/model/KeyImport.h"
#include "core/model/ProjectWork.h"
#include "ctl/Commands.h"
#include "ctl/Csv.h"
#include "ctl/KeyFields.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"

#include <QFile>

#include <cstdio>

namespace varnox::ctl {
namespace {

Outcome formatRefusal(const QString& text)
{
    return Outcome::fail(exclamationMessage(text, GetText(246, "Fehler")));
}

// The keys of a file's records; what cannot even be read as a key is
// refused at once, with its line.
QList<ImportedKey> keysOf(const QList<CsvRecord>& records, QList<RefusedKey>& refused)
{
    QList<ImportedKey> keys;
    const QStringList columns = keyCsvColumns();
    for (qsizetype i = 0; i < records.size(); ++i) {
        const CsvRecord& r = records[i];
        if (!r.error.isEmpty()) {
            refused.append({ r.line, formatRefusal(r.error), false });
            continue;
        }
        if (i == 0) {
            QStringList header = r.fields;
            for (QString& name : header)
                name = name.trimmed().toLower();
            if (header != columns)
                refused.append({ r.line,
                    formatRefusal(GetText(4056, "Die erste Zeile muss die Spaltenköpfe %1 enthalten.")
                                      .arg(columns.join(QLatin1Char(',')))),
                    false });
            continue;
        }
        if (r.fields.size() != columns.size()) {
            refused.append({ r.line,
                formatRefusal(
                    GetText(4057, "Die Zeile hat %1 Felder statt %2.").arg(r.fields.size()).arg(columns.size())),
                false });
            continue;
        }
        KeyForm form { r.fields[0], r.fields[1], r.fields[2], r.fields[3], false, false, {}, {} };
        if (auto period = periodIntoForm(r.fields[4], r.fields[5], form)) {
            refused.append({ r.line, Outcome::fail(*period), false });
            continue;
        }
        keys.append({ r.line, form });
    }
    if (records.isEmpty())
        refused.append({ 1,
            formatRefusal(GetText(4056, "Die erste Zeile muss die Spaltenköpfe %1 enthalten.")
                              .arg(columns.join(QLatin1Char(',')))),
            false });
    return keys;
}

bool readAll(const QString& file, QByteArray& data, Operator& op)
{
    QFile f;
    const bool opened = file == QLatin1String("-") ? f.open(stdin, QIODevice::ReadOnly)
                                                   : (f.setFileName(file), f.open(QIODevice::ReadOnly));
    if (!opened) {
        op.tell(exclamationMessage(
            GetText(4058, "Die Datei %1 kann nicht gelesen werden: %2").arg(quoted(file), f.errorString()),
            GetText(246, "Fehler")));
        return false;
    }
    data = f.readAll();
    return true;
}

void report(QList<RefusedKey> refused)
{
    std::stable_sort(
        refused.begin(), refused.end(), [](const RefusedKey& a, const RefusedKey& b) { return a.line < b.line; });
    for (const RefusedKey& r : refused)
        err(QStringLiteral("line %1: %2\n").arg(r.line).arg(oneLine(r.outcome.message())));
}

} // namespace

ExitStatus importCommand(Context& c, Options& options)
{
    const QStringList words
        = c.words({ QStringLiteral("keys"), QStringLiteral("PROJECT"), QStringLiteral("FILE.csv") });
    const bool skipBad = options.flag(QStringLiteral("skip-bad"));
    c.noneLeft(options);
    if (words[0] != QLatin1String("keys"))
        throw UsageError { c.unknownWord(words[0]) };
    const std::optional<QString> project = projectName(words[1], c.op);
    if (!project)
        return EntryRefused;
    QByteArray data;
    if (!readAll(words[2], data, c.op))
        return Unusable;
    QList<RefusedKey> refused;
    const QList<ImportedKey> keys = keysOf(readCsv(data), refused);
    // Lines refused already are not written in any case, but the rest of the
    // file is still checked against the project, so that one run names
    // every line to mend.
    const ImportMode mode = skipBad ? ImportMode::SkipBad
        : refused.isEmpty()         ? ImportMode::AllOrNothing
                                    : ImportMode::CheckOnly;
    int stored = 0;
    const ExitStatus status = editProject(*project, c.op, [&](const QString& workCopy) {
        const KeyImportResult result = importKeys(workCopy, keys, mode);
        if (!result.outcome)
            return reported(result.outcome);
        refused += result.refused;
        stored = result.written ? result.stored : 0;
        return EditResult { refused.isEmpty() ? Done : skipBad ? StoredWithNotice : DataRefused, stored > 0 };
    });
    report(refused);
    if (status == Done || status == StoredWithNotice || status == DataRefused)
        out(GetText(4054, "%1 Schlüssel importiert.").arg(stored) + QLatin1Char('\n'));
    return status;
}

ExitStatus exportCommand(Context& c, Options& options)
{
    const QStringList words = c.words({ QStringLiteral("keys"), QStringLiteral("PROJECT") });
    c.noneLeft(options);
    if (words[0] != QLatin1String("keys"))
        throw UsageError { c.unknownWord(words[0]) };
    return readProject(words[1], c.op, [](const ProjectRead& read) {
        QList<KeyRecord> keys;
        if (const Outcome outcome = readAllKeys(read.path(), keys); !outcome)
            return reported(outcome).status;
        QString text = csvLine(keyCsvColumns());
        for (const KeyRecord& key : keys)
            text += csvLine(keyRecordFields(key));
        out(text);
        return Done;
    });
}

} // namespace varnox::ctl
