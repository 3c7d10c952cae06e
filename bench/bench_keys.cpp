// How long the keys page takes in a project of 20,000 keys: filling the key
// list with the links shown ("Encrypt" on), and adding, changing and removing
// one key. Prints figures; targets: the list within 1 s, each write within 50 ms.
// Optional argument: the number of runs of each (default 15).
#include "PageServices.h"
#include "core/model/KeyOperations.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/keys/KeyPage.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace varnox;

namespace {

constexpr int kKeys = 20000;
constexpr int kProfiles = 100;
constexpr int kLinkedKeys = 15000;  // 150 a profile; the rest without a profile

// Each profile reaches one central and one decentral reader of its own.
void fillProject(const QString& path)
{
    Database db(path);
    db.sql().exec("BEGIN");
    for (int p = 0; p < kProfiles; ++p) {
        const std::string profile = "Profil " + std::to_string(p);
        for (int r = 0; r < 2; ++r) {
            const std::string serial = std::to_string(1000 + 2 * p + r);
            SQLite::Statement reader(db.sql(), "INSERT INTO Leser (Lname, Seriennr, BusID, AS_adr, Zmodus, Sanzahl, Modify) "
                                               "VALUES (?, ?, 1, ?, ?, ?, 0)");
            reader.bind(1, "Leser " + serial);
            reader.bind(2, serial);
            reader.bind(3, (2 * p + r) % 64);
            reader.bind(4, r);
            reader.bind(5, kLinkedKeys / kProfiles);
            reader.exec();
            SQLite::Statement assignment(db.sql(), "INSERT INTO Zuleser (Profil, Leser, Zeitzone) VALUES (?, ?, 'IMMER')");
            assignment.bind(1, profile);
            assignment.bind(2, serial);
            assignment.exec();
        }
        SQLite::Statement q(db.sql(), "INSERT INTO Zutrittsprofile (Zname) VALUES (?)");
        q.bind(1, profile);
        q.exec();
    }
    SQLite::Statement key(db.sql(), "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES (?, ?, 0)");
    SQLite::Statement link(db.sql(), "INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, ?)");
    for (int i = 0; i < kKeys; ++i) {
        const std::string number = QStringLiteral("%1").arg(i, 12, 16, QLatin1Char('0')).toUpper().toStdString();
        key.reset();
        key.bind(1, number);
        key.bind(2, "Mitarbeiter " + std::to_string(i));
        key.exec();
        if (i < kLinkedKeys) {
            link.reset();
            link.bind(1, number);
            link.bind(2, "Profil " + std::to_string(i % kProfiles));
            link.exec();
        }
    }
    db.sql().exec("COMMIT");
}

struct Figures {
    QList<double> ms;
    void add(const QElapsedTimer& t) { ms << t.nsecsElapsed() / 1e6; }
    void print(const char* what, double target)
    {
        std::sort(ms.begin(), ms.end());
        std::printf("%-44s median %8.2f ms  min %8.2f  max %8.2f  (target %.0f ms, %lld runs)\n", what, ms[ms.size() / 2],
                    ms.first(), ms.last(), target, static_cast<long long>(ms.size()));
    }
};

void check(const WriteResult& result, const char* what)
{
    if (!result.stored || !result.outcome)
        qFatal("%s failed: %s", what, qPrintable(result.outcome.message().text));
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    MessageBox::setUnattended(true);

    test::PageServices s;
    s.protocol.setSwitches(ProtocolSwitches{0, true});
    fillProject(s.workCopy);
    std::printf("project: %d keys (%d linked), %d profiles, %d readers\n", kKeys, kLinkedKeys, kProfiles, 2 * kProfiles);

    Figures read, fill, add, change, remove;
    KeyPage page(s.services);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        QList<KeyEntry> keys;
        t.start();
        readKeyList(s.workCopy, true, keys);
        read.add(t);
        t.start();
        page.pageShown();  // state New: the profile list and the key list refilled
        fill.add(t);

        const QString number = QStringLiteral("FF%1").arg(i, 4, 10, QLatin1Char('0'));
        KeyForm form{number, "Bench " + number, "Kurz", "Profil 7", false, false, {}, {}};
        t.start();
        check(addKey(s.workCopy, form), "add");
        add.add(t);
        form.profile = QStringLiteral("Profil 8");
        form.name += QStringLiteral(" neu");
        t.start();
        check(changeKey(s.workCopy, form), "change");
        change.add(t);
        t.start();
        check(removeKey(s.workCopy, number), "remove");
        remove.add(t);
    }
    read.print("read the key list with links (core)", 1000);
    fill.print("fill the key page (profiles and 20,000 keys)", 1000);
    add.print("add a key with a profile", 50);
    change.print("change a key, moving it to another profile", 50);
    remove.print("remove a key with its link", 50);
    return 0;
}
