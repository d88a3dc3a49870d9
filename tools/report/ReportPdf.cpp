// quillon-report's PDF writer.
#include "report/ReportPdf.h"

#include "chart/ChartPagePainter.h"

#include <QFile>
#include <QGuiApplication>

#include <iostream>
#include <memory>

namespace quillon::report {

namespace {

// Qt's notes about the desktop it runs without (no runtime folder, no display) are no concern of a report;
// its errors are still printed.
void KeepQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "quillon-report: " << message.toStdString() << '\n';
}

} // namespace

CChartPdfWriter::CChartPdfWriter(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

CChartPdfWriter::~CChartPdfWriter() = default;

std::optional<std::string> CChartPdfWriter::Write(
    const CRepEngine& engine, const ChartPagesHeader& header, const std::string& path)
{
    // The fonts need a Qt Gui application; a command-line tool never shows a window, so none is opened.
    const QtMessageHandler previous = qInstallMessageHandler(KeepQtErrors);
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    const std::optional<QString> failure = WriteChartPdf(QFile::decodeName(path.c_str()), engine, header);
    app.reset();
    qInstallMessageHandler(previous);
    if (failure)
        return failure->toStdString();
    return std::nullopt;
}

} // namespace quillon::report
