#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace varnox {

// One text catalogue file: "number<TAB>text" per line; '#' starts a comment
// line; blank lines are ignored. In the text, \n, \r, \t and \\ stand for a
// line feed, a carriage return, a tab and a backslash; everything else,
// blanks at either end included, is taken as it stands.
struct CatalogueFile {
    QHash<int, QString> texts;
    QStringList errors;  // "line N: why", one per malformed line

    static CatalogueFile parse(const QByteArray& utf8);
    static CatalogueFile load(const QString& path);
    static QString unescape(QStringView escaped, bool* ok = nullptr);
    static QString escape(const QString& text);
};

}  // namespace varnox
