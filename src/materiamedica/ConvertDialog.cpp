// The conversion dialog.
#include "materiamedica/ConvertDialog.h"

#include "controls/AccessibleNames.h"
#include "controls/DisplayText.h"
#include "state/QuillonState.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {
namespace {

// Translated where the boxes are made (context "CConvertDialog").
const char* const kMarkTexts[]
    = {QT_TRANSLATE_NOOP("CConvertDialog", "One"), QT_TRANSLATE_NOOP("CConvertDialog", "Two"),
        QT_TRANSLATE_NOOP("CConvertDialog", "Three"), QT_TRANSLATE_NOOP("CConvertDialog", "Four"),
        QT_TRANSLATE_NOOP("CConvertDialog", "Five"), QT_TRANSLATE_NOOP("CConvertDialog", "All")};
const char* const kOptionTexts[] = {QT_TRANSLATE_NOOP("CConvertDialog", "Comp&lete  Materia Medica"),
    QT_TRANSLATE_NOOP("CConvertDialog", "Com&pare Materia Medica"),
    QT_TRANSLATE_NOOP("CConvertDialog", "Differentiate &Materia Medica"),
    QT_TRANSLATE_NOOP("CConvertDialog", "&Single Remedy Rubrics"),
    QT_TRANSLATE_NOOP("CConvertDialog", "&One Remedy Materia Medica"),
    QT_TRANSLATE_NOOP("CConvertDialog", "C&reate Materia Medica")};

QLabel* BlueLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    return label;
}

QGroupBox* BlueGroup(const QString& title, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(0, 0, 255); }"));
    return group;
}

} // namespace

CConvertDialog::CConvertDialog(CQuillonState& state, std::vector<ChartRow> rows, QWidget* parent)
    : QDialog(parent), m_model(state.ConversionRemedies(), state.Catalogue(), state.Sink())
{
    setWindowTitle(tr("Convert Repertory To Materia Medica"));

    auto* marks = BlueGroup(tr("Drug Marks"), this);
    auto* marksLayout = new QHBoxLayout(marks);
    for (int i = 0; i <= kMarkBoxCount; ++i) {
        auto* box = new QCheckBox(QCoreApplication::translate("CConvertDialog", kMarkTexts[i]), marks);
        box->setStyleSheet(QStringLiteral("color: black;"));
        marksLayout->addWidget(box);
        m_marks[static_cast<std::size_t>(i)] = box;
        connect(box, &QCheckBox::toggled, this, [this, i](bool checked) {
            if (m_bRefreshing)
                return;
            i < kMarkBoxCount ? m_model.SetMark(i, checked) : m_model.SetAll(checked);
            Refresh();
        });
    }

    auto* fullGroup = BlueGroup(tr("Full Drug List"), this);
    auto* fullLayout = new QVBoxLayout(fullGroup);
    m_pFullList = new QListWidget(fullGroup);
    fullLayout->addWidget(m_pFullList);
    auto* searchRow = new QHBoxLayout();
    QLabel* searchLabel = BlueLabel(tr("Search Drug:"), fullGroup);
    searchRow->addWidget(searchLabel);
    m_pSearch = new QLineEdit(fullGroup);
    searchLabel->setBuddy(m_pSearch);
    searchRow->addWidget(m_pSearch);
    fullLayout->addLayout(searchRow);

    auto* selectedGroup = BlueGroup(tr("Selected Drug List"), this);
    auto* selectedLayout = new QVBoxLayout(selectedGroup);
    m_pSelectedList = new QListWidget(selectedGroup);
    selectedLayout->addWidget(m_pSelectedList);
    m_pClear = new QPushButton(tr("C&lear"), selectedGroup);
    selectedLayout->addWidget(m_pClear);

    auto* nameRow = new QHBoxLayout();
    nameRow->addWidget(BlueLabel(tr("Drug Full Name:"), this));
    m_pFullName = new QLabel(this);
    m_pFullName->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    m_pFullName->setMinimumWidth(260);
    nameRow->addWidget(m_pFullName, 1);

    auto* optionGroup = BlueGroup(tr("Options"), this);
    auto* optionLayout = new QVBoxLayout(optionGroup);
    for (int i = 0; i < kConversionOptionCount; ++i) {
        auto* radio = new QRadioButton(QCoreApplication::translate("CConvertDialog", kOptionTexts[i]), optionGroup);
        radio->setStyleSheet(QStringLiteral("color: black;"));
        optionLayout->addWidget(radio);
        m_options[static_cast<std::size_t>(i)] = radio;
        connect(radio, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (m_bRefreshing || !checked)
                return;
            m_model.SetOption(i);
            Refresh();
        });
    }

    m_pOk = new QPushButton(tr("&OK"), this);
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(tr("&Cancel"), this);
    auto* buttons = new QVBoxLayout();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(marks, 0, 0, 1, 2);
    grid->addWidget(fullGroup, 1, 0);
    grid->addWidget(selectedGroup, 1, 1);
    grid->addLayout(nameRow, 2, 0, 1, 2);
    grid->addWidget(optionGroup, 0, 2, 2, 1);
    grid->addLayout(buttons, 0, 3, 3, 1);

    connect(m_pFullList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bRefreshing) {
            m_model.SelectFull(row);
            Refresh();
        }
    });
    connect(m_pFullList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_model.AddFromFullList(m_pFullList->row(item));
        Refresh();
    });
    connect(m_pSelectedList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bRefreshing) {
            m_model.SelectSelected(row);
            Refresh();
        }
    });
    connect(m_pSearch, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool found = m_model.Search(ToData(text));
        Refresh();
        if (!found)
            m_pSearch->setFocus();
    });
    connect(m_pClear, &QPushButton::clicked, this, [this] {
        m_model.ClearSelected();
        Refresh();
    });
    connect(m_pOk, &QPushButton::clicked, this, &CConvertDialog::OnOk);
    connect(m_pCancel, &QPushButton::clicked, this, &CConvertDialog::reject);

    m_model.Open(std::move(rows));
    m_bRefreshing = true;
    for (const std::string& entry : m_model.FullList())
        m_pFullList->addItem(FromData(entry));
    m_bRefreshing = false;
    Refresh();
    NameDialogControls(this);
}

void CConvertDialog::RefreshSelected()
{
    const auto& selected = m_model.SelectedList();
    bool same = m_pSelectedList->count() == static_cast<int>(selected.size());
    for (int i = 0; same && i < m_pSelectedList->count(); ++i)
        same = m_pSelectedList->item(i)->text() == FromData(selected[static_cast<std::size_t>(i)].name);
    if (!same) {
        m_pSelectedList->clear();
        for (const ChosenRemedy& entry : selected)
            m_pSelectedList->addItem(FromData(entry.name));
    }
    m_pSelectedList->setCurrentRow(m_model.SelectedSelection());
}

void CConvertDialog::Refresh()
{
    m_bRefreshing = true;
    if (m_pFullList->currentRow() != m_model.FullSelection())
        m_pFullList->setCurrentRow(m_model.FullSelection());
    RefreshSelected();
    m_pFullName->setText(FromData(m_model.FullName()));
    for (int i = 0; i < kMarkBoxCount; ++i)
        m_marks[static_cast<std::size_t>(i)]->setChecked(m_model.Mark(i));
    m_marks[kMarkBoxCount]->setChecked(m_model.All());
    for (int i = 0; i < kConversionOptionCount; ++i)
        m_options[static_cast<std::size_t>(i)]->setChecked(m_model.Option() == i);
    m_pOk->setEnabled(m_model.OkEnabled());
    m_bRefreshing = false;
}

void CConvertDialog::OnOk()
{
    if (m_model.Ok())
        accept();
}

void CConvertDialog::reject()
{
    m_model.Cancel();
    QDialog::reject();
}

std::optional<CMateriaMedicaRequest> RunConversionDialog(
    CQuillonState& state, std::vector<ChartRow> rows, QWidget* parent)
{
    CConvertDialog dialog(state, std::move(rows), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Model().Request();
}

} // namespace quillon
