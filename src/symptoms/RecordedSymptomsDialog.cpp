// The Recorded Symptoms dialog.
#include "symptoms/RecordedSymptomsDialog.h"

#include "controls/AccessibleNames.h"
#include "controls/DisplayText.h"
#include "controls/PictureButton.h"
#include "controls/UserChoices.h"
#include "state/SaveNames.h"
#include "symptoms/SymptomIcons.h"
#include "symptoms/UndeleteDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {
namespace {

// The symptom list scrolls sideways over at least this width, so long rubrics can be read.
constexpr int kSymptomListExtent = 1000;

const QColor kCaptionColour(255, 0, 0);

QFont ArialFont(int pixelSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void PaintCaption(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, kCaptionColour);
    widget->setPalette(palette);
}

// Shows a read-only name from its start, cut with "…" at the end when the field is too narrow (a line edit
// would scroll to the name's tail); the whole name stays in the tooltip.
class CElidedName final : public QObject
{
public:
    CElidedName(QLineEdit* edit, const QString& name) : QObject(edit), m_edit(edit), m_name(name)
    {
        edit->setToolTip(name);
        edit->installEventFilter(this);
        Show();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_edit
            && (event->type() == QEvent::Resize || event->type() == QEvent::Show
                || event->type() == QEvent::FontChange))
            Show();
        return QObject::eventFilter(watched, event);
    }

private:
    void Show()
    {
        QStyleOptionFrame option;
        option.initFrom(m_edit);
        option.rect = m_edit->rect();
        option.lineWidth = m_edit->hasFrame() ? m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QMargins margins = m_edit->textMargins();
        // The line edit keeps two pixels of its own on either side of the text.
        const int width = m_edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, m_edit).width()
            - margins.left() - margins.right() - 4;
        m_edit->setText(m_edit->fontMetrics().elidedText(m_name, Qt::ElideRight, std::max(width, 0)));
        m_edit->setCursorPosition(0);
    }

    QLineEdit* m_edit;
    QString m_name;
};

} // namespace

CRecordedSymptomsDialog::CRecordedSymptomsDialog(
    CQuillonState& state, IUserChoices& choices, int nMode, QWidget* parent)
    : QDialog(parent), m_state(state), m_choices(choices), m_model(state, nMode)
{
    setObjectName(QStringLiteral("RecordedSymptomsDialog"));
    BuildControls();

    new CElidedName(m_pPhysician, FromData(state.Patient().physician));
    new CElidedName(m_pPatient, FromData(state.Patient().name));

    if (nMode == kModeSymptomList) {
        setWindowTitle(tr("Symptom List"));
        m_pRepTable->hide();
        m_pVisits->hide();
        m_pVisitLabel->hide();
    } else {
        setWindowTitle(tr("Recorded Symptoms"));
        m_pDelete->hide();
        m_pUnDelete->hide();
    }

    m_bOpened = m_model.Open();
    if (m_bOpened && nMode != kModeSymptomList) {
        const QSignalBlocker blocker(m_pVisits);
        for (const std::string& date : m_model.VisitDates())
            m_pVisits->addItem(FromData(date));
        m_pVisits->setCurrentIndex(m_model.CurrentVisit());
    }
    ShowSymptoms();
    // The keys go to the symptom list first, so the arrows move through the symptoms.
    m_pSymptoms->setFocus();
}

void CRecordedSymptomsDialog::BuildControls()
{
    // 383 x 212 dialog units.
    resize(600, 380);

    QFont captionFont = font();
    captionFont.setPixelSize(15);
    captionFont.setWeight(QFont::Normal);
    const QFont listFont = ArialFont(16, QFont::Normal);

    m_pPhysician = new QLineEdit(this);
    m_pPhysician->setObjectName(QStringLiteral("physicianName"));
    m_pPhysician->setAccessibleName(tr("Physician"));
    m_pPhysician->setReadOnly(true);
    m_pPatient = new QLineEdit(this);
    m_pPatient->setObjectName(QStringLiteral("patientName"));
    m_pPatient->setAccessibleName(tr("Patient"));
    m_pPatient->setReadOnly(true);
    m_pPatient->setFont(ArialFont(16, QFont::Bold));

    m_pVisitLabel = new QLabel(tr("Select Visit Dates"), this);
    m_pVisitLabel->setFont(captionFont);
    PaintCaption(m_pVisitLabel);
    m_pVisits = new QComboBox(this);
    m_pVisits->setObjectName(QStringLiteral("visitDates"));
    m_pVisits->setFont(listFont);
    m_pVisits->setMinimumWidth(140);
    m_pVisitLabel->setBuddy(m_pVisits);

    m_pGroup = new QGroupBox(tr("Recorded Symptoms"), this);
    m_pGroup->setFont(captionFont);
    PaintCaption(m_pGroup);
    m_pSymptoms = new QListWidget(m_pGroup);
    m_pSymptoms->setObjectName(QStringLiteral("symptomList"));
    m_pSymptoms->setFont(listFont);
    m_pSymptoms->setSortingEnabled(false);
    m_pSymptoms->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pSymptoms->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* groupLayout = new QVBoxLayout(m_pGroup);
    groupLayout->addWidget(m_pSymptoms);

    m_pDrugCaption = new QLabel(tr("Drug List"), this);
    m_pDrugCaption->setObjectName(QStringLiteral("drugCaption"));
    m_pDrugCaption->setFont(captionFont);
    PaintCaption(m_pDrugCaption);
    m_pDrugs = new QListWidget(this);
    m_pDrugs->setObjectName(QStringLiteral("drugList"));
    m_pDrugCaption->setBuddy(m_pDrugs);
    m_pDrugs->setFont(listFont);
    m_pDrugs->setSortingEnabled(false);

    m_pDelete = new CPictureButton(tr("&Delete"), this);
    m_pDelete->SetPicture(symptom_icons::DeleteIcon());
    symptom_icons::FitPictureButton(m_pDelete);
    m_pUnDelete = new CPictureButton(tr("&UnDelete"), this);
    m_pUnDelete->SetPicture(symptom_icons::UndeleteIcon());
    symptom_icons::FitPictureButton(m_pUnDelete);
    m_pRepTable = new CPictureButton(tr("&Rep_Table"), this);
    m_pRepTable->SetPicture(symptom_icons::RepTableIcon());
    symptom_icons::FitPictureButton(m_pRepTable);
    m_pRepTable->setToolTip(tr("Open Repertorisation Table"));
    m_pSaveAs = new CPictureButton(tr("Save &As"), this);
    m_pSaveAs->SetPicture(symptom_icons::SaveIcon());
    symptom_icons::FitPictureButton(m_pSaveAs);
    m_pSaveAs->setToolTip(tr("Save the Recorded Symptoms"));
    m_pOk = new CPictureButton(tr("&OK"), this);
    m_pOk->SetPicture(symptom_icons::OkIcon());
    symptom_icons::FitPictureButton(m_pOk);
    m_pOk->setToolTip(tr("Close Window"));
    m_pOk->setDefault(true);

    auto* names = new QHBoxLayout();
    names->addWidget(new QLabel(tr("Dr. Name :"), this));
    names->addWidget(m_pPhysician, 1);
    names->addSpacing(12);
    names->addWidget(new QLabel(tr("Pat Name :"), this));
    names->addWidget(m_pPatient, 1);

    auto* visits = new QHBoxLayout();
    visits->addWidget(m_pVisitLabel);
    visits->addWidget(m_pVisits);
    visits->addStretch(1);

    auto* drugs = new QVBoxLayout();
    drugs->addWidget(m_pDrugCaption);
    drugs->addWidget(m_pDrugs, 1);

    auto* lists = new QHBoxLayout();
    lists->addWidget(m_pGroup, 3);
    lists->addLayout(drugs, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(m_pDelete);
    buttons->addWidget(m_pUnDelete);
    buttons->addWidget(m_pRepTable);
    buttons->addStretch(1);
    buttons->addWidget(m_pSaveAs);
    buttons->addWidget(m_pOk);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addLayout(visits);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(m_pVisits, &QComboBox::currentIndexChanged, this, &CRecordedSymptomsDialog::OnVisitChosen);
    connect(m_pSymptoms, &QListWidget::itemSelectionChanged, this, &CRecordedSymptomsDialog::OnSymptomSelectionChanged);
    connect(m_pRepTable, &QPushButton::clicked, this, &CRecordedSymptomsDialog::OnRepTable);
    connect(m_pSaveAs, &QPushButton::clicked, this, &CRecordedSymptomsDialog::OnSaveAs);
    connect(m_pDelete, &QPushButton::clicked, this, &CRecordedSymptomsDialog::OnDelete);
    connect(m_pUnDelete, &QPushButton::clicked, this, &CRecordedSymptomsDialog::OnUnDelete);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    NameDialogControls(this);
}

int CRecordedSymptomsDialog::exec()
{
    if (!m_bOpened)
        return QDialog::Rejected;
    return QDialog::exec();
}

int CRecordedSymptomsDialog::SelectedSymptomLine() const
{
    const QList<QListWidgetItem*> selected = m_pSymptoms->selectedItems();
    return selected.isEmpty() ? -1 : m_pSymptoms->row(selected.front());
}

void CRecordedSymptomsDialog::ShowSymptoms()
{
    {
        const QSignalBlocker blocker(m_pSymptoms);
        m_pSymptoms->clear();
        const QFontMetrics metrics(m_pSymptoms->font());
        for (const std::string& text : m_model.SymptomTexts()) {
            auto* item = new QListWidgetItem(FromData(text), m_pSymptoms);
            const int width = std::max(kSymptomListExtent, metrics.horizontalAdvance(item->text()) + 8);
            item->setSizeHint(QSize(width, metrics.height() + 2));
        }
        const int selection = m_model.Selection();
        if (selection >= 0) {
            m_pSymptoms->setCurrentRow(selection);
            m_pSymptoms->item(selection)->setSelected(true);
        }
    }
    m_pDelete->setEnabled(m_model.DeleteEnabled());
    ShowDrugList();
}

void CRecordedSymptomsDialog::ShowDrugList()
{
    m_pDrugs->clear();
    for (const std::string& line : m_model.DrugListLines())
        m_pDrugs->addItem(FromData(line));
    m_pDrugCaption->setText(FromData(m_model.Caption()));
}

void CRecordedSymptomsDialog::OnVisitChosen(int index)
{
    if (index < 0)
        return;
    m_model.ChooseVisit(index);
    ShowSymptoms();
}

void CRecordedSymptomsDialog::OnSymptomSelectionChanged()
{
    m_model.SelectSymptom(SelectedSymptomLine());
    ShowDrugList();
}

void CRecordedSymptomsDialog::OnRepTable()
{
    if (!m_model.RepTable())
        return;
    m_bOpenChart = true;
    accept();
}

void CRecordedSymptomsDialog::OnSaveAs()
{
    const QString suggested = FromData(SuggestedFileName(m_state.Patient(), ToData(tr("Symptoms")), "txt"));
    if (const auto path = ChooseTextFile(m_choices, this, suggested))
        m_model.SaveAs(*path);
}

void CRecordedSymptomsDialog::OnDelete()
{
    m_model.SelectSymptom(SelectedSymptomLine());
    m_model.Delete();
    ShowSymptoms();
}

void CRecordedSymptomsDialog::OnUnDelete()
{
    CUndeleteDialog dialog(m_model.State(), this);
    const int result = dialog.exec();
    // Restorations stay made even when the dialog is cancelled, so the lists follow them either way.
    if (result == QDialog::Accepted || dialog.Model().RestoredCount() > 0) {
        m_model.RefreshAfterUndelete();
        ShowSymptoms();
    }
}

} // namespace quillon
