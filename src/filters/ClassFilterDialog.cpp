// The "Plant Filters" and "Animal Drug Filter" dialogs.
#include "filters/ClassFilterDialog.h"

#include "casedata/TextCodec.h"
#include "controls/FormLook.h"
#include "controls/PictureButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillon {
namespace {

QString FromData(std::string_view bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

std::string ToData(const QString& text)
{
    return Utf8ToCp1252(text.toStdString());
}

QFont MakeFont(const QFont& base, int weight, int pixelHeight, bool italic = false)
{
    QFont font(base);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setPixelSize(pixelHeight);
    font.setItalic(italic);
    return font;
}

} // namespace

CClassFilterDialog::CClassFilterDialog(const ClassFilterKind& kind, const CPracticeFolder& folder,
    const std::vector<FilterRemedy>& remedies, IMessageSink& sink, QWidget* parent, bool withHelp)
    : QDialog(parent), m_model(kind, sink)
{
    setWindowTitle(QString::fromLatin1(kind.title));
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    const QFont typeFont = MakeFont(font(), 400, 15);
    const QFont boldFont = MakeFont(font(), 600, 15);

    auto* classGroup = new QGroupBox(QStringLiteral("Classes / Families"), this);
    classGroup->setFont(boldFont);
    m_lstClasses = new QListWidget(classGroup);
    m_lstClasses->setObjectName(QStringLiteral("classList"));
    m_lstClasses->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstClasses->setFont(boldFont);
    m_edtSearch = new QLineEdit(classGroup);
    m_edtSearch->setObjectName(QStringLiteral("searchEdit"));
    m_edtSearch->setFont(boldFont);
    auto* searchLabel
        = new QLabel(&kind == &kAnimalFilterKind ? QStringLiteral("Sea&rch") : QStringLiteral("Search"), classGroup);
    searchLabel->setFont(boldFont);
    searchLabel->setBuddy(m_edtSearch);
    auto* classLayout = new QVBoxLayout(classGroup);
    classLayout->addWidget(m_lstClasses, 1);
    auto* searchRow = new QHBoxLayout();
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_edtSearch, 1);
    classLayout->addLayout(searchRow);

    auto* typeGroup = new QGroupBox(QStringLiteral("Types"), this);
    typeGroup->setFont(boldFont);
    auto* typeLayout = new QGridLayout(typeGroup);
    for (int k = 1; k <= kClassTypeCount; ++k) {
        auto* box = new QCheckBox(QString::fromLatin1(kind.typeLabels[static_cast<std::size_t>(k - 1)]), typeGroup);
        box->setObjectName(QStringLiteral("type%1").arg(k));
        box->setFont(typeFont);
        // Types 1..6 in the left column, 7..12 in the right one.
        typeLayout->addWidget(box, (k - 1) % 6, (k - 1) / 6);
        connect(box, &QCheckBox::toggled, this, [this, k](bool checked) { m_model.SetTypeChecked(k, checked); });
        m_typeBoxes[static_cast<std::size_t>(k - 1)] = box;
    }

    m_pOk = new CPictureButton(QStringLiteral("&OK"), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pCancel = new CPictureButton(QStringLiteral("&Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancelButton"));
    for (CPictureButton* button : {m_pOk, m_pCancel})
        button->setFont(boldFont);
    // Enter acts as OK, Escape as Cancel.
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    if (withHelp) {
        m_pHelp = new CPictureButton(QStringLiteral("&Help"), this);
        m_pHelp->setObjectName(QStringLiteral("helpButton"));
        m_pHelp->setFont(boldFont);
        connect(m_pHelp, &QPushButton::clicked, this, [this] { Q_EMIT HelpRequested(kPlantHelpContext); });
        buttons->addWidget(m_pHelp);
    }

    auto* right = new QVBoxLayout();
    right->addWidget(typeGroup);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* main = new QHBoxLayout(this);
    main->addWidget(classGroup, 1);
    main->addLayout(right);
    resize(468, 340);

    m_bLoaded = m_model.Load(folder, remedies);
    for (const std::string& line : m_model.Classes())
        m_lstClasses->addItem(FromData(line));

    connect(m_edtSearch, &QLineEdit::textChanged, this, &CClassFilterDialog::OnSearchChanged);
    // Only the user's choice in the list copies its text into the search edit.
    // (The selection, not the current row: a list view makes its first row current when it takes the focus.)
    connect(m_lstClasses, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = m_lstClasses->selectedItems();
        OnClassChosen(chosen.isEmpty() ? -1 : m_lstClasses->row(chosen.first()));
    });
}

int CClassFilterDialog::exec()
{
    if (!m_bLoaded)
        return kFilterCancel;
    return QDialog::exec();
}

void CClassFilterDialog::accept()
{
    m_result = m_model.Ok();
    done(kFilterOk);
}

void CClassFilterDialog::reject()
{
    m_result = ClassFilterResult();
    done(kFilterCancel);
}

void CClassFilterDialog::SelectRowQuietly(int row)
{
    const QSignalBlocker blocker(m_lstClasses);
    m_lstClasses->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    if (QListWidgetItem* item = m_lstClasses->item(row))
        m_lstClasses->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void CClassFilterDialog::OnSearchChanged(const QString& text)
{
    const int found = m_model.Search(ToData(text));
    if (found >= 0) {
        SelectRowQuietly(found);
    } else {
        m_edtSearch->setFocus();
    }
}

void CClassFilterDialog::OnClassChosen(int row)
{
    m_model.SelectClass(row);
    if (row < 0)
        return;
    m_edtSearch->setText(FromData(m_model.Classes()[static_cast<std::size_t>(row)]));
}

CPlantFilterDlg::CPlantFilterDlg(
    const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies, IMessageSink& sink, QWidget* parent)
    : CClassFilterDialog(kPlantFilterKind, folder, remedies, sink, parent, true)
{
    setObjectName(QStringLiteral("PlantFilterDialog"));
}

CAnimalFilterDlg::CAnimalFilterDlg(
    const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies, IMessageSink& sink, QWidget* parent)
    : CClassFilterDialog(kAnimalFilterKind, folder, remedies, sink, parent, false)
{
    setObjectName(QStringLiteral("AnimalFilterDialog"));
}

} // namespace quillon
