#include "core/model/BusLineList.h"
#include "core/model/ReaderOperations.h"
#include "core/model/ReaderQueries.h"
#include "core/model/SerialNumber.h"
#include "ctl/EditCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"
#include "ctl/Words.h"

namespace varnox::ctl {
namespace {

// German words for the modes, as the page names them, are taken as well.
std::optional<int> modeChoice(const QString& text)
{
    if (const auto german = choice(text, { QStringLiteral("zentral"), QStringLiteral("dezentral") }))
        return german;
    return choice(text, Words::modes);
}

std::optional<int> relayTime(const QString& text)
{
    const std::optional<int> seconds = number(text);
    if (!seconds || *seconds < 0 || *seconds > ReaderSettings::kMaxRelayTime)
        return std::nullopt;
    return seconds;
}

// A reader is looked up by its serial number as stored: "007" is reader 7.
QString storedSerial(const QString& text)
{
    return SerialNumber::check(text, Message(), QString()) ? text : SerialNumber::normalized(text);
}

// What the command line says about a reader; nullopt: as the page has it.
struct ReaderOptions {
    QString serial;
    std::optional<QString> newSerial;
    std::optional<int> type;
    std::optional<QString> name;
    std::optional<int> bus;
    std::optional<int> address;
    std::optional<int> mode;
    std::optional<int> function;
    std::optional<int> timeRecording;
    std::optional<int> relayTime;
    std::optional<bool> programmingLock;
    std::optional<bool> doorSignal;
    std::optional<bool> acoustic;
    bool confirmed = false;
};

ReaderOptions readerOptions(Context& c, const QString& verb, Options& o)
{
    ReaderOptions r;
    const bool add = verb == QLatin1String("add");
    const bool change = verb == QLatin1String("change");
    r.serial = add ? o.take(QStringLiteral("serial")).value_or(QString())
                   : storedSerial(required(o, QStringLiteral("serial")));
    if (change)
        r.newSerial = o.take(QStringLiteral("new-serial"));
    if (add || (change && !r.newSerial)) {
        if (add) {
            r.type = optionValue(
                o, QStringLiteral("type"), [](const QString& t) { return choice(t, Words::readerTypes); });
            r.bus = optionValue(o, QStringLiteral("bus"), number);
        }
        r.name = o.take(QStringLiteral("name"));
        r.address = optionValue(o, QStringLiteral("address"), number);
        r.mode = optionValue(o, QStringLiteral("mode"), modeChoice);
        r.function = optionValue(
            o, QStringLiteral("function"), [](const QString& t) { return choice(t, Words::linkedFunctions); });
        r.timeRecording = optionValue(
            o, QStringLiteral("time-recording"), [](const QString& t) { return choice(t, Words::timeRecording); });
        r.relayTime = optionValue(o, QStringLiteral("relay-time"), relayTime);
        r.programmingLock = optionValue(o, QStringLiteral("programming-lock"), onOff);
        r.doorSignal = optionValue(o, QStringLiteral("door-signal"), onOff);
        r.acoustic = optionValue(o, QStringLiteral("acoustic"), onOff);
    }
    if (change)
        r.confirmed = o.flag(QStringLiteral("yes"));
    c.noneLeft(o);
    return r;
}

// The reader page with the entries of the command line over `form`.
void apply(const ReaderOptions& r, ReaderForm& form)
{
    if (r.type)
        form.type = *r.type;
    if (r.name)
        form.name = *r.name;
    if (r.bus)
        form.busPosition = BusLineList::positionOf(*r.bus);
    if (r.address)
        form.address = *r.address;
    // Choosing a Mifare reader selects Zentralmodus, as on the page.
    if (r.type == int(ReaderType::Mifare) && !r.mode)
        form.mode = ReaderMode::Central;
    if (r.mode)
        form.mode = *r.mode == 0 ? ReaderMode::Central : ReaderMode::Decentral;
    if (r.function)
        form.function = *r.function;
    if (r.timeRecording)
        form.timeRecording = *r.timeRecording;
    if (r.relayTime)
        form.settings.rsz = *r.relayTime;
    if (r.programmingLock)
        form.settings.progSp = *r.programmingLock;
    if (r.doorSignal)
        form.settings.toe = *r.doorSignal;
    if (r.acoustic)
        form.settings.akustik = *r.acoustic;
}

// The page after a click on the reader.
ReaderForm storedForm(const Reader& stored)
{
    ReaderForm form;
    form.type = stored.type;
    form.name = stored.name;
    form.serial = stored.serial;
    form.busPosition = BusLineList::positionOf(stored.busLine);
    form.address = stored.address;
    form.mode = stored.central ? ReaderMode::Central : ReaderMode::Decentral;
    form.function = stored.central ? -1 : stored.function - 1;
    form.timeRecording = stored.timeRecording;
    form.settings = stored.settings;
    return form;
}

EditResult changeReader(const ReaderOperations& operations, const QString& workCopy, const ReaderOptions& r)
{
    if (r.newSerial)
        return reported(operations.changeSerial(r.serial, *r.newSerial));
    Reader stored;
    if (const Outcome loaded = ReaderQueries(workCopy).load(r.serial, stored); !loaded)
        return reported(operations.change(r.serial, ReaderForm())); // the page's message for a reader that is gone
    ReaderForm form = storedForm(stored);
    apply(r, form);
    std::optional<Message> question;
    if (const Outcome checked = operations.questionBeforeChange(r.serial, form, question); !checked)
        return reported(checked);
    if (question && !r.confirmed) {
        errMessage(*question);
        return { NotConfirmed, false };
    }
    return reported(operations.change(r.serial, form));
}

} // namespace

ExitStatus editReader(Context& c, const QString& verb, const QString& project, Options& options)
{
    const ReaderOptions r = readerOptions(c, verb, options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        const ReaderOperations operations(workCopy);
        if (verb == QLatin1String("add")) {
            ReaderForm form;
            form.serial = r.serial;
            apply(r, form);
            return reported(operations.create(form));
        }
        if (verb == QLatin1String("change"))
            return changeReader(operations, workCopy, r);
        return reported(operations.remove(r.serial));
    });
}

} // namespace varnox::ctl
