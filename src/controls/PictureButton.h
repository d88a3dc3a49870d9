// The owner-drawn picture button of the chart's method buttons and of the filter dialogs: a push-button frame with a
// 16 x 16 icon, or one of a full and an empty picture, and its text when it has one.
#pragma once

#include <QPixmap>
#include <QPushButton>

namespace quillon {

class CPictureButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPictureButton)

public:
    explicit CPictureButton(QWidget* parent = nullptr);
    CPictureButton(const QString& text, QWidget* parent = nullptr);

    // A single picture (the 16 x 16 icon).
    void SetPicture(const QPixmap& picture);
    // A pair: the full picture while the button's list holds something, the empty one otherwise.
    void SetPicturePair(const QPixmap& full, const QPixmap& empty);
    void SetFull(bool full);
    bool IsFull() const { return m_bFull; }
    // The picture drawn now (null when the button shows only its text).
    QPixmap CurrentPicture() const;
    // Where the picture and the text are drawn, in the button's pixels (the picture's is null without one).
    QRect PictureArea() const;
    QRect TextArea() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_emptyPicture;
    bool m_bPair = false;
    bool m_bFull = false;
};

} // namespace quillon
