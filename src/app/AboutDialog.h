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
    // An empty practiceFolder: no folder is open.
    CAboutDialog(const QString& practiceFolder, QWidget* parent = nullptr);

    // The icon's side in the box.
    static constexpr int kIconSide = 64;

    QLabel* Text() const { return m_pText; }
    QLabel* Icon() const { return m_pIcon; }

private:
    QLabel* m_pText = nullptr;
    QLabel* m_pIcon = nullptr;
};

} // namespace quillon
