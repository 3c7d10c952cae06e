// The import of many keys at once stores, refuses and counts exactly what the
// keys page's add does with the same keys one after the other, and without
// leave to skip refused keys it leaves the work copy as it was.
#include "ProjectFiles.h"
#include "ProjectFixture.h"
#include "core/model/KeyImport.h"
#include "core/model/ValidityText.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

namespace {

// "Büro" reaches the decentral "Tor Nord" (248 keys) and the central
// "Empfang"; "Lager" reaches the decentral "Halle" and "Tor Nord" too;
// "Leer" reaches nobody. The key "Alt" exists already.
struct Project : test::ProjectFixture {
    Project()
    {
        for (const char* profile : { "Büro", "Lager", "Leer" })
            addProfile(profile);
        addReader("Tor Nord", "100", 1, -1, false, 248);
        addReader("Empfang", "200");
        addReader("Halle", "300", 1, -1, false);
        addReader("Keller", "400", 1, -1, false, 7);
        exec("UPDATE Leser SET Sanzahl = NULL WHERE Seriennr = '200'");
        for (auto [profile, serial] :
            { std::pair { "Büro", "100" }, { "Büro", "200" }, { "Lager", "300" }, { "Lager", "100" } })
            addAssignment(profile, serial);
        exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('000000000001', 'Alt', 0)");
    }

    // A second work copy of the same project, for the keys one by one.
    QString twin() const
    {
        const QString other = home().file(QStringLiteral("projekte/~hlvtwin.tmp"));
        QFile::remove(other);
        QFile::copy(path(), other);
        return other;
    }
};

ImportedKey row(
    int line, const QString& number, const QString& name, const QString& profile = {}, const QString& shortName = {})
{
    return ImportedKey { line, KeyForm { number, name, shortName, profile, false, false, {}, {} } };
}

ImportedKey withPeriod(ImportedKey key, const QString& start, const QString& end)
{
    key.form.fixedPeriod = true;
    key.form.startText = start;
    key.form.endText = end;
    return key;
}

// Every row of the tables the keys touch, as text.
QStringList dump(const QString& path)
{
    Database db(path, Database::Access::ReadOnly);
    QStringList rows;
    for (const char* sql : { "SELECT * FROM Schluessel ORDER BY rowid", "SELECT * FROM Zuschluessel ORDER BY rowid",
             "SELECT Seriennr, Sanzahl, Modify FROM Leser ORDER BY rowid" }) {
        SQLite::Statement q(db.sql(), sql);
        while (q.executeStep()) {
            QStringList columns;
            for (int i = 0; i < q.getColumnCount(); ++i)
                columns << (q.getColumn(i).isNull() ? QStringLiteral("<null>")
                                                    : QString::fromStdString(q.getColumn(i).getString()));
            rows << columns.join(QLatin1Char('|'));
        }
    }
    return rows;
}

// The keys added one by one on `path`, as the page does; what they refused.
QList<RefusedKey> addOneByOne(const QString& path, const QList<ImportedKey>& keys)
{
    QList<RefusedKey> refused;
    for (const ImportedKey& key : keys) {
        const WriteResult result = addKey(path, key.form);
        if (!result.outcome)
            refused.append({ key.line, result.outcome, result.stored });
    }
    return refused;
}

QString describe(const QList<RefusedKey>& refused)
{
    QStringList lines;
    for (const RefusedKey& r : refused)
        lines << QStringLiteral("%1 %2 %3: %4")
                     .arg(r.line)
                     .arg(r.stored ? "stored" : "refused")
                     .arg(int(r.outcome.refusal()))
                     .arg(r.outcome.message().text);
    return lines.join(QLatin1Char('\n'));
}

QList<ImportedKey> mixedKeys()
{
    const QString start = validityText(QDateTime(QDate(2027, 1, 4), QTime(7, 30)));
    const QString end = validityText(QDateTime(QDate(2027, 3, 1), QTime(18, 0)));
    return {
        row(2, "10", "Anna", "Büro", "A"),
        row(3, "11", "Bernd", "büro"), // profiles are named without regard to case
        row(4, "12", "Clara", "Lager"), // "Tor Nord" is full now: stored without the link
        row(5, "13", "Dora"),
        row(6, "10", "Emil"), // the number of row 2
        row(7, "14", "alt"), // the name of a stored key
        row(8, "xyz", "Fritz"),
        row(9, "15", ""),
        row(10, "16", "Gustav", "Unbekannt"),
        withPeriod(row(11, "17", "Hanna", "Leer"), start, end),
        withPeriod(row(12, "18", "Ida"), start, QString()),
        row(13, "19", QString(51, QLatin1Char('x'))),
        row(14, "1234567890ABCDEF", "Jens", "Leer"), // the last twelve digits count
        row(15, "20", "Klaus", "Büro"),
        row(16, "21", "Lene", "Lager", QString(51, QLatin1Char('k'))),
    };
}

} // namespace

Q_DECLARE_METATYPE(QList<varnox::ImportedKey>)

class TestKeyImport : public QObject {
    Q_OBJECT

private slots:
    void sameAsOneByOne_data()
    {
        QTest::addColumn<QList<ImportedKey>>("keys");
        QTest::newRow("every kind of refusal") << mixedKeys();
        // Many keys over profiles that share readers, with numbers and
        // names that repeat now and then, up to and past the 250 of a
        // decentral reader.
        QRandomGenerator random(4711);
        QList<ImportedKey> keys;
        const QStringList profiles = { "Büro", "Lager", "Leer", "", "BÜRO" };
        for (int i = 0; i < 160; ++i)
            keys << row(i + 2, QString::number(random.bounded(150), 16),
                QStringLiteral("Name %1").arg(random.bounded(140)), profiles[random.bounded(profiles.size())]);
        QTest::newRow("random") << keys;
    }

    void sameAsOneByOne()
    {
        QFETCH(QList<ImportedKey>, keys);
        const Project p;
        const QString twin = p.twin();
        const KeyImportResult imported = importKeys(p.path(), keys, ImportMode::SkipBad);
        const QList<RefusedKey> oneByOne = addOneByOne(twin, keys);
        QVERIFY(imported.outcome);
        QVERIFY(imported.written);
        QCOMPARE(describe(imported.refused), describe(oneByOne));
        QCOMPARE(dump(p.path()), dump(twin));
        QVERIFY(!imported.refused.isEmpty());
        QCOMPARE(imported.stored,
            int(keys.size()
                - std::count_if(oneByOne.begin(), oneByOne.end(), [](const RefusedKey& r) { return !r.stored; })));
    }

    void nothingWrittenUnlessAllPass()
    {
        const Project p;
        const QByteArray bytes = test::fileBytes(p.path());
        for (const ImportMode mode : { ImportMode::AllOrNothing, ImportMode::CheckOnly }) {
            const KeyImportResult result = importKeys(p.path(), mixedKeys(), mode);
            QVERIFY(!result.written);
            QVERIFY(result.refused.size() > 5);
            QCOMPARE(test::fileBytes(p.path()), bytes);
        }
        const KeyImportResult clean
            = importKeys(p.path(), { row(2, "30", "Olga", "Büro"), row(3, "31", "Paul") }, ImportMode::AllOrNothing);
        QVERIFY(clean.written);
        QCOMPARE(clean.stored, 2);
        QCOMPARE(p.keyCount("100"), 249);
        QCOMPARE(p.keyCount("200"), 1); // an empty count counts from 0
    }
};

QTEST_MAIN(TestKeyImport)
#include "tst_keyimport.moc"
