#pragma once

// A reader behind a fake port, as a transfer meets it: it reads the frames
// the program writes with its own literal parsing and answers the search,
// its selection, the EEPROM access, the writes and the read-backs into a
// 2048-byte EEPROM of its own.
#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <functional>

namespace varnox::test {

struct FakeReader {
    explicit FakeReader(int serial = 0, int as = 0)
        : serial(serial)
        , as(as)
    {
    }

    int serial;
    int as;
    QByteArray eeprom = QByteArray(2048, char(0xFF));

    bool answersSearch = true;
    bool answersSelect = true;
    bool opensEeprom = true;
    int wrongReadbacks = 0; // the next n read-backs come back damaged
    int transfersEnded = 0; // "5100" seen while selected

    // Every bus command the program sent, in order (the text after the blank).
    QStringList received;
    std::function<void(const QString&)> onCommand; // for time stamps

    QByteArray respond(const QByteArray& bytes)
    {
        QByteArray out;
        for (const QByteArray& frame : bytes.split('\x04')) {
            const qsizetype soh = frame.lastIndexOf('\x01');
            if (soh < 0 || frame.size() < soh + 2 || frame.at(soh + 1) != ' ')
                continue;
            const QString p = QString::fromLatin1(frame.mid(soh + 2));
            received << p;
            if (onCommand)
                onCommand(p);
            out += answer(p);
        }
        return out;
    }

    QByteArray answer(const QString& p)
    {
        if (p == QLatin1String("580B"))
            return answersSearch ? ack() : QByteArray();
        if (p.size() == 8 && p.startsWith(QLatin1String("81"))) {
            selected = p.mid(3).toInt(nullptr, 16) == serial && answersSelect;
            page = p.mid(2, 1).toInt(nullptr, 16);
            return selected ? ack() : QByteArray();
        }
        if (!selected)
            return {};
        if (p == QLatin1String("8800"))
            return opensEeprom ? frame("$8801") : QByteArray();
        const int address = page * 256 + p.mid(2, 2).toInt(nullptr, 16);
        if (p.size() == 8 && p.startsWith(QLatin1String("82"))) {
            eeprom[address] = char(p.mid(4, 2).toInt(nullptr, 16));
            eeprom[address + 1] = char(p.mid(6, 2).toInt(nullptr, 16));
        } else if (p.size() == 4 && p.startsWith(QLatin1String("84"))) {
            QByteArray data = eeprom.mid(address, 4).toHex().toUpper();
            if (wrongReadbacks > 0 && wrongReadbacks--)
                data[0] = data[0] == '0' ? '1' : '0';
            return frame("%" + data);
        } else if (p == QLatin1String("5100")) {
            ++transfersEnded;
            selected = false;
        }
        return {};
    }

    static QByteArray frame(const QByteArray& text) { return '\x01' + text + '\x04'; }
    QByteArray ack() const
    {
        return frame("%" + QByteArray::number(serial, 16).toUpper().rightJustified(6, '0')
            + QByteArray::number(as, 16).toUpper().rightJustified(2, '0'));
    }

    bool selected = false;
    int page = 0;
};

} // namespace varnox::test
