// The case book's dialogs.
#include "casebook/CaseBookDialogs.h"

#include "casebook/CaseBook.h"
#include "casebook/CaseBookChecks.h"
#include "casebook/CaseBookHistory.h"
#include "controls/PageOutput.h"
#include "controls/UserChoices.h"

#include <QDate>
#include <QDateEdit>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace quillon {
namespace {

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// OK and Cancel under a form; OK only while `filled` holds.
QPushButton* AddButtons(QDialog& dialog, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return buttons->button(QDialogButtonBox::Ok);
}

// The line under a form that says why it cannot be saved yet; hidden while there is nothing to say.
QLabel* AddProblemLabel(QDialog& dialog, QVBoxLayout* layout)
{
    auto* label = new QLabel(&dialog);
    label->setObjectName(QStringLiteral("problem"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b00000"));
    label->hide();
    layout->addWidget(label);
    return label;
}

// Whether the text of the page fits the case book's bound; when not, the label says so in `tooLong` (%1 the
// bound, %2 the characters typed), the page takes the focus and the dialog stays.
bool PageFits(QPlainTextEdit* page, std::size_t bound, const QString& tooLong, QLabel* problem)
{
    const std::string text = page->toPlainText().toStdString();
    const std::size_t count = CharacterCount(text);
    if (count <= bound) {
        problem->hide();
        return true;
    }
    problem->setText(tooLong.arg(bound).arg(count));
    problem->show();
    page->setFocus();
    return false;
}

void OkWhileFilled(QPushButton* ok, QLineEdit* edit)
{
    const auto update = [ok, edit] { ok->setEnabled(!edit->text().trimmed().isEmpty()); };
    QObject::connect(edit, &QLineEdit::textChanged, ok, update);
    update();
}

} // namespace

QString LocalTimeText(const std::string& utc)
{
    const QDateTime at = QDateTime::fromString(Utf8(utc), Qt::ISODate);
    return at.isValid() ? QLocale().toString(at.toLocalTime(), QLocale::ShortFormat) : Utf8(utc);
}

CSaveAnalysisDialog::CSaveAnalysisDialog(const QString& name, const QString& notes, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Save Analysis"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    m_pName = new QLineEdit(name, this);
    m_pName->setObjectName(QStringLiteral("name"));
    m_pNotes = new QPlainTextEdit(notes, this);
    m_pNotes->setObjectName(QStringLiteral("notes"));
    form->addRow(tr("&Name:"), m_pName);
    form->addRow(tr("N&otes:"), m_pNotes);
    // A line takes no more than the case book keeps; the notes are checked when saved.
    m_pName->setMaxLength(static_cast<int>(kMaxCaseBookName));
    layout->addLayout(form);
    m_pProblem = AddProblemLabel(*this, layout);
    m_pOk = AddButtons(*this, layout);
    OkWhileFilled(m_pOk, m_pName);
    resize(420, 260);
}

void CSaveAnalysisDialog::accept()
{
    if (PageFits(m_pNotes, kMaxCaseBookNote,
            tr("The notes are longer than %1 characters (%2 now); shorten them to save the analysis."), m_pProblem))
        QDialog::accept();
}

QString CSaveAnalysisDialog::Name() const
{
    return m_pName->text().trimmed();
}

QString CSaveAnalysisDialog::Notes() const
{
    return m_pNotes->toPlainText();
}

CPrescriptionDialog::CPrescriptionDialog(const QString& remedy, const QString& analysis, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Record Prescription"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    auto* remedyLabel = new QLabel(QStringLiteral("<b>%1</b>").arg(remedy.toHtmlEscaped()), this);
    remedyLabel->setObjectName(QStringLiteral("remedy"));
    form->addRow(tr("Remedy:"), remedyLabel);
    form->addRow(tr("Analysis:"), new QLabel(analysis, this));
    m_pPotency = new QLineEdit(this);
    m_pPotency->setPlaceholderText(tr("for example 30C, 200C, 1M, LM1"));
    m_pRepetition = new QLineEdit(this);
    m_pRepetition->setPlaceholderText(tr("for example one dose, TDS for 3 days"));
    // A date of the calendar, in the desktop's date format, with a calendar to pick it from.
    m_pDate = new QDateEdit(QDate::currentDate(), this);
    m_pDate->setCalendarPopup(true);
    m_pDate->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_pNote = new QPlainTextEdit(this);
    form->addRow(tr("&Potency:"), m_pPotency);
    form->addRow(tr("&Repetition:"), m_pRepetition);
    form->addRow(tr("&Date:"), m_pDate);
    form->addRow(tr("N&ote:"), m_pNote);
    for (QLineEdit* line : {m_pPotency, m_pRepetition})
        line->setMaxLength(static_cast<int>(kMaxCaseBookShortText));
    layout->addLayout(form);
    m_pProblem = AddProblemLabel(*this, layout);
    m_pOk = AddButtons(*this, layout);
    OkWhileFilled(m_pOk, m_pPotency);
    resize(420, 300);
}

void CPrescriptionDialog::accept()
{
    if (PageFits(m_pNote, kMaxCaseBookNote,
            tr("The note is longer than %1 characters (%2 now); shorten it to record the prescription."), m_pProblem))
        QDialog::accept();
}

PrescriptionRecord CPrescriptionDialog::Answers() const
{
    PrescriptionRecord p;
    p.potency = m_pPotency->text().trimmed().toStdString();
    p.repetition = m_pRepetition->text().trimmed().toStdString();
    p.date = m_pDate->date().toString(Qt::ISODate).toStdString();
    p.note = m_pNote->toPlainText().toStdString();
    return p;
}

CAnalysisListModel::CAnalysisListModel(CCaseBook& book, PracticeIdentity practice, std::string regNo, QObject* parent)
    : QAbstractTableModel(parent), m_book(book), m_practice(std::move(practice)), m_regNo(std::move(regNo))
{
    fetchMore(QModelIndex());
}

int CAnalysisListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CAnalysisListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CAnalysisListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const AnalysisListing& listing = m_rows[static_cast<std::size_t>(index.row())];
    const AnalysisRecord& a = listing.analysis;
    switch (index.column()) {
    case VisitColumn: return Utf8(a.visit.date);
    case NameColumn: return Utf8(a.name);
    case CaptionColumn: return Utf8(a.caption);
    case RemediesColumn: {
        QStringList remedies;
        for (const std::string& name : a.topRemedies)
            remedies << Utf8(name);
        return remedies.join(QStringLiteral(", "));
    }
    case PrescriptionColumn: return listing.prescription ? Utf8(PrescriptionText(*listing.prescription)) : QString();
    case SavedColumn: return LocalTimeText(a.changed);
    default: return {};
    }
}

QVariant CAnalysisListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case VisitColumn: return tr("Visit");
    case NameColumn: return tr("Name");
    case CaptionColumn: return tr("Caption");
    case RemediesColumn: return tr("First remedies");
    case PrescriptionColumn: return tr("Prescription");
    case SavedColumn: return tr("Saved");
    default: return {};
    }
}

Qt::ItemFlags CAnalysisListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == NameColumn ? flags | Qt::ItemIsEditable : flags;
}

bool CAnalysisListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NameColumn || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    AnalysisRecord& a = m_rows[static_cast<std::size_t>(index.row())].analysis;
    const QString name = value.toString().trimmed();
    if (name.isEmpty() || name == Utf8(a.name) || !m_book.RenameAnalysis(a.id, name.toStdString()))
        return false;
    a.name = name.toStdString();
    Q_EMIT dataChanged(index, index);
    return true;
}

bool CAnalysisListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_bAtEnd;
}

void CAnalysisListModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || m_bAtEnd)
        return;
    std::optional<ListingKey> after;
    if (!m_rows.empty())
        after = ListingKey{m_rows.back().analysis.created, m_rows.back().analysis.id};
    std::vector<AnalysisListing> page = m_book.ListAnalyses(m_practice, m_regNo, kPageRows, after);
    m_bAtEnd = page.size() < kPageRows;
    if (page.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(page.size()) - 1);
    std::move(page.begin(), page.end(), std::back_inserter(m_rows));
    endInsertRows();
}

void CAnalysisListModel::Reload()
{
    const std::size_t shown = std::max(m_rows.size(), kPageRows);
    beginResetModel();
    m_rows = m_book.ListAnalyses(m_practice, m_regNo, shown);
    m_bAtEnd = m_rows.size() < shown;
    endResetModel();
}

std::int64_t CAnalysisListModel::IdAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].analysis.id : 0;
}

int CAnalysisListModel::RowOf(std::int64_t id) const
{
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        if (m_rows[r].analysis.id == id)
            return static_cast<int>(r);
    return -1;
}

COpenAnalysisDialog::COpenAnalysisDialog(
    CCaseBook& book, PracticeIdentity practice, std::string regNo, IUserChoices& choices, QWidget* parent)
    : QDialog(parent), m_book(book), m_choices(choices)
{
    setWindowTitle(tr("Open Analysis"));
    auto* layout = new QVBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_pModel = new CAnalysisListModel(book, std::move(practice), std::move(regNo), this);
    m_pTable = new QTableView(splitter);
    m_pTable->setModel(m_pModel);
    m_pTable->setAccessibleName(tr("Saved analyses"));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    // Columns sized by the first rows: the rows still to come are not read to size them.
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_pTable->resizeColumnsToContents();
    m_pNotes = new QPlainTextEdit(splitter);
    m_pNotes->setObjectName(QStringLiteral("notes"));
    m_pNotes->setReadOnly(true);
    m_pNotes->setAccessibleName(tr("Notes of the chosen analysis"));
    m_pNotes->setPlaceholderText(tr("The chosen analysis has no notes."));
    splitter->addWidget(m_pTable);
    splitter->addWidget(m_pNotes);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);
    auto* row = new QHBoxLayout();
    m_pOpen = new QPushButton(tr("&Open"), this);
    m_pRename = new QPushButton(tr("&Rename"), this);
    m_pDelete = new QPushButton(tr("&Delete"), this);
    auto* close = new QPushButton(tr("Close"), this);
    for (QPushButton* button : {m_pOpen, m_pRename, m_pDelete})
        row->addWidget(button);
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);
    m_pOpen->setDefault(true);

    connect(m_pOpen, &QPushButton::clicked, this, [this] {
        if (const std::int64_t id = CurrentId()) {
            m_chosen = id;
            accept();
        }
    });
    connect(m_pTable, &QTableView::doubleClicked, m_pOpen, &QPushButton::click);
    connect(m_pRename, &QPushButton::clicked, this, &COpenAnalysisDialog::Rename);
    connect(m_pDelete, &QPushButton::clicked, this, &COpenAnalysisDialog::Delete);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(
        m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &COpenAnalysisDialog::CurrentChanged);
    connect(m_pModel, &QAbstractItemModel::modelReset, this, &COpenAnalysisDialog::CurrentChanged);
    if (m_pModel->rowCount() > 0)
        m_pTable->selectRow(0);
    CurrentChanged();
    resize(900, 420);
}

std::int64_t COpenAnalysisDialog::CurrentId() const
{
    const QModelIndexList rows = m_pTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : m_pModel->IdAt(rows.front().row());
}

void COpenAnalysisDialog::CurrentChanged()
{
    const std::int64_t id = CurrentId();
    for (QPushButton* button : {m_pOpen, m_pRename, m_pDelete})
        button->setEnabled(id != 0);
    // The note is read when its analysis is chosen, not with the list.
    m_pNotes->setPlainText(id ? Utf8(m_book.AnalysisNotes(id).value_or(std::string())) : QString());
}

void COpenAnalysisDialog::Rename()
{
    const QModelIndexList rows = m_pTable->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        m_pTable->edit(m_pModel->index(rows.front().row(), CAnalysisListModel::NameColumn));
}

void COpenAnalysisDialog::Delete()
{
    // Asked first: the analysis goes with its steps and notes (its prescriptions stay in the book).
    const std::int64_t id = CurrentId();
    if (id == 0)
        return;
    const int row = m_pModel->RowOf(id);
    const QString name = m_pModel->index(row, CAnalysisListModel::NameColumn).data().toString();
    if (!m_choices.Confirm(this, tr("Delete Analysis"),
            tr("Delete the analysis \"%1\" with its steps and notes? Its prescriptions stay in the case book.")
                .arg(name)))
        return;
    if (!m_book.DeleteAnalysis(id))
        return;
    m_pModel->Reload();
    if (m_pModel->rowCount() > 0)
        m_pTable->selectRow(std::min(row, m_pModel->rowCount() - 1));
    CurrentChanged();
}

CCaseBookDialog::CCaseBookDialog(std::unique_ptr<CHistoryPage> page, const QStringList& pageHeader,
    const QString& suggestedName, IUserChoices& choices, IMessageSink& sink, QWidget* parent)
    : QDialog(parent),
      m_page(std::move(page)),
      m_header(pageHeader),
      m_suggestedName(suggestedName),
      m_choices(choices),
      m_sink(sink)
{
    setWindowTitle(tr("Case Book"));
    auto* layout = new QVBoxLayout(this);
    m_pPage = new QTextBrowser(this);
    m_pPage->document()->setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 9));
    layout->addWidget(m_pPage);
    auto* row = new QHBoxLayout();
    m_pPrint = new QPushButton(tr("&Print\u2026"), this);
    m_pPdf = new QPushButton(tr("Save as P&DF\u2026"), this);
    auto* close = new QPushButton(tr("Close"), this);
    row->addWidget(m_pPrint);
    row->addWidget(m_pPdf);
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);
    connect(m_pPrint, &QPushButton::clicked, this, [this] { Output(false); });
    connect(m_pPdf, &QPushButton::clicked, this, [this] { Output(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // The next piece when the reader comes near the end of what is shown.
    connect(m_pPage->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        const QScrollBar* bar = m_pPage->verticalScrollBar();
        if (value >= bar->maximum() - bar->pageStep())
            QTimer::singleShot(0, this, &CCaseBookDialog::ShowMore);
    });
    ShowMore();
    resize(760, 620);
}

CCaseBookDialog::~CCaseBookDialog() = default;

bool CCaseBookDialog::ShowsAll() const
{
    return m_page->AtEnd();
}

bool CCaseBookDialog::ShowMore()
{
    const std::string piece = m_page->NextPiece();
    if (piece.empty())
        return false;
    if (m_shown.empty()) {
        m_pPage->setHtml(QString::fromStdString(HistoryDocument(piece)));
    } else {
        QTextCursor end(m_pPage->document());
        end.movePosition(QTextCursor::End);
        end.insertHtml(QString::fromStdString(piece));
    }
    m_shown += piece;
    return true;
}

void CCaseBookDialog::Output(bool pdf)
{
    PageJob job;
    job.target = pdf ? PageTarget::PdfFile : PageTarget::Printer;
    job.title = windowTitle();
    job.caption = tr("Save Case Book as PDF");
    job.suggestedName = m_suggestedName;
    // The printed page is the whole history: what is not shown yet is read first.
    while (ShowMore()) {}
    const QString html = QString::fromStdString(HistoryDocument(m_shown));
    job.paint = [this, html](QPainter& painter, QPagedPaintDevice& device) {
        return PaintHtmlPages(painter, device, html, m_header);
    };
    OutputPages(job, m_choices, m_sink, this);
}

} // namespace quillon
