#pragma once

// A transfer over a fake port to a fake reader, its two phases ticked as
// their timers would tick them on a fake clock, for the tests of the
// transfer and the benchmark's check of the schedule.
#include "FakeBus.h"
#include "FakeReader.h"
#include "ScriptedOperator.h"
#include "core/bus/transfer/DataTransfer.h"

#include <optional>

namespace varnox::test {

struct TransferRig : FakeBus {
    static constexpr int kLine = 1;
    static constexpr int kCom = 3;

    ScriptedOperator op;
    DataTransfer transfer { ports, reception, protocol, op, [this] { return project.path(); } };
    FakeReader reader;
    QList<QPair<qint64, QString>> sent; // what the reader received, ms after the start
    QDateTime startTime = clock.now();
    std::optional<QDateTime> accessDue, writeDue;
    QByteArray answers; // on their way to the program

    TransferRig()
    {
        project.assignComPort(kLine, kCom);
        port().setPortNumber(kCom);
        port().open();
        // The reader answers between two ticks, as over a wire.
        port().responder = [this](const QByteArray& bytes) {
            answers += reader.respond(bytes);
            return QByteArray();
        };
        reader.onCommand = [this](const QString& p) { sent.append({ elapsed(), p }); };
        transfer.accessPhase().wakeRequested = [this](int ms) { accessDue = clock.now().addMSecs(ms); };
        transfer.writePhase().wakeRequested = [this](int ms) { writeDue = clock.now().addMSecs(ms); };
        QObject::connect(&transfer, &DataTransfer::stopped, [this] { accessDue = writeDue = std::nullopt; });
    }

    FakeSerialPort& port() { return factory.port(kLine); }
    qint64 elapsed() const { return startTime.msecsTo(clock.now()); }

    // A reader on the rig's line, waiting for its data.
    void addReader(const QString& name, int serial, bool central = true, int function = 1)
    {
        project.addReader(name, QString::number(serial), kLine, 5, central, 0, true, function);
        reader.serial = serial;
        reader.as = 5;
    }

    bool start(int serial, const QString& name)
    {
        startTime = clock.now();
        sent.clear();
        return transfer.start(QString::number(serial), name);
    }

    // Ticks the phases as their timers would until both have stopped, or
    // `budgetMs` has passed; `between` runs before every tick.
    void run(qint64 budgetMs = 3'600'000, const std::function<void()>& between = {})
    {
        const QDateTime until = clock.now().addMSecs(budgetMs);
        while (accessDue || writeDue) {
            const bool access = accessDue && (!writeDue || *accessDue <= *writeDue);
            std::optional<QDateTime>& due = access ? accessDue : writeDue;
            if (*due > until)
                return;
            clock.set(*due);
            due.reset();
            if (!answers.isEmpty())
                port().inject(std::exchange(answers, {}));
            if (between)
                between();
            TimerProcedure& phase = access ? static_cast<TimerProcedure&>(transfer.accessPhase())
                                           : static_cast<TimerProcedure&>(transfer.writePhase());
            if (const std::optional<int> next = phase.tick())
                (access ? accessDue : writeDue) = clock.now().addMSecs(*next);
        }
    }

    // The ms after the start at which the reader received `command`.
    QList<qint64> times(const QString& command) const
    {
        QList<qint64> out;
        for (const auto& [ms, p] : sent)
            if (p == command)
                out << ms;
        return out;
    }
};

} // namespace varnox::test
