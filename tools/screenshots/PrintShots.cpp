// The key assignment window and the three print previews: the handover
// protocol of a key, the list of all keys and the daily protocol of a day
// (with a damaged record among its entries); each document also as a PDF file.
#include "Shots.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectPaths.h"
#include "core/reports/HandoverProtocol.h"
#include "core/reports/KeyReaders.h"
#include "ui/print/PagePainter.h"
#include "ui/reports/FrmKeyAll.h"
#include "ui/reports/FrmKeyList.h"
#include "ui/reports/FrmKeyListPrint.h"
#include "ui/reports/FrmPrint.h"

#include <QCoreApplication>
#include <QFile>

namespace varnox::shots {
namespace {

// A clock the day's entries move along.
class StepClock final : public Clock {
public:
    QDateTime now() const override { return m_now; }
    QDateTime m_now = FixedClock().now();
};

void writeDay(const FixedClock& clock)
{
    const QString path = DailyProtocol::filePath(clock.now().date());
    if (QFile::exists(path))
        return; // the same day for every language
    StepClock steps;
    DailyProtocol protocol(steps);
    protocol.setSwitches(ProtocolSwitches { 255, true });
    const char* entries[] = {
        "Programm gestartet",
        "Anmeldung im Konfigurationsmodus",
        "Projekt WERK SÜD geöffnet",
        "Zutritt gewährt: Mitarbeiter 03 an Haupteingang",
        "Zutritt gewährt: Mitarbeiter 07 an Haupteingang",
        "Zutritt verweigert: unbekannter Schlüssel 0000004711AB an Serverraum",
        "Zutritt gewährt: Mitarbeiter 01 an Serverraum",
        "Datenübertragung an Leser Serverraum erfolgreich",
    };
    for (int round = 0; round < 4; ++round) {
        for (const char* text : entries) {
            protocol.write(QString::fromUtf8(text));
            steps.m_now = steps.m_now.addSecs(17 * 60 + 23);
        }
        if (round == 1) {
            QFile file(path);
            if (file.open(QIODevice::Append))
                file.write("bm90IGEgcmVjb3JkIGF0IGFsbA==\r\n\r\n"); // damage: no record of the program
        }
    }
}

// Shows the preview once its document is composed, and keeps the document
// as a PDF file beside the picture.
void shoot(const Shots& shots, PreviewWindow& preview, const QString& name)
{
    preview.show();
    while (preview.composing())
        QCoreApplication::processEvents();
    shots.save(&preview, name);
    const QString pdf
        = shots.folder + QLatin1Char('/') + name + QLatin1Char('-') + shots.language + QStringLiteral(".pdf");
    if (!writePdf(preview.document(), pdf))
        qFatal("cannot write %s", qPrintable(pdf));
}

} // namespace

void renderPrintPreviews(const Shots& shots, const QString& workCopy)
{
    ShotServices s(workCopy);
    FrmKeyList keyList(s.services);
    keyList.show();
    choose(&keyList, "CmbKey", QStringLiteral("Mitarbeiter 03"));
    shots.save(&keyList, "keylist");

    Handover handover { .keyName = QStringLiteral("Mitarbeiter 03"),
        .readers = {},
        .firstBlock = {},
        .secondBlock = {},
        .day = s.clock.now().date() };
    QList<KeyChoice> keys;
    readKeyChoices(workCopyPath(workCopy), keys);
    for (const KeyChoice& key : std::as_const(keys))
        if (key.name == handover.keyName)
            readReadersOfKey(workCopyPath(workCopy), key.number, handover.readers);
    if (!readHandoverBlocks(currentLanguage(), &handover.firstBlock, &handover.secondBlock))
        qFatal("no text blocks");
    FrmKeyListPrint handoverPreview(handoverDocument(handover));
    shoot(shots, handoverPreview, QStringLiteral("preview-handover"));

    FrmKeyAll allKeys(s.services);
    shoot(shots, allKeys, QStringLiteral("preview-keys"));

    writeDay(s.clock);
    FrmPrint day(s.protocol, s.clock.now().date());
    shoot(shots, day, QStringLiteral("preview-day"));
}

} // namespace varnox::shots
