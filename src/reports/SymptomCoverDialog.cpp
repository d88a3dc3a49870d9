// The Symptom Covered and Not Covered dialog.
#include "reports/SymptomCoverDialog.h"

#include "controls/DisplayText.h"
#include "controls/UserChoices.h"
#include "engine/RepEngine.h"
#include "reports/PrintedPages.h"
#include "state/QuillonState.h"
#include "state/SaveNames.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quillon {

namespace {

// A red that reads on the list's white and on the dialog's grey alike.
const QColor kCoverRed(192, 0, 0);

// The dialog's template is laid out in dialog units; these are their pixels for the 15- and 16-pixel fonts.
int Dx(int x)
{
    return x * 11 / 5;
}
int Dy(int y)
{
    return y * 2;
}
QRect DialogRect(int x, int y, int w, int h)
{
    return QRect(Dx(x), Dy(y), Dx(w), Dy(h));
}

QFont ArialFont(int pixels, int weight, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    return font;
}

// The font and colour of a list line by its symptom's level.
void StyleByLevel(QListWidgetItem& item, int level)
{
    static const QFont normal = ArialFont(16, 400);
    static const QFont bold = ArialFont(16, 600);
    static const QFont italic = ArialFont(16, 400, true);
    const QFont* font = &normal;
    switch (level) {
    case 2: font = &bold; break;
    case 5: font = &italic; break;
    default: break;
    }
    item.setFont(*font);
    item.setForeground(CoverLineColour(level));
}

} // namespace

QColor CoverLineColour(int level)
{
    // Each colour reads at 4.5 : 1 or better on the list's white.
    switch (level) {
    case 3: return kCoverRed;
    case 4: return QColor(0, 0, 255);
    case 6: return QColor(0, 50, 40);
    case 7: return QColor(50, 50, 255);
    case 8: return QColor(0, 128, 0);
    default: return Qt::black;
    }
}

CSymptomCoverDlg::CSymptomCoverDlg(const CQuillonState& state, const CRepEngine* engine, int code,
    IUserChoices& choices, IMessageSink& sink, QWidget* parent)
    : QDialog(parent), m_state(state), m_pEngine(engine), m_choices(choices), m_sink(sink)
{
    setWindowTitle(tr("Symptom Covered and Not Covered"));
    setModal(true);
    setFixedSize(Dx(369), Dy(215));
    CreateControls();
    if (!m_pEngine) {
        m_sink.Show(kMsgErrorInSymptomCovered);
        ShowRemedy(-1);
        return;
    }
    m_remedies = CoverRemedies(*m_pEngine);
    for (const CoverRemedy& remedy : m_remedies)
        m_cboRemedy->addItem(FromData(remedy.name), remedy.code);
    const int item = FindCoverRemedy(m_remedies, code);
    m_cboRemedy->setCurrentIndex(item);
    ShowRemedy(item);
    connect(m_cboRemedy, &QComboBox::currentIndexChanged, this, &CSymptomCoverDlg::ShowRemedy);
}

CSymptomCoverDlg::~CSymptomCoverDlg() = default;

void CSymptomCoverDlg::CreateControls()
{
    const QFont controlFont = ArialFont(15, 400);
    const QColor heading(0, 64, 128);
    const auto label = [&](const QString& text, const QRect& rect, const QColor& colour) {
        auto* made = new QLabel(text, this);
        made->setGeometry(rect);
        made->setFont(controlFont);
        QPalette palette = made->palette();
        palette.setColor(QPalette::WindowText, colour);
        made->setPalette(palette);
        return made;
    };
    QLabel* remedyLabel = label(tr("Select Remedy :"), DialogRect(0, 0, 57, 10), heading);
    m_cboRemedy = new QComboBox(this);
    remedyLabel->setBuddy(m_cboRemedy);
    m_cboRemedy->setGeometry(DialogRect(61, 0, 62, 12));
    m_cboRemedy->setFont(controlFont);
    m_cboRemedy->setMaxVisibleItems(10);
    // A little wider than its template so that the whole text shows in the stand-in font.
    label(tr("Fullname  :"), DialogRect(127, 0, 40, 10), heading);
    m_pFullName = label(QString(), DialogRect(168, 0, 197, 20), kCoverRed);
    m_pFullName->setWordWrap(true);
    m_pFullName->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const auto group = [&](const QRect& rect) {
        auto* box = new QGroupBox(this);
        box->setGeometry(rect);
        box->setFont(controlFont);
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, heading);
        box->setPalette(palette);
        return box;
    };
    m_pCoveredGroup = group(DialogRect(0, 24, 182, 171));
    m_pNotCoveredGroup = group(DialogRect(183, 24, 182, 171));

    const auto list = [&](const QRect& rect) {
        auto* made = new QListWidget(this);
        made->setGeometry(rect);
        made->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        made->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        made->setUniformItemSizes(true);
        made->setTextElideMode(Qt::ElideNone);
        return made;
    };
    m_lstCovered = list(DialogRect(3, 35, 174, 156));
    m_lstNotCovered = list(DialogRect(186, 35, 174, 156));
    m_lstCovered->setAccessibleName(tr("Symptoms covered"));
    m_lstNotCovered->setAccessibleName(tr("Symptoms not covered"));

    const auto button = [&](const QString& text, const QRect& rect) {
        auto* made = new QPushButton(text, this);
        made->setGeometry(rect);
        made->setAutoDefault(false);
        return made;
    };
    m_pSavePdf = button(tr("Save as P&DF…"), DialogRect(199, 198, 62, 14));
    m_pPrint = button(tr("&Print"), DialogRect(263, 198, 50, 14));
    m_pClose = button(tr("&Close"), DialogRect(315, 198, 50, 14));
    connect(m_pSavePdf, &QPushButton::clicked, this, &CSymptomCoverDlg::OnSavePdf);
    connect(m_pPrint, &QPushButton::clicked, this, &CSymptomCoverDlg::OnPrint);
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::accept);
}

void CSymptomCoverDlg::FillList(QListWidget* list, const std::vector<CoverLine>& lines)
{
    list->clear();
    for (const CoverLine& line : lines) {
        auto* item = new QListWidgetItem(FromData(line.text), list);
        StyleByLevel(*item, line.level);
    }
}

void CSymptomCoverDlg::ShowRemedy(int item)
{
    m_report = SymptomCoverReport{};
    if (m_pEngine && item >= 0 && item < static_cast<int>(m_remedies.size())) {
        const auto& active = m_state.RepSymptoms();
        m_report = BuildSymptomCover(active, m_remedies[static_cast<std::size_t>(item)], m_state.Catalogue());
    }
    FillList(m_lstCovered, m_report.covered);
    FillList(m_lstNotCovered, m_report.notCovered);
    m_pCoveredGroup->setTitle(FromData(CoveredTitle(m_report.covered.size())));
    m_pNotCoveredGroup->setTitle(FromData(NotCoveredTitle(m_report.notCovered.size())));
    m_pFullName->setText(FromData(m_report.fullName));
    m_pPrint->setEnabled(m_cboRemedy->currentIndex() >= 0);
    m_pSavePdf->setEnabled(m_cboRemedy->currentIndex() >= 0);
}

CoverPrintHeader CSymptomCoverDlg::PrintHeader() const
{
    const PatientContext patient = m_state.Patient();
    return {patient.name, patient.visitDate, patient.regNo};
}

void CSymptomCoverDlg::Output(PageTarget target)
{
    const SymptomCoverReport report = m_report;
    const CoverPrintHeader header = PrintHeader();
    PageJob job;
    job.target = target;
    job.title = tr("Symptom Covered and Not Covered");
    job.caption = tr("Save as PDF");
    job.suggestedName = FromData(
        SuggestedFileName(m_state.Patient(), ToData(tr("Covered %1").arg(FromData(report.remedy.name))), "pdf"));
    job.cancelIsError = true;
    job.paint = [&report, &header](QPainter& painter, QPagedPaintDevice& device) {
        return PaintCoverPages(painter, device, report, header);
    };
    OutputPages(job, m_choices, m_sink, this);
}

void CSymptomCoverDlg::OnPrint()
{
    Output(PageTarget::Printer);
}

void CSymptomCoverDlg::OnSavePdf()
{
    Output(PageTarget::PdfFile);
}

} // namespace quillon
