// Saves to a file the user chose.
#include "controls/SavedFile.h"

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace quillon {

bool SaveChosenFile(const QString& path, std::string_view bytes)
{
    const QByteArray local = QFile::encodeName(path);
    return !local.isEmpty() && WriteFileAtomically(std::filesystem::path(local.toStdString()), bytes);
}

bool SavePdf(QPrinter& printer, const QString& path, const std::function<bool(QPrinter&)>& print, IMessageSink& sink,
    const char* failure)
{
    // The printer opens its file by name: only a folder of the user's own, made new, is safe for that.
    const QTemporaryDir scratch;
    if (scratch.isValid()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.filePath(QStringLiteral("page.pdf")));
        if (!print(printer))
            return false;
        QFile printed(printer.outputFileName());
        if (printed.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = printed.readAll();
            if (SaveChosenFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
                return true;
        }
    }
    sink.Show(failure);
    return false;
}

} // namespace quillon
