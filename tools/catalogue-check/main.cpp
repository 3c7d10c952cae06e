// Refuses a text catalogue with a malformed line before it is compiled into
// the program: the running program skips such lines silently, so the build
// is where they must come to light.
#include "core/lang/CatalogueFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

using namespace varnox;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    int failures = 0;
    for (const QString& path : files) {
        const CatalogueFile catalogue = CatalogueFile::load(path);
        for (const QString& error : catalogue.errors)
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        if (catalogue.errors.isEmpty() && catalogue.texts.isEmpty())
            std::fprintf(stderr, "%s: holds no text\n", qPrintable(path));
        if (!catalogue.errors.isEmpty() || catalogue.texts.isEmpty())
            ++failures;
    }
    if (files.isEmpty())
        std::fprintf(stderr, "usage: %s catalogue...\n", argv[0]);
    return failures == 0 && !files.isEmpty() ? 0 : 1;
}
