#pragma once

// varnox-bussim run from a test: started with its own folder, its device
// links taken into the [Ports] section, its telegram log collected. Every
// frame the simulator refused fails the test that ran it, unless the test
// took it with takeInvalidFrames(): the program must never send one.

#include "core/shell/ConfigFile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

namespace varnox::test {

class BusSimProcess {
public:
    // Starts the simulator; QVERIFY-style failures end the calling test.
    bool start(const QStringList& arguments)
    {
        m_process.setProgram(QStringLiteral(VARNOX_BINARY_DIR "/varnox-bussim"));
        m_process.setArguments(QStringList{"--dir", m_dir.path(), "--ports-file", m_dir.filePath("ports.ini")}
                               + arguments);
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput,
                         [this] { m_log += QString::fromUtf8(m_process.readAllStandardOutput()); });
        m_process.start();
        if (!m_process.waitForStarted(30'000))
            return false;
        QDeadlineTimer deadline(60'000);
        while (!m_log.contains(QLatin1String("READY\n")) && !deadline.hasExpired()) {
            m_process.waitForReadyRead(200);
            m_log += QString::fromUtf8(m_process.readAllStandardOutput());
        }
        return m_log.contains(QLatin1String("READY\n"));
    }

    ~BusSimProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            command("quit");
            if (!m_process.waitForFinished(10'000))
                m_process.kill();
            m_process.waitForFinished(10'000);
        }
        m_log += QString::fromUtf8(m_process.readAllStandardOutput());
        const QStringList invalid = takeInvalidFrames();
        if (!invalid.isEmpty())
            QTest::qFail(qPrintable("the simulator refused frames:\n" + invalid.join('\n')), __FILE__, __LINE__);
    }

    // Copies the simulator's [Ports] entries into the program's file.
    void writePortsInto(ConfigFile& config) const
    {
        QFile file(m_dir.filePath("ports.ini"));
        if (!file.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                config.writeValue("Ports", QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
        }
    }

    void command(const QString& text)
    {
        m_process.write((text + QLatin1Char('\n')).toUtf8());
        m_process.waitForBytesWritten(10'000);
    }

    const QString& log() const { return m_log; }

    // The device link of a simulated line, as the simulator announced it.
    QString device(int line) const
    {
        const QRegularExpression re(QStringLiteral("^PORT %1 COM\\d+ (.+)$").arg(line),
                                    QRegularExpression::MultilineOption);
        return re.match(m_log).captured(1);
    }

    // The simulator's "!! invalid frame" lines that were not taken yet.
    QStringList takeInvalidFrames()
    {
        static const QRegularExpression re(QStringLiteral("^.* !! invalid frame.*$"),
                                           QRegularExpression::MultilineOption);
        QStringList found;
        for (auto m = re.globalMatch(m_log, m_invalidTakenUpTo); m.hasNext();) {
            const QRegularExpressionMatch match = m.next();
            found << match.captured();
            m_invalidTakenUpTo = match.capturedEnd();
        }
        return found;
    }

    // The times at which the simulator logged `entry` ("rx (01") on `line`.
    QList<QTime> times(int line, const QString& entry) const
    {
        const QRegularExpression re(QStringLiteral("^(\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d) L%1 %2$")
                                        .arg(line, 2, 10, QLatin1Char('0'))
                                        .arg(QRegularExpression::escape(entry)),
                                    QRegularExpression::MultilineOption);
        QList<QTime> found;
        for (auto m = re.globalMatch(m_log); m.hasNext();)
            found << QTime::fromString(m.next().captured(1), QStringLiteral("HH:mm:ss.zzz"));
        return found;
    }
    int count(int line, const QString& entry) const { return int(times(line, entry).size()); }

    // The first `count` bytes of reader `serial`'s EEPROM on `line`, as the
    // simulator shows them; fewer when it does not answer in time.
    QByteArray eeprom(int line, int serial, int count)
    {
        m_log += QString::fromUtf8(m_process.readAllStandardOutput());
        const qsizetype from = m_log.size();  // an earlier dump must not count
        command(QStringLiteral("eeprom %1 %2 0 %3").arg(line).arg(serial).arg(count));
        const QRegularExpression row(QStringLiteral("reader %1 ([0-9A-F]{3}):((?: [0-9A-F]{2})+)$").arg(serial),
                                     QRegularExpression::MultilineOption);
        QByteArray bytes;
        QDeadlineTimer deadline(60'000);
        do {
            m_process.waitForReadyRead(100);
            m_log += QString::fromUtf8(m_process.readAllStandardOutput());
            bytes.clear();
            for (auto m = row.globalMatch(QStringView(m_log).mid(from)); m.hasNext();) {
                const QRegularExpressionMatch match = m.next();
                if (match.captured(1).toInt(nullptr, 16) == bytes.size())
                    bytes += QByteArray::fromHex(match.captured(2).toLatin1());
            }
        } while (bytes.size() < count && !deadline.hasExpired());
        return bytes.left(count);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_log;
    qsizetype m_invalidTakenUpTo = 0;
};

}  // namespace varnox::test
