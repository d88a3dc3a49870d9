// PDF files read back with poppler-utils, as a reader of the file sees them: the text of each page, the words
// with their places, and the count of raster images.
#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <vector>

namespace quillon::testing {

// The output of a poppler-utils program; a failure of the running test when it is not installed.
inline QString RunPoppler(const QString& program, QStringList arguments)
{
    QProcess run;
    run.start(program, arguments);
    if (!run.waitForStarted()) {
        QTest::qFail(qPrintable(program + QStringLiteral(" is missing: install the Debian package poppler-utils")),
            __FILE__, __LINE__);
        return {};
    }
    run.waitForFinished(60000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The text of each page (rotated text kept readable).
inline QStringList PdfPages(const QString& file)
{
    QStringList pages = RunPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    pages.removeLast(); // what follows the last page's form feed
    return pages;
}

struct PdfWord
{
    QString text;
    QRectF box; // in points from the top-left corner of the page
};

// The words of each page with their boxes.
inline std::vector<std::vector<PdfWord>> PdfWords(const QString& file)
{
    const QString html = RunPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<std::vector<PdfWord>> pages;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            pages.emplace_back();
            continue;
        }
        if (pages.empty())
            continue;
        const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF to(m.captured(3).toDouble(), m.captured(4).toDouble());
        pages.back().push_back({m.captured(5), QRectF(from, to)});
    }
    return pages;
}

// The number of raster images in the file.
inline int PdfImageCount(const QString& file)
{
    const QStringList lines = RunPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two lines of headings, then one line an image.
    return static_cast<int>(lines.size()) - 2;
}

} // namespace quillon::testing
