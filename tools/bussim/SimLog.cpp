#include "SimLog.h"

#include <QTime>

#include <cstdio>

namespace varnox::bussim {

SimLog::SimLog(const QString& path)
{
    if (!path.isEmpty()) {
        m_out.setFileName(path);
        if (m_out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return;
        std::fprintf(stderr, "varnox-bussim: cannot write %s, logging to standard output\n", qPrintable(path));
    }
    m_out.open(stdout, QIODevice::WriteOnly | QIODevice::Text);
}

void SimLog::put(const QString& text)
{
    m_out.write((QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")) + text + QLatin1Char('\n')).toUtf8());
    m_out.flush();
}

void SimLog::telegram(int line, const char* direction, const QString& text)
{
    put(QStringLiteral("L%1 %2 %3").arg(line, 2, 10, QLatin1Char('0')).arg(QLatin1String(direction), text));
}

void SimLog::event(int line, const QString& text)
{
    put(QStringLiteral("L%1 -- %2").arg(line, 2, 10, QLatin1Char('0')).arg(text));
}

void SimLog::invalidFrame(int line, const QString& fault, const QByteArray& bytes)
{
    put(QStringLiteral("L%1 !! invalid frame, %2: %3")
            .arg(line, 2, 10, QLatin1Char('0'))
            .arg(fault, QString::fromLatin1(bytes.toHex(' ').toUpper())));
}

void SimLog::note(const QString& text) { put(QStringLiteral("--- ") + text); }

}  // namespace varnox::bussim
