// Checks the text catalogues against each other and against every call site
// of GetText in the sources, so that a new call site is checked without
// anyone remembering to add it here.
#include "core/lang/CatalogueFile.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

using namespace varnox;

namespace {

const QString kSource = QStringLiteral(VARNOX_SOURCE_DIR);

CatalogueFile loadLanguage(const QString& code)
{
    return CatalogueFile::load(kSource + QStringLiteral("/data/lang/") + code + QStringLiteral(".txt"));
}

// The text a C++ string literal stands for (the escapes the sources use).
QString literalText(const QString& body)
{
    QString out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != QLatin1Char('\\') || i + 1 == body.size()) {
            out += body[i];
            continue;
        }
        const QChar e = body[++i];
        out += e == QLatin1Char('n') ? QChar('\n') : e == QLatin1Char('r') ? QChar('\r') : e == QLatin1Char('t') ? QChar('\t') : e;
    }
    return out;
}

// The source with every comment blanked out (line breaks kept, so line
// numbers stay), so that a comment may mention GetText(n, "...") freely.
QString withoutComments(const QString& source)
{
    // Strings and character literals are matched too, so that "//" in them starts no comment.
    static const QRegularExpression token(
        QStringLiteral("\"(?:[^\"\\\\\\n]|\\\\.)*\"|'(?:[^'\\\\\\n]|\\\\.)*'|//[^\\n]*|/\\*[\\s\\S]*?\\*/"));
    QString out = source;
    for (auto it = token.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured().startsWith(QLatin1Char('/')))
            for (qsizetype i = m.capturedStart(); i < m.capturedEnd(); ++i)
                out[i] = out[i] == QLatin1Char('\n') ? out[i] : QLatin1Char(' ');
    }
    return out;
}

struct CallSite {
    QString where;
    int number;
    QString german;
};

QList<CallSite> callSites(QStringList* malformed)
{
    static const QRegularExpression call(QStringLiteral("\\bGetText\\s*\\(\\s*(\\d+)\\s*,\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*\\)"));
    static const QRegularExpression anyCall(QStringLiteral("\\bGetText\\s*\\("));
    QList<CallSite> sites;
    for (const QString& root : {QStringLiteral("/src"), QStringLiteral("/tools")}) {
        QDirIterator it(kSource + root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QLatin1String("/core/lang/Texts.h")) || path.endsWith(QLatin1String("/core/lang/Texts.cpp")))
                continue;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = withoutComments(QString::fromUtf8(file.readAll()));
            const QString rel = path.mid(kSource.size() + 1);
            int wellFormed = 0;
            for (auto m = call.globalMatch(text); m.hasNext();) {
                const auto match = m.next();
                const int line = int(text.left(match.capturedStart()).count(QLatin1Char('\n'))) + 1;
                sites.append({rel + QLatin1Char(':') + QString::number(line), match.captured(1).toInt(), literalText(match.captured(2))});
                ++wellFormed;
            }
            const int all = int(text.count(anyCall));
            if (all != wellFormed)
                *malformed << QStringLiteral("%1: %2 call(s) of GetText without a number and one string literal").arg(rel).arg(all - wellFormed);
        }
    }
    return sites;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto m = marker.globalMatch(text); m.hasNext();)
        found << m.next().captured();
    found.sort();
    return found;
}

QString shape(const QString& text)
{
    return QStringLiteral("lf=%1 cr=%2 tab=%3 lead=%4 trail=%5 %6")
        .arg(text.count(QLatin1Char('\n')))
        .arg(text.count(QLatin1Char('\r')))
        .arg(text.count(QLatin1Char('\t')))
        .arg(!text.isEmpty() && text.front().isSpace())
        .arg(!text.isEmpty() && text.back().isSpace())
        .arg(placeholders(text).join(QLatin1Char(',')));
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void filesAreWellFormed()
    {
        for (const QString& code : {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr")}) {
            const CatalogueFile file = loadLanguage(code);
            if (!file.errors.isEmpty())
                QFAIL(qPrintable(code + QStringLiteral(": ") + file.errors.join(QStringLiteral("; "))));
            QVERIFY(!file.texts.isEmpty());
        }
    }

    void callSitesMatchGerman()
    {
        const CatalogueFile german = loadLanguage(QStringLiteral("de"));
        QStringList problems;
        const QList<CallSite> sites = callSites(&problems);
        QVERIFY(!sites.isEmpty());
        for (const CallSite& site : sites) {
            if (!german.texts.contains(site.number))
                problems << QStringLiteral("%1: text %2 is not in the German catalogue").arg(site.where).arg(site.number);
            else if (!site.german.isEmpty() && german.texts.value(site.number) != site.german)
                problems << QStringLiteral("%1: text %2 reads \"%3\" here but \"%4\" in the catalogue")
                                .arg(site.where)
                                .arg(site.number)
                                .arg(CatalogueFile::escape(site.german), CatalogueFile::escape(german.texts.value(site.number)));
        }
        if (!problems.isEmpty())
            QFAIL(qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void translationsAreCompleteAndKeepTheirShape()
    {
        const CatalogueFile german = loadLanguage(QStringLiteral("de"));
        QStringList problems;
        for (const QString& code : {QStringLiteral("en"), QStringLiteral("fr")}) {
            const CatalogueFile other = loadLanguage(code);
            for (auto it = german.texts.cbegin(); it != german.texts.cend(); ++it) {
                if (!other.texts.contains(it.key()))
                    problems << QStringLiteral("%1 lacks text %2").arg(code).arg(it.key());
                else if (shape(other.texts.value(it.key())) != shape(it.value()))
                    problems << QStringLiteral("%1 text %2 changes line breaks, tabs, end blanks or placeholders: %3 vs %4")
                                    .arg(code)
                                    .arg(it.key())
                                    .arg(shape(other.texts.value(it.key())), shape(it.value()));
            }
            for (auto it = other.texts.cbegin(); it != other.texts.cend(); ++it)
                if (!german.texts.contains(it.key()))
                    problems << QStringLiteral("%1 has text %2 that German lacks").arg(code).arg(it.key());
        }
        if (!problems.isEmpty())
            QFAIL(qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void malformedLinesAreReported()
    {
        const CatalogueFile file = CatalogueFile::parse("# c\n10\tSpeichern\nnonsense\n11\tA\\qB\n10\tagain\n12\t\n");
        QCOMPARE(file.texts.size(), 1);
        QCOMPARE(file.errors.size(), 4);
        QVERIFY(file.errors[0].startsWith(QLatin1String("line 3")));
        QCOMPARE(CatalogueFile::parse("5\t  two\\r\\nlines \n").texts.value(5), QString("  two\r\nlines "));
    }

    void commentsAreNotCallSites()
    {
        const QString source = QStringLiteral("a(\"//\", '\"'); // GetText(1, \"x\")\n/* GetText(\n2) */ b");
        const QString blanked = QStringLiteral("a(\"//\", '\"');") + QString(19, ' ') + QStringLiteral("\n") + QString(11, ' ')
                                + QStringLiteral("\n") + QString(6, ' ') + QStringLiteral("b");
        QCOMPARE(withoutComments(source), blanked);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
