#include "Simulator.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace varnox::bussim {
namespace {

const QRegularExpression kKeyNumber(QStringLiteral("^[0-9A-F]{1,12}$"));

void say(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

}  // namespace

Simulator::Simulator(const SimOptions& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_log(options.logFile)
{
}

bool Simulator::start(QString* error)
{
    for (const int n : m_options.lines) {
        const QString name = n == 8 ? QStringLiteral("desk") : QStringLiteral("line%1").arg(n, 2, 10, QLatin1Char('0'));
        auto* l = new SimLine(n, QDir(m_options.dir).filePath(name), m_log, m_options.delayMs, this);
        if (m_options.answerFrom.contains(n)) {
            const int from = m_options.answerFrom.value(n);
            l->setInterfaceSilent(from == 0);
            l->setAnswerFrom(from);
        }
        if (!l->device().plugIn()) {
            *error = QStringLiteral("line %1: %2").arg(n).arg(l->device().error());
            return false;
        }
        m_lines.insert(n, l);
    }
    for (const auto& [n, reader] : m_options.readers) {
        if (!m_lines.contains(n) || n == 8) {
            *error = QStringLiteral("reader %1: line %2 is not simulated").arg(reader.serial).arg(n);
            return false;
        }
        m_lines[n]->readers().append(reader);
    }
    for (const AutoKey& key : std::as_const(m_options.autoKeys)) {
        if (!m_lines.contains(key.line)) {
            *error = QStringLiteral("automatic key %1: line %2 is not simulated").arg(key.number).arg(key.line);
            return false;
        }
    }
    m_autoKeys.setKeys(m_options.autoKeys);
    m_autoKeys.setIntervalMs(m_options.autoEveryMs);
    m_autoKeys.setRunning(true);
    if (!m_options.portsFile.isEmpty()) {
        QFile file(m_options.portsFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *error = QStringLiteral("cannot write ") + m_options.portsFile;
            return false;
        }
        file.write(("[Ports]\n" + portsEntries()).toUtf8());
    }
    for (SimLine* l : std::as_const(m_lines))
        say(QStringLiteral("PORT %1 COM%2 %3").arg(l->number()).arg(l->number() + m_options.comOffset).arg(l->device().linkPath()));
    say(QStringLiteral("READY"));
    return true;
}

QString Simulator::portsEntries() const
{
    QString out;
    for (SimLine* l : std::as_const(m_lines))
        out += QStringLiteral("COM%1=%2\n").arg(l->number() + m_options.comOffset).arg(l->device().linkPath());
    return out;
}

SimLine* Simulator::line(const QString& number) { return m_lines.value(number.toInt(), nullptr); }

bool Simulator::command(const QString& text)
{
    const QStringList w = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (w.isEmpty())
        return true;
    const QString verb = w[0].toLower();
    const int args = int(w.size()) - 1;
    SimLine* l = args >= 1 ? line(w[1]) : nullptr;
    SimReader* r = l && args >= 2 ? l->reader(w[2].toInt()) : nullptr;
    if (verb == QLatin1String("quit")) {
        emit quitRequested();
    } else if (verb == QLatin1String("list")) {
        listReaders();
    } else if (verb == QLatin1String("auto") && args == 1) {
        return autoCommand(w[1]);
    } else if (verb == QLatin1String("key") && l && args == 3 && kKeyNumber.match(w[3].toUpper()).hasMatch()) {
        l->presentKey(w[2].toInt(), w[3].toUpper().rightJustified(12, QLatin1Char('0')));
    } else if (verb == QLatin1String("desk") && args == 1 && m_lines.contains(8) && isFrameText(w[1].toUpper())) {
        m_lines[8]->presentKey(0, w[1].toUpper());
    } else if (verb == QLatin1String("eeprom") && r) {
        showEeprom(*l, *r, args >= 3 ? w[3].toInt() : 0, args >= 4 ? w[4].toInt() : 64);
    } else if (verb == QLatin1String("noise") && l && args == 2) {
        l->sendNoise(qBound(1, w[2].toInt(), 1'000'000));
    } else if (verb == QLatin1String("traffic") && l && !l->isDeskReader() && args == 2) {
        l->setTraffic(qBound(0, w[2].toInt(), 100'000));
    } else if (verb == QLatin1String("send") && l && args == 2 && isFrameText(w[2])) {
        l->sendTelegram(w[2]);
    } else if (verb == QLatin1String("silence") && r && args == 3) {
        r->silent = w[3] == QLatin1String("on");
        m_log.event(l->number(), QStringLiteral("reader %1 %2").arg(r->serial).arg(r->silent ? "silent" : "alive"));
    } else if (verb == QLatin1String("readback") && r && args == 3) {
        r->wrongReadbacks = w[3].toInt();
    } else if (verb == QLatin1String("interface") && l && args >= 2) {
        l->setInterfaceSilent(w[2] == QLatin1String("silent"));
        if (w[2] == QLatin1String("from") && args == 3)
            l->setAnswerFrom(w[3].toInt());
    } else if (verb == QLatin1String("unplug") && l) {
        l->unplug();
        m_log.event(l->number(), QStringLiteral("device pulled out"));
    } else if (verb == QLatin1String("replug") && l) {
        const bool ok = l->device().plugIn();
        m_log.event(l->number(), ok ? QStringLiteral("device plugged in") : l->device().error());
    } else {
        return false;
    }
    return true;
}

// "on", "off", or the seconds between two keys (which also starts them).
bool Simulator::autoCommand(const QString& word)
{
    bool isNumber = false;
    const double seconds = word.toDouble(&isNumber);
    if (isNumber && seconds >= 0.1 && seconds <= 3600)
        m_autoKeys.setIntervalMs(int(seconds * 1000));
    else if (word != QLatin1String("on") && word != QLatin1String("off"))
        return false;
    m_autoKeys.setRunning(word != QLatin1String("off"));
    m_log.note(m_autoKeys.running() ? QStringLiteral("automatic keys every %1 ms").arg(m_autoKeys.intervalMs())
                                    : QStringLiteral("automatic keys off"));
    return true;
}

void Simulator::showEeprom(SimLine& l, SimReader& r, int from, int count)
{
    from = qBound(0, from, int(r.eeprom.size()) - 1);
    count = qBound(1, count, int(r.eeprom.size()) - from);
    for (int a = from; a < from + count; a += 16) {
        QString row = QStringLiteral("reader %1 %2:").arg(r.serial).arg(hexText(quint32(a), 3));
        for (int i = a; i < qMin(a + 16, from + count); ++i)
            row += QLatin1Char(' ') + hexText(quint8(r.eeprom[i]), 2);
        m_log.event(l.number(), row);
    }
}

void Simulator::listReaders()
{
    for (SimLine* l : std::as_const(m_lines)) {
        for (const SimReader& r : l->readers())
            m_log.event(l->number(), QStringLiteral("reader %1 AS %2 %3 %4%5")
                                         .arg(r.serial)
                                         .arg(r.as)
                                         .arg(r.typeName(), r.modeName(), r.silent ? QStringLiteral(" silent") : QString()));
    }
}

}  // namespace varnox::bussim
