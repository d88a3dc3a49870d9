// The magnifying glass over a view: an overlay covering the view's client area which, while the left button is
// held, freezes the view's picture and shows a lens enlarging the part under the mouse. The right button opens
// the glass's properties.
#pragma once

#include "magnifier/LensGeometry.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace quillon {

class CLens;

class CMagnifier final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMagnifier)

public:
    // Created hidden over `view`, which it follows whenever the view is resized.
    explicit CMagnifier(QWidget* view);

    // "&Magnify": shows or hides the overlay.
    void Toggle();
    bool IsShown() const { return !isHidden(); }
    // The overlay of a view, when it has one and shows it (the menu item's check mark).
    static bool IsShownOver(const QWidget* view);

    const LensSettings& Settings() const { return m_settings; }
    bool IsActive() const { return m_bActive; }
    QPoint LensPosition() const { return {m_nLensLeft, m_nLensTop}; }
    const QPixmap& Snapshot() const { return m_snapshot; }
    CLens* Lens() const { return m_pLens; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void MoveLens(const QPoint& p);

    QWidget* m_pView;
    CLens* m_pLens = nullptr;
    LensSettings m_settings;
    QPixmap m_snapshot;
    bool m_bActive = false;
    int m_nLensLeft = 0;
    int m_nLensTop = 0;
    QCursor m_magnifyCursor;
    std::function<bool(LensSettings&, QWidget*)> m_runProperties;
};

// The lens: the enlarged square of the snapshot, rectangular or round.
class CLens final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CLens)

public:
    explicit CLens(CMagnifier& magnifier);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CMagnifier& m_magnifier;
};

// Draws the lens for the settings, the snapshot and the lens position (shared by the lens and its benchmark).
void PaintLens(QPainter& painter, const LensSettings& settings, const QPixmap& snapshot, QPoint lensPosition);

} // namespace quillon
