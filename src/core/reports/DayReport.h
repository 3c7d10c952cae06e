#pragma once

#include "core/online/DayFileReader.h"
#include "core/reports/DocumentSource.h"

#include <QFile>
#include <memory>

namespace varnox {

// The daily protocol of one day as a printed document, read record by record
// from a fresh temporary copy of the day's file: Arial 12, "Tagesprotokoll
// vom" and the date in the header, a line per record in file order. A record
// that is damaged, out of its place in the chain or not enciphered is printed
// with what is wrong with it, in red, never left out.
class DayReport final : public DocumentSource {
public:
    static constexpr int kBatch = 1000;

    DayReport(const LineCipher& cipher, const QDate& day);
    ~DayReport() override;

    // A day without a file, or a copy that cannot be made, gives its message.
    Outcome open(Document& document) override;
    bool next(QList<Block>& blocks) override;
    int percent() const override;

private:
    void close();

    const LineCipher& m_cipher;
    QDate m_day;
    QFile m_file;
    std::unique_ptr<DayFileReader> m_reader;
    qint64 m_size = 0;
    bool m_done = false;
};

// A printed line for one entry of a day file.
Paragraph dayReportLine(const DayEntry& entry);

// The plain protocol file of a day (written while "Encrypt" is off) as
// printed: the title in Arial 14 bold, a line across the page, then the text
// of the file in Arial 10.
Document plainDayDocument(const QDate& day, const QString& text);

} // namespace varnox
