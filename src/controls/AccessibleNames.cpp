// Accessible names of dialog controls.
#include "controls/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quillon {

namespace {

QString Plain(QString text)
{
    // "Sea&rch" reads "Search"; "&&" stands for one "&"; "Dr. Name :" reads "Dr. Name".
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')))
        text = text.chopped(1).trimmed();
    return text;
}

QString LabelOf(const QWidget* control, const QWidget* dialog)
{
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return Plain(label->text());
    }
    for (const QWidget* up = control->parentWidget(); up && up != dialog; up = up->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(up); group && !group->title().isEmpty())
            return Plain(group->title());
    }
    return {};
}

bool NeedsName(const QWidget* widget)
{
    return qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

// The parts of a combo box, a spin box or a list (its line edit, its popup list, its headers) belong to it.
bool IsPartOfAnother(const QWidget* widget, const QWidget* dialog)
{
    for (const QWidget* up = widget->parentWidget(); up && up != dialog; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractSpinBox*>(up)
            || qobject_cast<const QAbstractItemView*>(up))
            return true;
    }
    return false;
}

} // namespace

void NameDialogControls(QWidget* dialog)
{
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->accessibleName().isEmpty())
            continue;
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text().isEmpty() && !button->toolTip().isEmpty())
                widget->setAccessibleName(button->toolTip());
            continue;
        }
        if (!NeedsName(widget) || IsPartOfAnother(widget, dialog))
            continue;
        if (const QString name = LabelOf(widget, dialog); !name.isEmpty())
            widget->setAccessibleName(name);
    }
}

} // namespace quillon
