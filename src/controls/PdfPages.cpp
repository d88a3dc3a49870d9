// The PDF file writer.
#include "controls/PdfPages.h"

#include "controls/SavedFile.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>
#include <cstring>

namespace quillon {

QPageLayout PdfPageLayout(QPageLayout::Orientation orientation)
{
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10),
        QPageLayout::Millimeter);
}

std::optional<QString> WritePdfFile(
    const QString& path, const QPageLayout& page, const QString& title, const PagePainter& paint)
{
    // The pages are made in memory, then put in place whole: a link found at the chosen name is replaced, never
    // written through, and a failure leaves what was there.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return buffer.errorString();
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(page);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quillon"));
        QPainter painter;
        if (painter.begin(&writer)) {
            painted = paint(painter, writer);
            painted = painter.end() && painted;
        }
    }
    if (!painted)
        return QStringLiteral("the pages could not be written");
    errno = 0;
    if (!SaveChosenFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        const int error = errno;
        return error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                          : QStringLiteral("the file could not be written");
    }
    return std::nullopt;
}

} // namespace quillon
