// Help > About Quillon: the version, the licence, where the sample practice's data comes from and which
// practice folder is open.
#pragma once

#include <QDialog>

class QLabel;

namespace quillon {

class CAboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDialog)

public:
    CAboutDialog(const QString& practiceFolder, QWidget* parent = nullptr);

    QLabel* Text() const { return m_pText; }

private:
    QLabel* m_pText = nullptr;
};

} // namespace quillon
