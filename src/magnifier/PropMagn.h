// The "Magnifying Glass Properties" sheet: the Size, Zoom and Shape pages of the magnifying glass.
#pragma once

#include "magnifier/LensGeometry.h"

#include <QDialog>

class QButtonGroup;
class QTabWidget;

namespace quillon {

// One page: a column of radio buttons, the index of the checked one.
class CPropPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPropPage)

public:
    CPropPage(const QStringList& texts, int checked, QWidget* parent = nullptr);
    int Checked() const;
    void SetChecked(int index);

private:
    QButtonGroup* m_pGroup;
};

class CPropMagn final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPropMagn)

public:
    // The pages start from the current values.
    CPropMagn(const LensSettings& current, QWidget* parent = nullptr);

    // The values of the checked buttons.
    LensSettings Chosen() const;
    CPropPage* SizePage() const { return m_pSize; }
    CPropPage* ZoomPage() const { return m_pZoom; }
    CPropPage* ShapePage() const { return m_pShape; }

    // Runs the sheet modally; on OK writes the chosen values and returns true.
    static bool Run(LensSettings& settings, QWidget* parent);
    // The least width whose title bar shows the whole title.
    static int TitleWidth(const QString& title);

private:
    QTabWidget* m_pTabs;
    CPropPage* m_pSize;
    CPropPage* m_pZoom;
    CPropPage* m_pShape;
};

} // namespace quillon
