// Random keys, links and assignments: after every operation each reader's key
// count equals a fresh count over the links, a decentral reader whose count
// moved is marked for transfer, and a central reader's mark is never touched
// by a key. VARNOX_FUZZ_SEED and VARNOX_FUZZ_STEPS choose the run.
#include "KeyProject.h"
#include "core/model/AssignmentOperations.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

using namespace varnox;

namespace {

const char* const kSerials[] = {"101", "102", "103", "104", "105", "106"};
const QStringList kProfiles = {"Nord", "Süd", "O'Brien", "Voll", "Leer"};

struct Fuzz : test::KeyProject {
    QRandomGenerator random;
    QMap<QString, int> before;

    explicit Fuzz(quint32 seed) : random(seed)
    {
        for (const QString& profile : kProfiles)
            test::insertProfile(path, profile.toStdString());
        for (int i = 0; i < 6; ++i)
            test::insertReader(path, {std::string("Leser ") + kSerials[i], kSerials[i], i % 3 == 0});
        // "Voll" starts five keys short of a full decentral reader, so that
        // the limit is met within a few hundred steps.
        test::insertAssignment(path, "Voll", "102", "IMMER", "");
        fillProfile("Voll", 245);
        test::execSql(path, "UPDATE Leser SET Sanzahl = 245 WHERE Seriennr = '102'");
    }

    int refusedLinks = 0;
    int storedKeys = 0;

    void note(const WriteResult& result)
    {
        storedKeys += result.stored ? 1 : 0;
        refusedLinks += result.outcome.message().text.startsWith("Der Schlüssel wurde in die Projektdatei aufgenommen.") ? 1 : 0;
    }

    QString anyProfile() { return random.bounded(6) == 0 ? QString() : kProfiles[random.bounded(int(kProfiles.size()))]; }
    QString anyNumber() { return QString::number(random.bounded(400), 16); }

    QString step()
    {
        switch (random.bounded(6)) {
        case 0:
        case 1: {
            const QString number = anyNumber();
            const QString profile = anyProfile();
            note(addKey(path, test::keyForm(number, "Schlüssel " + number, profile)));
            return QStringLiteral("add %1 to '%2'").arg(number, profile);
        }
        case 2: {
            const QString number = anyNumber();
            KeyForm form = test::keyForm(number, "Schlüssel " + number, anyProfile());
            form.dropProfile = random.bounded(4) == 0;
            note(changeKey(path, form));
            return QStringLiteral("change %1 to '%2'%3").arg(number, form.profile, form.dropProfile ? " dropped" : "");
        }
        case 3: {
            const QString number = anyNumber();
            removeKey(path, number);
            return QStringLiteral("remove %1").arg(number);
        }
        case 4: {
            const QString profile = kProfiles[random.bounded(int(kProfiles.size()))];
            const char* serial = kSerials[random.bounded(6)];
            assignReader(path, Assignment{profile, serial, "IMMER", "Tür"});
            return QStringLiteral("assign %1 to %2").arg(serial, profile);
        }
        default: {
            const QString profile = kProfiles[random.bounded(int(kProfiles.size()))];
            const char* serial = kSerials[random.bounded(6)];
            removeAssignment(path, profile, serial);
            return QStringLiteral("unassign %1 from %2").arg(serial, profile);
        }
        }
    }

    // Readers whose mark does not follow their count.
    QStringList wrongMarks() const
    {
        Database db(path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "SELECT Seriennr, Zmodus, Sanzahl, Modify FROM Leser");
        QStringList wrong;
        while (q.executeStep()) {
            const QString serial = QString::fromStdString(q.getColumn(0).getString());
            const bool central = q.getColumn(1).getInt() != 0;
            const bool moved = q.getColumn(2).getInt() != before.value(serial);
            const bool marked = q.getColumn(3).getInt() != 0;
            if ((central && marked) || (!central && moved && !marked))
                wrong << serial;
        }
        return wrong;
    }

    void rememberCounts()
    {
        test::execSql(path, "UPDATE Leser SET Modify = 0");
        Database db(path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "SELECT Seriennr, Sanzahl FROM Leser");
        while (q.executeStep())
            before[QString::fromStdString(q.getColumn(0).getString())] = q.getColumn(1).getInt();
    }
};

}  // namespace

class TestKeyCountFuzz : public QObject {
    Q_OBJECT

private slots:
    void countsFollowEveryOperation()
    {
        const quint32 seed = qEnvironmentVariableIsSet("VARNOX_FUZZ_SEED") ? qEnvironmentVariableIntValue("VARNOX_FUZZ_SEED")
                                                                            : 20261205u;
        const int steps = qEnvironmentVariableIsSet("VARNOX_FUZZ_STEPS") ? qEnvironmentVariableIntValue("VARNOX_FUZZ_STEPS") : 3000;
        // The run is about counts, not about the disk: on a memory file
        // system thousands of commits cost no flushes.
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            qputenv("TMPDIR", "/dev/shm");
        Fuzz fuzz(seed);
        test::insertFunction(fuzz.path, "Tür");
        for (int i = 0; i < steps; ++i) {
            fuzz.rememberCounts();
            const QString done = fuzz.step();
            const QStringList miscounted = fuzz.miscounted();
            const QStringList marks = fuzz.wrongMarks();
            if (!miscounted.isEmpty() || !marks.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3): counts %4; marks %5")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(done, miscounted.join("; "), marks.join(", "))));
        }
        // The run met the limit, and stored keys at all.
        QVERIFY(fuzz.refusedLinks > 0);
        QVERIFY(fuzz.storedKeys > steps / 10);
    }
};

QTEST_MAIN(TestKeyCountFuzz)
#include "tst_keycountfuzz.moc"
