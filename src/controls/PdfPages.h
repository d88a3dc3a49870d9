// Pages out as a PDF file: the painter of a document's pages, the paper of a saved PDF and the writer that puts the
// file in place whole. Qt Gui only, shared by the window and quillon-report.
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace quillon {

// Paints every page of a document on a painter begun on the device; false stops the output.
using PagePainter = std::function<bool(QPainter&, QPagedPaintDevice&)>;

// The paper of a saved PDF: A4, or Letter where the locale measures in inches; landscape or portrait; 10 mm
// margins.
QPageLayout PdfPageLayout(QPageLayout::Orientation orientation);

// Writes a PDF file whole or not at all: the pages go to a scratch file created anew in the same folder, which
// then takes the file's name. The reason of a failure, or nothing.
std::optional<QString> WritePdfFile(
    const QString& path, const QPageLayout& page, const QString& title, const PagePainter& paint);

} // namespace quillon
