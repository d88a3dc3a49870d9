// Which texts of a shown window do not fit the room their widget gives them: labels, buttons, check and radio
// boxes, group titles, the current text of a list box and the sections of table headers, each measured in its own
// font against the rectangle the style draws it in.
#pragma once

#include "controls/PictureButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextDocument>

namespace quillon::testing {

// The text as drawn: "&&" shows one ampersand, a single "&" marks the mnemonic and is not drawn.
inline QString ShownText(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The widest line of the text in the font.
inline int TextWidth(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Adds the widget's text to `problems` when it needs more than its room.
inline void Report(QStringList& problems, const QWidget* widget, const QString& text, int needed, int room)
{
    if (needed > room)
        problems << QStringLiteral("%1%2 \"%3\" needs %4 px, has %5")
                        .arg(QString::fromLatin1(widget->metaObject()->className()),
                            widget->objectName().isEmpty() ? QString() : QLatin1Char('#') + widget->objectName(), text)
                        .arg(needed)
                        .arg(room);
}

inline void CheckLabel(const QLabel* label, QStringList& problems)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        return;
    const QRect room
        = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QString shown = label->buddy() ? ShownText(text) : text;
    if (label->wordWrap()) {
        Report(problems, label, text + QStringLiteral(" (height)"), label->heightForWidth(label->width()),
            label->height());
        return;
    }
    const int needed = TextWidth(label->fontMetrics(), shown) + std::max(label->indent(), 0);
    Report(problems, label, text, needed, room.width());
}

inline void CheckButton(const QAbstractButton* button, QStringList& problems)
{
    const QString text = button->text();
    if (text.isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QRect room;
    int needed = TextWidth(button->fontMetrics(), ShownText(text));
    if (const auto* picture = qobject_cast<const CPictureButton*>(button)) {
        room = picture->TextArea();
    } else if (qobject_cast<const QCheckBox*>(button)) {
        room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    } else if (qobject_cast<const QRadioButton*>(button)) {
        room = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    } else if (qobject_cast<const QPushButton*>(button)) {
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (!button->icon().isNull())
            needed += button->iconSize().width() + 4;
    } else {
        return;
    }
    Report(problems, button, text, needed, room.width());
}

inline void CheckGroupBox(const QGroupBox* box, QStringList& problems)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    option.textAlignment = box->alignment();
    const int needed = TextWidth(box->fontMetrics(), ShownText(box->title()));
    // The frame's width less the style's indent on either side is what the title may take.
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int room = box->width() - 2 * std::max(label.left(), 0);
    Report(problems, box, box->title(), needed, room);
}

inline void CheckComboBox(const QComboBox* combo, QStringList& problems)
{
    if (combo->isEditable() || combo->currentText().isEmpty())
        return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    option.currentText = combo->currentText();
    option.editable = false;
    const QRect room
        = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const int needed = TextWidth(combo->fontMetrics(), combo->currentText());
    Report(problems, combo, combo->currentText(), needed, room.width());
}

inline void CheckHeader(const QHeaderView* header, QStringList& problems)
{
    if (header->isHidden() || header->orientation() != Qt::Horizontal || !header->model())
        return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        QFont font = header->font();
        const QVariant sectionFont = header->model()->headerData(section, Qt::Horizontal, Qt::FontRole);
        if (sectionFont.canConvert<QFont>())
            font = qvariant_cast<QFont>(sectionFont);
        const int needed = TextWidth(QFontMetrics(font), text) + 2 * margin;
        const int room = header->sectionSize(section);
        Report(problems, header, text, needed, room);
    }
}

// Every visible text of the window that its widget cuts.
inline QStringList TextsThatDoNotFit(const QWidget* window)
{
    QStringList problems;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            CheckLabel(label, problems);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            CheckButton(button, problems);
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            CheckGroupBox(box, problems);
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            CheckComboBox(combo, problems);
        else if (const auto* header = qobject_cast<const QHeaderView*>(widget))
            CheckHeader(header, problems);
    }
    return problems;
}

} // namespace quillon::testing
