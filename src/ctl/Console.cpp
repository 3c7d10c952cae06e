#include "ctl/Console.h"

#include <QStringList>

#include <cstdio>

namespace varnox::ctl {
namespace {

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString terminalText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void out(const QString& text)
{
    write(stdout, text);
}
void err(const QString& text)
{
    write(stderr, text);
}

void errMessage(const Message& message)
{
    err(terminalText(message.text) + QLatin1Char('\n'));
}

QString oneLine(const Message& message)
{
    QStringList lines = terminalText(message.text).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines.join(QLatin1Char(' '));
}

Answer ConsoleOperator::ask(const Message& message, Buttons buttons)
{
    errMessage(message);
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        m_asked = true;
        return Answer::Cancel;
    default:
        m_asked = true;
        return Answer::No;
    }
}

} // namespace varnox::ctl
