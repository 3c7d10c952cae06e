#include "ctl/Commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The name the project locks carry, so that the program can tell who holds one.
    QCoreApplication::setApplicationName(QStringLiteral("varnoxctl"));
    return varnox::ctl::run(QCoreApplication::arguments().mid(1));
}
