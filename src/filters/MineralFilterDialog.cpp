// The "Mineral Filter" dialog.
#include "filters/MineralFilterDialog.h"

#include "casedata/TextCodec.h"
#include "controls/FormLook.h"
#include "controls/PictureButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace quillon {
namespace {

const QColor kSelected(0, 255, 255);
const QColor kLanthanidePlaceColour(125, 130, 0);
const QColor kActinidePlaceColour(15, 127, 22);
const QColor kRankColours[kShownRanks]
    = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 127, 0), QColor(255, 255, 27)};

QString FromData(std::string_view bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

QFont MakeFont(const QString& family, int weight, int pixelHeight, bool italic = false)
{
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setPixelSize(pixelHeight);
    font.setItalic(italic);
    return font;
}

// The symbol's font: the table's own where the symbol fits the cell with a pixel to spare on each side,
// otherwise shrunk until it does (the number above it is narrow enough at any size).
QFont SymbolFontFor(const QString& symbol, const QFont& symbolFont)
{
    QFont font = symbolFont;
    while (font.pixelSize() > 6 && QFontMetrics(font).horizontalAdvance(symbol) > kCellSize - 4)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// Black, or white where black would not stand out from the square's colour (the blue and green ranks, the
// actinides' place): whichever contrasts more, by the relative luminance of sRGB.
QColor InkOn(const QColor& fill)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(fill.red()) + 0.7152 * linear(fill.green()) + 0.0722 * linear(fill.blue());
    const double onBlack = (luminance + 0.05) / 0.05;
    const double onWhite = 1.05 / (luminance + 0.05);
    return onWhite > onBlack ? QColor(Qt::white) : QColor(Qt::black);
}

void WriteCellText(
    QPainter& painter, const CElementCell& cell, const QColor& fill, const QFont& numberFont, const QFont& symbolFont)
{
    const CellRect& r = cell.rect;
    painter.setPen(InkOn(fill));
    painter.setFont(numberFont);
    painter.drawText(QRect(r.left + 2, r.top + 2, 40, 14), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
        QString::number(cell.number));
    // Centred across the cell: the next cell's square is filled after this one and would cut what runs over.
    const QString symbol = FromData(cell.symbol);
    painter.setFont(SymbolFontFor(symbol, symbolFont));
    painter.drawText(QRect(r.left, r.top + 16, kCellSize, 18), Qt::AlignHCenter | Qt::AlignTop, symbol);
}

struct GroupNumber
{
    int cell;
    int offset;
    const char* text;
};
constexpr GroupNumber kGroupNumbers[] = {{0, 13, "I"}, {19, 12, "II"}, {30, 10, "III"}, {31, 12, "IV"}, {32, 11, "V"},
    {33, 11, "VI"}, {34, 8, "VII"}, {17, 12, "0"}};

} // namespace

void PaintPeriodicTable(QPainter& painter, const CMineralFilterModel& model, bool withGroupNumbers)
{
    const QFont numberFont = MakeFont(QStringLiteral("Arial"), 400, 10);
    const QFont symbolFont = MakeFont(QStringLiteral("Arial"), 400, 14);
    painter.setPen(Qt::black);
    for (int i = 0; i < kCellCount; ++i) {
        const CElementCell& cell = model.Cell(i);
        if (cell.IsBlank())
            continue;
        const QRect square(cell.rect.left, cell.rect.top, kCellSize, kCellSize);
        QColor base = cell.selected ? kSelected : QColor(Qt::white);
        if (i == kLanthanidePlace)
            base = kLanthanidePlaceColour;
        else if (i == kActinidePlace)
            base = kActinidePlaceColour;
        // A ranked element shows its rank's colour, selected or not.
        if (const int rank = model.ShownRankOfCell(i); rank >= 0)
            base = kRankColours[rank];
        painter.fillRect(square, base);
        WriteCellText(painter, cell, base, numberFont, symbolFont);
    }
    painter.setPen(Qt::black);
    if (withGroupNumbers) {
        painter.setFont(numberFont);
        for (const GroupNumber& group : kGroupNumbers) {
            const CellRect& r = model.Cell(group.cell).rect;
            painter.drawText(QRect(r.left + group.offset, r.top - 20, 30, 14), Qt::AlignLeft | Qt::AlignTop,
                QString::fromLatin1(group.text));
        }
    }
}

CMineralFilterDlg::CMineralFilterDlg(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies,
    IMessageSink& sink, KingdomFilterState& state, QWidget* parent)
    : QDialog(parent), m_model(sink), m_state(state)
{
    setObjectName(QStringLiteral("MineralFilterDialog"));
    EnableGridAccessibility();
    setWindowTitle(tr("Mineral Filter"));
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);
    // The table's cells lie at fixed client pixels; the controls fill the gaps of periods 1 to 3 and the space
    // below the block.
    setFixedSize(628, 400);

    const QFont boldFont = MakeFont(font().family(), 600, 16);
    const QFont italicFont = MakeFont(font().family(), 400, 16, true);
    const QFont normalFont = MakeFont(font().family(), 400, 16);

    auto* elementCaption = new QLabel(tr("Element"), this);
    elementCaption->setFont(italicFont);
    elementCaption->setGeometry(100, 32, 70, 20);
    m_pElement = new QLabel(this);
    m_pElement->setObjectName(QStringLiteral("elementLabel"));
    m_pElement->setFont(boldFont);
    m_pElement->setGeometry(175, 32, 230, 20);
    m_pElement->setAccessibleName(tr("Element"));

    auto* groupCaption = new QLabel(tr("Basic Group"), this);
    groupCaption->setFont(italicFont);
    groupCaption->setGeometry(88, 70, 90, 20);
    m_pGroups = new QComboBox(this);
    m_pGroups->setObjectName(QStringLiteral("basicGroup"));
    m_pGroups->setFont(normalFont);
    m_pGroups->setGeometry(180, 68, 225, 24);
    groupCaption->setBuddy(m_pGroups);

    auto* lanthanides = new QLabel(tr("Lanthinides"), this);
    lanthanides->setFont(italicFont);
    lanthanides->setGeometry(12, 272, 100, 20);
    auto* actinides = new QLabel(tr("Actinides"), this);
    actinides->setFont(italicFont);
    actinides->setGeometry(12, 305, 100, 20);

    auto* selection = new QGroupBox(tr("Group Selection"), this);
    selection->setFont(normalFont);
    selection->setGeometry(16, 340, 270, 52);
    m_pVertical = new QCheckBox(tr("Vertical"), selection);
    m_pVertical->setObjectName(QStringLiteral("vertical"));
    m_pVertical->setFont(boldFont);
    m_pVertical->setGeometry(12, 22, 110, 24);
    m_pHorizontal = new QCheckBox(tr("Horizontal"), selection);
    m_pHorizontal->setObjectName(QStringLiteral("horizontal"));
    m_pHorizontal->setFont(boldFont);
    m_pHorizontal->setGeometry(140, 22, 120, 24);

    m_pOk = new CPictureButton(tr("&OK"), this);
    m_pOk->setObjectName(QStringLiteral("okButton"));
    m_pOk->setFont(normalFont);
    m_pOk->setGeometry(420, 355, 90, 30);
    m_pOk->setDefault(true);
    m_pCancel = new CPictureButton(tr("&Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancelButton"));
    m_pCancel->setFont(normalFont);
    m_pCancel->setGeometry(520, 355, 90, 30);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_model.Load(folder, remedies);
    for (const std::string& group : m_model.Groups())
        m_pGroups->addItem(FromData(group));
    m_pGroups->setCurrentIndex(-1);
    connect(m_pGroups, &QComboBox::currentIndexChanged, this, [this](int index) { m_model.SelectGroup(index); });

    m_pVertical->setChecked(true);
    m_pHorizontal->setChecked(true);
    connect(m_pVertical, &QCheckBox::clicked, this, [this](bool checked) {
        m_model.VerticalClicked(checked);
        update();
    });
    connect(m_pHorizontal, &QCheckBox::clicked, this, [this](bool checked) {
        m_model.HorizontalClicked(checked);
        update();
    });
}

int CMineralFilterDlg::exec()
{
    return QDialog::exec();
}

void CMineralFilterDlg::accept()
{
    m_result = m_model.Ok(m_state);
    done(kFilterOk);
}

void CMineralFilterDlg::reject()
{
    m_result = MineralFilterResult();
    done(kFilterCancel);
}

void CMineralFilterDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    PaintPeriodicTable(painter, m_model, true);
}

void CMineralFilterDlg::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_model.LeftButton(at.x(), at.y());
        update();
    } else if (event->button() == Qt::RightButton) {
        m_model.RightButton(at.x(), at.y());
        update();
    } else {
        QDialog::mousePressEvent(event);
    }
}

void CMineralFilterDlg::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_model.MouseMove(at.x(), at.y()))
        m_pElement->setText(FromData(m_model.HoverText()));
    QDialog::mouseMoveEvent(event);
}

} // namespace quillon
