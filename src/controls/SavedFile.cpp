// Saves to a file the user chose.
#include "controls/SavedFile.h"

#include "casedata/PracticeFolder.h"

#include <QFile>

namespace quillon {

bool SaveChosenFile(const QString& path, std::string_view bytes)
{
    const QByteArray local = QFile::encodeName(path);
    return !local.isEmpty() && WriteFileAtomically(std::filesystem::path(local.toStdString()), bytes);
}

} // namespace quillon
