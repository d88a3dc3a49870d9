// The "Plant Filters" and "Animal Drug Filter" dialogs.
#include "filters/ClassFilterDialog.h"

#include "casedata/TextCodec.h"
#include "controls/AccessibleNames.h"
#include "controls/FormLook.h"
#include "controls/PictureButton.h"
#include "filters/FilterHelp.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

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

constexpr int kMaxListTextWidth = 320;
constexpr int kListTextMargin = 12;

// The banner across the top of the dialog: a band in the kingdom's colours with a leaf or a shell and the title.
QPixmap MakeBanner(const ClassFilterKind& kind)
{
    const bool plant = &kind != &kAnimalFilterKind;
    QPixmap banner(455, 55);
    banner.fill(QColor(243, 243, 243));
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 455, 0);
    band.setColorAt(0, plant ? QColor(30, 100, 40) : QColor(120, 70, 30));
    band.setColorAt(1, plant ? QColor(160, 210, 140) : QColor(230, 190, 140));
    painter.fillRect(QRect(0, 0, 455, 48), band);
    painter.setPen(QPen(Qt::white, 2));
    if (plant) {
        // A leaf with its midrib and stalk.
        QPainterPath leaf(QPointF(14, 38));
        leaf.cubicTo(16, 14, 36, 8, 48, 8);
        leaf.cubicTo(46, 24, 34, 38, 14, 38);
        painter.drawPath(leaf);
        painter.drawLine(QPointF(10, 42), QPointF(40, 14));
    } else {
        // A spiral shell.
        QPainterPath shell;
        for (int i = 0; i <= 60; ++i) {
            const double angle = i * 0.22;
            const double radius = 2.0 + i * 0.3;
            const QPointF p(30 + radius * std::cos(angle), 24 + radius * std::sin(angle));
            i == 0 ? shell.moveTo(p) : shell.lineTo(p);
        }
        painter.drawPath(shell);
    }
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(22);
    title.setItalic(true);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(70, 0, 380, 48), Qt::AlignVCenter | Qt::AlignLeft,
        QCoreApplication::translate("CClassFilterModel", kind.title));
    return banner;
}

} // namespace

CClassFilterDialog::CClassFilterDialog(const ClassFilterKind& kind, const CPracticeFolder& folder,
    const std::vector<FilterRemedy>& remedies, IMessageSink& sink, QWidget* parent, bool withHelp)
    : QDialog(parent), m_model(kind, sink)
{
    setWindowTitle(QCoreApplication::translate("CClassFilterModel", kind.title));
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    const QFont typeFont = MakeFont(font(), 400, 15);
    const QFont boldFont = MakeFont(font(), 600, 15);

    auto* classGroup = new QGroupBox(tr("Classes / Families"), this);
    classGroup->setFont(boldFont);
    m_lstClasses = new QListWidget(classGroup);
    m_lstClasses->setObjectName(QStringLiteral("classList"));
    m_lstClasses->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstClasses->setFont(boldFont);
    m_edtSearch = new QLineEdit(classGroup);
    m_edtSearch->setObjectName(QStringLiteral("searchEdit"));
    m_edtSearch->setFont(boldFont);
    auto* searchLabel = new QLabel(&kind == &kAnimalFilterKind ? tr("Sea&rch") : tr("Search"), classGroup);
    searchLabel->setFont(boldFont);
    searchLabel->setBuddy(m_edtSearch);
    auto* classLayout = new QVBoxLayout(classGroup);
    classLayout->addWidget(m_lstClasses, 1);
    auto* searchRow = new QHBoxLayout();
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_edtSearch, 1);
    classLayout->addLayout(searchRow);

    auto* typeGroup = new QGroupBox(tr("Types"), this);
    typeGroup->setFont(boldFont);
    auto* typeLayout = new QGridLayout(typeGroup);
    for (int k = 1; k <= kClassTypeCount; ++k) {
        auto* box = new QCheckBox(
            QCoreApplication::translate("CClassFilterModel", kind.typeLabels[static_cast<std::size_t>(k - 1)]),
            typeGroup);
        box->setObjectName(QStringLiteral("type%1").arg(k));
        box->setFont(typeFont);
        // Types 1..6 in the left column, 7..12 in the right one.
        typeLayout->addWidget(box, (k - 1) % 6, (k - 1) / 6);
        connect(box, &QCheckBox::toggled, this, [this, k](bool checked) { m_model.SetTypeChecked(k, checked); });
        m_typeBoxes[static_cast<std::size_t>(k - 1)] = box;
    }

    m_pOk = new CPictureButton(tr("&OK"), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pCancel = new CPictureButton(tr("&Cancel"), this);
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
        m_pHelp = new CPictureButton(tr("&Help"), this);
        m_pHelp->setObjectName(QStringLiteral("helpButton"));
        m_pHelp->setFont(boldFont);
        connect(m_pHelp, &QPushButton::clicked, this, [this] {
            ShowPlantFilterHelp(this);
            Q_EMIT HelpRequested(kPlantHelpContext);
        });
        buttons->addWidget(m_pHelp);
    }

    auto* right = new QVBoxLayout();
    right->addWidget(typeGroup);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(MakeBanner(kind));
    auto* main = new QVBoxLayout(this);
    main->addWidget(banner);
    auto* columns = new QHBoxLayout();
    columns->addWidget(classGroup, 1);
    columns->addLayout(right);
    main->addLayout(columns, 1);
    resize(468, 400);

    m_bLoaded = m_model.Load(folder, remedies);
    // The list is as wide as its longest entry, up to a limit; an entry cut even then shows whole in its tooltip.
    int longest = 0;
    for (const std::string& line : m_model.Classes()) {
        m_lstClasses->addItem(FromData(line));
        QListWidgetItem* item = m_lstClasses->item(m_lstClasses->count() - 1);
        item->setToolTip(item->text());
        longest = std::max(longest, m_lstClasses->fontMetrics().horizontalAdvance(item->text()));
    }
    m_lstClasses->setMinimumWidth(std::min(longest, kMaxListTextWidth) + 2 * m_lstClasses->frameWidth()
        + m_lstClasses->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + kListTextMargin);

    connect(m_edtSearch, &QLineEdit::textChanged, this, &CClassFilterDialog::OnSearchChanged);
    // Only the user's choice in the list copies its text into the search edit.
    // (The selection, not the current row: a list view makes its first row current when it takes the focus.)
    connect(m_lstClasses, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = m_lstClasses->selectedItems();
        OnClassChosen(chosen.isEmpty() ? -1 : m_lstClasses->row(chosen.first()));
    });
    NameDialogControls(this);
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
    // The chosen entry stays selected: its text goes into the edit without running the search, which would
    // move the selection to an earlier entry sharing the first 7 characters.
    const QSignalBlocker quiet(m_edtSearch);
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
