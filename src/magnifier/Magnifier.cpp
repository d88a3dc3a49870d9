// The magnifying glass.
#include "magnifier/Magnifier.h"

#include "magnifier/PropMagn.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillon {
namespace {

// A glass with a handle, drawn once: the cursor shown over the overlay while no lens is up.
QCursor MagnifyCursor()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4));
    painter.drawEllipse(3, 3, 16, 16);
    painter.drawLine(17, 17, 28, 28);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(3, 3, 16, 16);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(17, 17, 28, 28);
    return QCursor(picture, 11, 11);
}

} // namespace

CMagnifier::CMagnifier(QWidget* view) : QWidget(view), m_pView(view), m_magnifyCursor(MagnifyCursor())
{
    setObjectName(QStringLiteral("magnifier"));
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(m_magnifyCursor);
    m_pLens = new CLens(*this);
    m_pLens->hide();
    m_runProperties = [](LensSettings& settings, QWidget* parent) { return CPropMagn::Run(settings, parent); };
    setGeometry(view->rect());
    view->installEventFilter(this);
    hide();
}

bool CMagnifier::IsShownOver(const QWidget* view)
{
    const auto* magnifier = view ? view->findChild<CMagnifier*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return magnifier && magnifier->IsShown();
}

void CMagnifier::Toggle()
{
    if (IsShown()) {
        hide();
        return;
    }
    setGeometry(m_pView->rect());
    show();
    raise();
}

bool CMagnifier::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pView && event->type() == QEvent::Resize)
        setGeometry(m_pView->rect());
    return QWidget::eventFilter(watched, event);
}

void CMagnifier::MoveLens(const QPoint& p)
{
    m_nLensLeft = m_settings.LensOrigin(p.x());
    m_nLensTop = m_settings.LensOrigin(p.y());
    m_pLens->setGeometry(m_nLensLeft, m_nLensTop, m_settings.size, m_settings.size);
}

void CMagnifier::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        LensSettings settings = m_settings;
        if (m_runProperties(settings, this))
            m_settings = settings;
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    // The view's current picture, without the overlay (which paints nothing while no lens is up).
    m_pView->repaint();
    m_snapshot = m_pView->grab();
    m_snapshot.setDevicePixelRatio(1.0);
    m_bActive = true;
    setCursor(Qt::BlankCursor);
    MoveLens(event->position().toPoint());
    m_pLens->show();
    update();
}

void CMagnifier::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bActive)
        return;
    MoveLens(event->position().toPoint());
    update();
    m_pLens->update();
}

void CMagnifier::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_bActive)
        return;
    m_pLens->hide();
    m_bActive = false;
    setCursor(m_magnifyCursor);
    update();
    m_pView->update();
}

void CMagnifier::paintEvent(QPaintEvent*)
{
    // Frozen under the lens while the button is held; otherwise the view shows through.
    if (m_bActive) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_snapshot);
    }
}

CLens::CLens(CMagnifier& magnifier) : QWidget(&magnifier), m_magnifier(magnifier)
{
    setObjectName(QStringLiteral("lens"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CLens::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintLens(painter, m_magnifier.Settings(), m_magnifier.Snapshot(), m_magnifier.LensPosition());
}

void PaintLens(QPainter& painter, const LensSettings& settings, const QPixmap& snapshot, QPoint lensPosition)
{
    const int size = settings.size;
    const LensSquare source = settings.Source(lensPosition.x(), lensPosition.y());
    const QRect target(0, 0, size, size);
    const QRect from(source.left, source.top, source.side, source.side);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    if (settings.shape != kLensRound) {
        painter.drawPixmap(target, snapshot, from);
        painter.drawRect(0, 0, size - 1, size - 1);
        painter.drawRect(2, 2, size - 5, size - 5);
        return;
    }
    const QRegion ellipse(0, 0, size, size, QRegion::Ellipse);
    painter.setClipRegion(ellipse);
    painter.drawPixmap(target, snapshot, from);
    painter.drawEllipse(1, 1, size - 3, size - 3);
    painter.drawEllipse(2, 2, size - 5, size - 5);
    // The corners show the view unenlarged.
    painter.setClipRegion(QRegion(0, 0, size + 2, size + 2).subtracted(ellipse));
    painter.drawPixmap(0, 0, snapshot, lensPosition.x(), lensPosition.y(), size + 2, size + 2);
}

} // namespace quillon
