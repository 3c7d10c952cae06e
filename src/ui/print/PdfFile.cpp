#include "ui/print/PdfFile.h"

#include "core/lang/Texts.h"
#include "ui/common/MessageBox.h"
#include "ui/print/PagePainter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace varnox {
namespace {

QStringList& queued()
{
    static QStringList paths;
    return paths;
}

QString suggestedPath(const LaidOutDocument& document)
{
    QString name = document.name.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return folder + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("Varnox") : name) + QStringLiteral(".pdf");
}

QString askPath(QWidget* parent, const LaidOutDocument& document)
{
    if (!queued().isEmpty())
        return queued().takeFirst();
    if (MessageBox::unattended())
        return {};
    QString path = QFileDialog::getSaveFileName(
        parent, GetText(3805, "Als PDF speichern"), suggestedPath(document), GetText(3806, "PDF-Dateien (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

} // namespace

void queuePdfPath(const QString& path)
{
    queued().append(path);
}

bool saveAsPdf(QWidget* parent, const LaidOutDocument& document)
{
    const QString path = askPath(parent, document);
    if (path.isEmpty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool written = writePdf(document, path, &error);
    QApplication::restoreOverrideCursor();
    if (!written)
        MessageBox::show(parent,
            { .text = GetText(3807, "Die PDF-Datei kann nicht geschrieben werden:") + QStringLiteral("\r\n")
                    + QDir::toNativeSeparators(path) + QStringLiteral("\r\n") + error,
                .title = GetText(495, "Dateifehler"),
                .icon = MessageIcon::Critical,
                .focus = {},
                .selectAll = false });
    return written;
}

} // namespace varnox
