// The owner-drawn picture button.
#include "controls/PictureButton.h"

#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace quillon {

CPictureButton::CPictureButton(QWidget* parent) : QPushButton(parent) {}

CPictureButton::CPictureButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void CPictureButton::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    m_emptyPicture = QPixmap();
    m_bPair = false;
    update();
}

void CPictureButton::SetPicturePair(const QPixmap& full, const QPixmap& empty)
{
    m_picture = full;
    m_emptyPicture = empty;
    m_bPair = true;
    update();
}

void CPictureButton::SetFull(bool full)
{
    if (m_bFull == full)
        return;
    m_bFull = full;
    update();
}

QPixmap CPictureButton::CurrentPicture() const
{
    return m_bPair && !m_bFull ? m_emptyPicture : m_picture;
}

QSize CPictureButton::sizeHint() const
{
    const QPixmap picture = CurrentPicture();
    if (text().isEmpty() && !picture.isNull())
        return picture.deviceIndependentSize().toSize() + QSize(8, 8);
    return QPushButton::sizeHint();
}

QRect CPictureButton::PictureArea() const
{
    const QPixmap picture = CurrentPicture();
    if (picture.isNull())
        return {};
    QRect target(QPoint(0, 0), picture.deviceIndependentSize().toSize());
    if (text().isEmpty())
        target.moveCenter(rect().center());
    else
        target.moveTopLeft(QPoint(4, (height() - target.height()) / 2));
    return target;
}

QRect CPictureButton::TextArea() const
{
    QRect area = rect().adjusted(4, 2, -4, -2);
    if (const QRect picture = PictureArea(); !picture.isNull())
        area.setLeft(picture.right() + 4);
    return area;
}

void CPictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The frame only: the picture and the text are drawn here.
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const bool down = isDown();
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    const QPixmap picture = CurrentPicture();
    if (!picture.isNull()) {
        QPixmap shown = picture;
        if (!isEnabled())
            shown = QIcon(picture).pixmap(picture.deviceIndependentSize().toSize(), QIcon::Disabled);
        painter.drawPixmap(PictureArea().translated(shift), shown);
    }
    const QRect textArea = TextArea();
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        style()->drawItemText(&painter, textArea.translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
            isEnabled(), text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace quillon
