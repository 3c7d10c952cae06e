#pragma once

// The program's side of the bus on fake ports, for the tests that tick its
// procedures themselves: a test project (first: it makes the program folder
// the rest lives in), a fake clock, a daily protocol that writes every line
// as plain text, the reception of every line and the ports.
#include "FakeSerialPort.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "core/bus/BusPorts.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"

namespace varnox::test {

struct FakeBus {
    ProjectFixture project;
    FakeClock clock;
    DailyProtocol protocol { clock };
    FakePortFactory factory;
    ProtocolList list;
    EvaluationControl evaluation;
    Reception reception { clock, list, evaluation };
    BusPorts ports { factory, reception };

    FakeBus() { protocol.setSwitches({ 255, false }); }

    // The texts of today's protocol lines.
    QStringList protocolLines() const { return protocolTexts(clock.now().date()); }
};

} // namespace varnox::test
