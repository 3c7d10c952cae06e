#pragma once

#include <QString>

namespace varnox {

// The PC's settings file: sections in brackets, key=value lines; the program
// writes UTF-8. Section and key names match without regard to case. A missing
// file, section or key reads as empty; writing creates what is missing and
// writes every other line back byte for byte, whatever its encoding, line
// break or length, so that the entries of other tools survive. Values that would not survive the round trip as plain text
// (control characters, line breaks, blanks at either end, a leading quote) are
// stored in double quotes with backslash escapes; plain values stay plain so
// that the file remains easy to edit by hand.
class ConfigFile {
public:
    explicit ConfigFile(QString path);

    const QString& path() const { return m_path; }
    QString readValue(const QString& section, const QString& key) const;
    bool writeValue(const QString& section, const QString& key, const QString& value);

    static QString encodeValue(const QString& value);
    static QString decodeValue(const QString& stored);

private:
    QString m_path;
};

// The lenient number of a stored value: leading blanks skipped, an optional
// sign, then the leading digits; nothing readable counts as 0.
long long lenientNumber(const QString& value);

}  // namespace varnox
