// The Drug List dialog.
#include "reports/DrugListDialog.h"

#include "controls/DisplayText.h"
#include "state/QuillonState.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace quillon {
namespace {

constexpr int kItemHeight = 20;
constexpr int kAbbreviationX = 5;
constexpr int kTotalityX = 115;
constexpr int kCoveredX = 190;
const QColor kTotalityColour(255, 0, 0);
const QColor kCoveredColour(0, 90, 30);

// Draws a row as its three fields in bold Arial, then marks a selected row by inverting it and framing it
// with a focus rectangle.
class CDrugItemDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const DrugListFields fields = SplitDrugListRow(ToData(index.data(Qt::DisplayRole).toString()));
        const QRect r = option.rect;
        painter->save();
        painter->fillRect(r, Qt::white);
        QFont bold(QStringLiteral("Arial"));
        bold.setPixelSize(16);
        bold.setWeight(QFont::Bold);
        painter->setFont(bold);
        const QRect line = r.adjusted(0, 1, 0, 0);
        const auto draw = [&](int x, const std::string& text, const QColor& colour) {
            painter->setPen(colour);
            painter->drawText(
                line.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FromData(text));
        };
        draw(kAbbreviationX, fields.abbreviation, Qt::black);
        draw(kTotalityX, fields.totality, kTotalityColour);
        draw(kCoveredX, fields.covered, kCoveredColour);
        if (option.state & QStyle::State_Selected) {
            painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter->fillRect(r, Qt::white);
            painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
            QPen dotted(Qt::white, 1, Qt::DotLine);
            painter->setPen(dotted);
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), kItemHeight};
    }
};

QLabel* ColumnLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CDrugListDialog::CDrugListDialog(const std::vector<ChartRow>& rows, QWidget* parent) : QDialog(parent), m_model(rows)
{
    setWindowTitle(tr("Drug List"));
    setObjectName(QStringLiteral("DrugListDialog"));
    // 158 x 234 dialog units (a little wider, for the last column label), 10 and 40 units from the owner's corner.
    resize(272, 390);
    if (parent)
        move(parent->window()->geometry().topLeft() + QPoint(15, 65));

    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("drugList"));
    m_pList->setAccessibleName(tr("Drug List"));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSortingEnabled(false);
    m_pList->setUniformItemSizes(true);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pList->setItemDelegate(new CDrugItemDelegate(m_pList));
    QStringList lines;
    lines.reserve(m_model.Count());
    for (const std::string& line : m_model.Lines())
        lines.append(FromData(line));
    m_pList->addItems(lines);

    // The column labels stand over the columns the rows are drawn in.
    auto* header = new QWidget(this);
    const int left = m_pList->frameWidth();
    for (const auto& [x, text] : {std::pair{kAbbreviationX, tr("Drug Name")}, std::pair{kTotalityX, tr("Totality")},
             std::pair{kCoveredX, tr("Symp.  Cov.")}})
        ColumnLabel(text, header)->move(left + x, 0);
    header->setFixedHeight(header->childrenRect().height());

    auto* frame = new QGroupBox(this);
    auto* searchLine = new QHBoxLayout(frame);
    searchLine->setContentsMargins(6, 4, 6, 4);
    QLabel* searchLabel = ColumnLabel(tr("Search"), frame);
    searchLine->addWidget(searchLabel);
    m_pSearch = new QLineEdit(frame);
    searchLabel->setBuddy(m_pSearch);
    m_pSearch->setObjectName(QStringLiteral("drugSearch"));
    searchLine->addWidget(m_pSearch, 1);

    m_pOk = new QPushButton(tr("&OK"), this);
    m_pOk->setAutoDefault(false);
    auto* bottom = new QHBoxLayout();
    bottom->addWidget(frame, 1);
    bottom->addSpacing(20);
    bottom->addWidget(m_pOk, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 4);
    layout->setSpacing(2);
    layout->addWidget(header);
    layout->addWidget(m_pList, 1);
    layout->addLayout(bottom);

    connect(m_pSearch, &QLineEdit::textChanged, this, &CDrugListDialog::OnSearch);
    connect(m_pList, &QListWidget::currentRowChanged, this, &CDrugListDialog::OnSelectionChanged);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    m_pSearch->setFocus();
}

void CDrugListDialog::OnSearch(const QString& text)
{
    const DrugSearchResult result = m_model.Search(ToData(text));
    {
        // A selection the search makes is not a selection change of the user's: the search tells the chart once.
        const QSignalBlocker blocker(m_pList);
        if (result.found >= 0)
            m_pList->scrollToItem(m_pList->item(result.found), QAbstractItemView::PositionAtTop);
        m_pList->setCurrentRow(result.selected);
    }
    Q_EMIT ScrollChart(result.sent);
}

void CDrugListDialog::OnSelectionChanged(int row)
{
    if (row >= 0)
        Q_EMIT ScrollChart(row);
}

} // namespace quillon
