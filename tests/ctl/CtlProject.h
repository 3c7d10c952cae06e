#pragma once

#include "CtlRun.h"

#include <QFile>

namespace varnox::test {

// A small installation made through varnoxctl itself: the profiles "Büro"
// and "Lager"; the decentral reader "Tor Nord" (100) in both, the central
// "Empfang" (200) in "Büro" with the always-zone and the door opener "Tür".
inline bool makeProject(const CtlHome& ctl, const QString& project)
{
    const QList<QStringList> steps = {
        { "create", project },
        { "add", "profile", project, "--name", "Büro" },
        { "add", "profile", project, "--name", "Lager" },
        { "add", "reader", project, "--type", "em", "--name", "Tor Nord", "--serial", "100", "--bus", "1", "--address",
            "1", "--mode", "decentral", "--function", "door-opener" },
        { "add", "reader", project, "--type", "em", "--name", "Empfang", "--serial", "200", "--bus", "1", "--address",
            "2", "--mode", "central" },
        { "add", "function", project, "--name", "Tür", "--bus", "1", "--kind", "door-opener", "--reader", "200" },
        { "add", "assignment", project, "--profile", "Büro", "--reader", "100" },
        { "add", "assignment", project, "--profile", "Lager", "--reader", "100" },
        { "add", "assignment", project, "--profile", "Büro", "--reader", "200", "--zone", "immer", "--function",
            "Tür" },
    };
    for (const QStringList& step : steps) {
        const CtlResult r = ctl(step);
        if (r.status != 0) {
            qWarning("%s: %d %s", qPrintable(step.join(' ')), r.status, qPrintable(r.err));
            return false;
        }
    }
    return true;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace varnox::test
