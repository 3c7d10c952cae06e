#include "core/online/ChainTail.h"

#include <QIODevice>

namespace varnox {

ChainLink lastChainLink(QIODevice& file, const LineCipher& cipher, const QDate& day)
{
    const qint64 size = file.size();
    for (qint64 window = 64 * 1024;; window *= 4) {
        const qint64 start = qMax<qint64>(0, size - window);
        if (!file.seek(start))
            return {};
        QList<QByteArray> lines = file.read(size - start).split('\n');
        if (start > 0)
            lines.removeFirst();  // may begin in the middle of a line
        for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
            const QByteArray record = it->trimmed();
            if (record.isEmpty())
                continue;
            const OpenedRecord opened = cipher.open(record, day);
            if (opened.authentic)
                return opened.link();
        }
        if (start == 0)
            return {};
    }
}

}  // namespace varnox
