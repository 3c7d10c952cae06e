// How long importing 20,000 keys takes in a project of 100 access profiles
// and 960 readers (every reader in one profile, every other one in local
// mode, so that each key reaches about ten readers): the whole command
// `varnoxctl import keys` as a user runs it (target 2 s), the import of the
// core alone, and beside them the same keys added one by one as the keys
// page adds them. Prints figures.
//
// Arguments: [runs of the command, default 3] [keys one by one, default
// 2000; the time for all of them is extrapolated from these; 20000 runs all].
#include "core/model/KeyImport.h"
#include "core/project/Database.h"
#include "core/project/ProjectTemplate.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace varnox;

namespace {

constexpr int kKeys = 20000;
constexpr int kProfiles = 100;
constexpr int kLines = 15;
constexpr int kReadersPerLine = 64;

void fillProject(const QString& path)
{
    Database db(path);
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement profile(db.sql(), "INSERT INTO Zutrittsprofile (Zname) VALUES (?)");
    for (int p = 0; p < kProfiles; ++p) {
        profile.reset();
        profile.bind(1, "Profil " + std::to_string(p));
        profile.exec();
    }
    SQLite::Statement reader(db.sql(),
        "INSERT INTO Leser (Typ, Lname, Seriennr, BusID, AS_adr, Zmodus, Funktion, Sanzahl, "
        "Modify, RSZ, ProgSp, TOE, Akustik, Zeiterfassung) "
        "VALUES (0, ?, ?, ?, ?, ?, ?, 0, 0, 3, 1, 1, 1, 0)");
    SQLite::Statement assignment(
        db.sql(), "INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) VALUES (?, ?, 'IMMER', ?)");
    for (int i = 0; i < kLines * kReadersPerLine; ++i) {
        const int line = i / kReadersPerLine + 1;
        const bool central = i % 2 == 0;
        const std::string serial = std::to_string(100000 + i);
        reader.reset();
        reader.bind(1, "Leser " + std::to_string(i));
        reader.bind(2, serial);
        reader.bind(3, line >= 8 ? line + 1 : line);
        reader.bind(4, i % kReadersPerLine);
        reader.bind(5, central ? 1 : 0);
        reader.bind(6, central ? 0 : 1);
        reader.exec();
        assignment.reset();
        assignment.bind(1, "Profil " + std::to_string(i % kProfiles));
        assignment.bind(2, serial);
        if (central)
            assignment.bind(3, "Tür");
        else
            assignment.bind(3);
        assignment.exec();
    }
    transaction.commit();
}

QByteArray keyFile()
{
    QByteArray csv = "number,name,short_name,profile,start,end\r\n";
    for (int i = 0; i < kKeys; ++i) {
        const QString period = i % 4 == 0 ? QStringLiteral("2027-01-04T07:30,2027-12-31T18:00") : QStringLiteral(",");
        csv += QStringLiteral("%1,\"Mitarbeiter %2, Abteilung %3\",M%2,Profil %3,%4\r\n")
                   .arg(0x10000000 + i, 0, 16)
                   .arg(i)
                   .arg(i % kProfiles)
                   .arg(period)
                   .toUtf8();
    }
    return csv;
}

QList<ImportedKey> keysOf(const QByteArray& csv)
{
    // The rows are simple enough to split by hand here; the tool reads them properly.
    QList<ImportedKey> keys;
    const QList<QByteArray> lines = csv.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList quoted = line.split(QLatin1Char('"'));
        const QStringList head = quoted[0].split(QLatin1Char(','));
        const QStringList tail = quoted[2].split(QLatin1Char(','));
        KeyForm form { head[0], quoted[1], tail[1], tail[2], false, false, {}, {} };
        keys.append({ i + 1, form });
    }
    return keys;
}

double median(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void copyOver(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        qFatal("cannot copy %s", qPrintable(from));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int oneByOne = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, kKeys) : 2000;
    QTemporaryDir home;
    qputenv("VARNOX_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    QDir().mkpath(home.filePath("projekte"));
    const QString filled = home.filePath("filled.mdb");
    const QString project = home.filePath("projekte/Bench.mdb");
    if (!writeProjectTemplate(filled))
        qFatal("cannot write the template");
    fillProject(filled);
    const QByteArray csv = keyFile();
    const QString csvPath = home.filePath("keys.csv");
    QFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
        qFatal("cannot write %s", qPrintable(csvPath));
    file.close();

    QList<double> command;
    for (int run = 0; run < runs; ++run) {
        copyOver(filled, project);
        QProcess ctl;
        ctl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer t;
        t.start();
        ctl.start(QCoreApplication::applicationDirPath() + "/../varnoxctl", { "import", "keys", "Bench", csvPath });
        if (!ctl.waitForFinished(600000) || ctl.exitCode() != 0)
            qFatal("varnoxctl import failed: %s", ctl.readAllStandardOutput().constData());
        command << t.nsecsElapsed() / 1e6;
    }

    const QList<ImportedKey> keys = keysOf(csv);
    const QString workCopy = home.filePath("projekte/~hlvcore.tmp");
    QList<double> core;
    for (int run = 0; run < runs; ++run) {
        copyOver(filled, workCopy);
        QElapsedTimer t;
        t.start();
        const KeyImportResult result = importKeys(workCopy, keys, ImportMode::AllOrNothing);
        core << t.nsecsElapsed() / 1e6;
        if (!result.written || result.stored != kKeys)
            qFatal("the import refused %lld keys", static_cast<long long>(result.refused.size()));
    }

    copyOver(filled, workCopy);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < oneByOne; ++i)
        if (!addKey(workCopy, keys[i].form).stored)
            qFatal("key %d was refused", i);
    const double single = t.nsecsElapsed() / 1e6;

    std::printf("import of %d keys, %d profiles, %d readers (median of %d runs):\n", kKeys, kProfiles,
        kLines * kReadersPerLine, runs);
    std::printf("  varnoxctl import keys, whole command   %9.0f ms  (target 2000 ms)\n", median(command));
    std::printf("  the core's import alone                %9.0f ms\n", median(core));
    std::printf(
        "  addKey one by one, %5d keys          %9.0f ms  (%.2f ms a key)\n", oneByOne, single, single / oneByOne);
    if (oneByOne < kKeys)
        std::printf(
            "  addKey one by one, all %d keys       %9.0f ms  (extrapolated)\n", kKeys, single / oneByOne * kKeys);
    return 0;
}
