// What Quillon remembers between runs: the recent practice folders, the main window's geometry and the
// last visit chosen for each patient. Kept with QSettings under the user's configuration folder.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace quillon {

class CAppSettings final
{
public:
    CAppSettings();

    // Most recent first, at most five; the first one is the folder that reopens at the next start.
    QStringList RecentFolders() const;
    void AddRecentFolder(const QString& folder);
    QString LastFolder() const;

    void SaveWindowGeometry(const QWidget& window);
    // False when nothing was saved yet.
    bool RestoreWindowGeometry(QWidget& window) const;

    // View > Fit Chart to Window: the chart shows as many rows and columns as its window holds.
    bool FitChartToWindow() const;
    void SetFitChartToWindow(bool fit);

    // The visit last chosen for the patient in that folder, as its index in `dates` (the patient's
    // visit dates now): the saved index when it still has the saved date, else the first visit of that date.
    std::optional<int> LastVisit(
        const QString& folder, const std::string& regNo, const std::vector<std::string>& dates) const;
    void SetLastVisit(const QString& folder, const std::string& regNo, int nVisit, const std::string& date);

private:
    mutable QSettings m_settings;
};

} // namespace quillon
