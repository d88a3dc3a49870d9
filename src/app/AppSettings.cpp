// The remembered state between runs.
#include "app/AppSettings.h"

#include "casedata/PracticeFolderCheck.h"

#include <QWidget>

namespace quillon {
namespace {

const QString kRecentKey = QStringLiteral("folders/recent");
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kFitChartKey = QStringLiteral("chart/fitToWindow");

// One key per folder and patient. Keys are percent-encoded: QSettings reads '/' in a key as a group.
QString VisitKey(const QString& folder, const std::string& regNo)
{
    const QByteArray id = folder.toUtf8() + '\n' + QByteArray::fromStdString(regNo);
    return QStringLiteral("lastVisit/") + QString::fromLatin1(id.toPercentEncoding());
}

} // namespace

CAppSettings::CAppSettings() : m_settings(QStringLiteral("Quillon"), QStringLiteral("Quillon")) {}

QStringList CAppSettings::RecentFolders() const
{
    QStringList recent = m_settings.value(kRecentKey).toStringList();
    recent.removeAll(QString());
    while (recent.size() > static_cast<qsizetype>(kMaxRecentFolders))
        recent.removeLast();
    return recent;
}

void CAppSettings::AddRecentFolder(const QString& folder)
{
    std::vector<std::string> recent;
    for (const QString& entry : RecentFolders())
        recent.push_back(entry.toStdString());
    QStringList updated;
    for (const std::string& entry : WithRecentFolder(std::move(recent), folder.toStdString()))
        updated << QString::fromStdString(entry);
    m_settings.setValue(kRecentKey, updated);
}

QString CAppSettings::LastFolder() const
{
    const QStringList recent = RecentFolders();
    return recent.isEmpty() ? QString() : recent.front();
}

void CAppSettings::SaveWindowGeometry(const QWidget& window)
{
    m_settings.setValue(kGeometryKey, window.saveGeometry());
}

bool CAppSettings::RestoreWindowGeometry(QWidget& window) const
{
    const QByteArray geometry = m_settings.value(kGeometryKey).toByteArray();
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

bool CAppSettings::FitChartToWindow() const
{
    return m_settings.value(kFitChartKey, false).toBool();
}

void CAppSettings::SetFitChartToWindow(bool fit)
{
    m_settings.setValue(kFitChartKey, fit);
}

std::optional<int> CAppSettings::LastVisit(
    const QString& folder, const std::string& regNo, const std::vector<std::string>& dates) const
{
    const QStringList saved = m_settings.value(VisitKey(folder, regNo)).toStringList();
    if (saved.size() != 2)
        return std::nullopt;
    bool ok = false;
    const int index = saved[0].toInt(&ok);
    const std::string date = saved[1].toStdString();
    if (ok && index >= 0 && index < static_cast<int>(dates.size()) && dates[static_cast<std::size_t>(index)] == date)
        return index;
    for (std::size_t i = 0; i < dates.size(); ++i)
        if (dates[i] == date)
            return static_cast<int>(i);
    return std::nullopt;
}

void CAppSettings::SetLastVisit(const QString& folder, const std::string& regNo, int nVisit, const std::string& date)
{
    m_settings.setValue(VisitKey(folder, regNo), QStringList{QString::number(nVisit), QString::fromStdString(date)});
}

} // namespace quillon
