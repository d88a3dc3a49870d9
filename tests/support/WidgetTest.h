// What the widget tests share: answering the dialogs and popup menus they open without blocking the offscreen
// run, mouse input sent straight to a widget, and the parts of a scroll bar.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace quillon::testing {

// Runs `act` on the next dialog or popup menu of type W once it is in front. It polls, since a menu or another
// dialog may open first; a dialog `act` leaves open is rejected and a menu closed. Returns a flag that is set
// once `act` has run: check it after the call that opened the window.
template <typename W> std::shared_ptr<bool> WhenShown(std::function<void(W&)> act)
{
    auto ran = std::make_shared<bool>(false);
    auto tries = std::make_shared<int>(0);
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, ran, act] {
        QWidget* front = QApplication::activePopupWidget();
        if (!front)
            front = QApplication::activeModalWidget();
        QPointer<W> widget = qobject_cast<W*>(front);
        if (!widget && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (!widget)
            return;
        *ran = true;
        act(*widget);
        if (!widget || !widget->isVisible())
            return;
        if (auto* dialog = qobject_cast<QDialog*>(widget.data()))
            dialog->reject();
        else
            widget->close();
    });
    timer->start(10);
    return ran;
}

// Runs `act` on the dialog or menu of type W that `open` shows, and checks that it ran.
template <typename W> void WithShown(const std::function<void()>& open, std::function<void(W&)> act)
{
    const auto ran = WhenShown<W>(std::move(act));
    open();
    QVERIFY(*ran);
}

// The push button under `parent` that shows `text`, or null.
inline QPushButton* ButtonWithText(const QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Whether an outside program a test starts is on the PATH, and the failure that names its Debian package.
inline bool HasProgram(const char* program)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}
inline QByteArray MissingProgram(const char* program, const char* package)
{
    return QByteArray(program) + " not found: install the Debian package " + package;
}

// Shows the widget; true once it is on the screen.
inline bool Shown(QWidget& widget)
{
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

inline void SendMouse(
    QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A left-button drag from `from` to `to` inside the widget.
inline void Drag(QWidget* widget, const QPoint& from, const QPoint& to)
{
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// Where the style draws one part of a scroll bar (an arrow, a page area, the thumb).
inline QRect ScrollBarPart(const QScrollBar* bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

} // namespace quillon::testing
