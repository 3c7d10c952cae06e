#include "core/model/BusLineList.h"
#include "core/model/FunctionOperations.h"
#include "core/model/FunctionProtocol.h"
#include "core/model/SerialNumber.h"
#include "ctl/EditCommands.h"
#include "ctl/ProjectAccess.h"
#include "ctl/Values.h"
#include "ctl/Words.h"

namespace varnox::ctl {
namespace {

// What the command line says about a function; nullopt: as the page has it.
struct FunctionOptions {
    QString name; // add: the new name; change, remove: the function to work on
    std::optional<QString> newName;
    std::optional<int> bus;
    std::optional<int> kind;
    std::optional<QString> reader;
    std::optional<QString> serial;
    std::optional<int> controlNumber;
    std::optional<int> length;
    std::optional<QString> content;
};

FunctionOptions functionOptions(Context& c, const QString& verb, Options& o)
{
    FunctionOptions f;
    const bool add = verb == QLatin1String("add");
    f.name = add ? o.take(QStringLiteral("name")).value_or(QString()) : required(o, QStringLiteral("name"));
    if (verb != QLatin1String("remove")) {
        if (!add)
            f.newName = o.take(QStringLiteral("new-name"));
        f.bus = optionValue(o, QStringLiteral("bus"), number);
        f.kind
            = optionValue(o, QStringLiteral("kind"), [](const QString& t) { return choice(t, Words::functionKinds); });
        f.reader = o.take(QStringLiteral("reader"));
        f.serial = o.take(QStringLiteral("serial"));
        f.controlNumber = optionValue(o, QStringLiteral("control-number"), number);
        f.length = optionValue(o, QStringLiteral("length"), [](const QString& t) { return choice(t, Words::lengths); });
        f.content = o.take(QStringLiteral("content"));
    }
    c.noneLeft(o);
    return f;
}

void apply(const FunctionOptions& f, FunctionForm& form)
{
    if (f.newName)
        form.name = *f.newName;
    if (f.bus)
        form.busPosition = BusLineList::positionOf(*f.bus);
    if (f.kind)
        form.kind = FunctionKind(*f.kind);
    if (f.reader) // "007" is reader 7
        form.readerSerial
            = SerialNumber::check(*f.reader, Message(), QString()) ? *f.reader : SerialNumber::normalized(*f.reader);
    if (f.serial)
        form.serial = *f.serial;
    if (f.controlNumber) // a number outside the list counts as none chosen
        form.controlNumber = *f.controlNumber >= 1 && *f.controlNumber <= FunctionProtocol::kControlFunctionCount
            ? *f.controlNumber - 1
            : -1;
    if (f.length)
        form.length = *f.length == 0 ? ProtocolLength::Short : ProtocolLength::Long;
    if (f.content)
        form.content = *f.content;
}

} // namespace

ExitStatus editFunction(Context& c, const QString& verb, const QString& project, Options& options)
{
    const FunctionOptions f = functionOptions(c, verb, options);
    return editProject(project, c.op, [&](const QString& workCopy) {
        const FunctionOperations operations(workCopy);
        if (verb == QLatin1String("add")) {
            FunctionForm form;
            form.name = f.name;
            apply(f, form);
            return reported(operations.create(form));
        }
        if (verb == QLatin1String("remove"))
            return reported(operations.remove(f.name));
        FunctionView view;
        if (const Outcome shown = operations.show(f.name, view); !shown)
            return reported(shown);
        apply(f, view.form);
        return reported(operations.change(f.name, view.form));
    });
}

} // namespace varnox::ctl
