// The case book's dialogs.
#include "casebook/CaseBookDialogs.h"

#include "casebook/CaseBook.h"
#include "controls/PageOutput.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

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

void OkWhileFilled(QPushButton* ok, QLineEdit* edit)
{
    const auto update = [ok, edit] { ok->setEnabled(!edit->text().trimmed().isEmpty()); };
    QObject::connect(edit, &QLineEdit::textChanged, ok, update);
    update();
}

} // namespace

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
    layout->addLayout(form);
    m_pOk = AddButtons(*this, layout);
    OkWhileFilled(m_pOk, m_pName);
    resize(420, 260);
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
    m_pDate = new QLineEdit(QDate::currentDate().toString(Qt::ISODate), this);
    m_pNote = new QPlainTextEdit(this);
    form->addRow(tr("&Potency:"), m_pPotency);
    form->addRow(tr("&Repetition:"), m_pRepetition);
    form->addRow(tr("&Date:"), m_pDate);
    form->addRow(tr("N&ote:"), m_pNote);
    layout->addLayout(form);
    m_pOk = AddButtons(*this, layout);
    OkWhileFilled(m_pOk, m_pPotency);
    resize(420, 300);
}

PrescriptionRecord CPrescriptionDialog::Answers() const
{
    PrescriptionRecord p;
    p.potency = m_pPotency->text().trimmed().toStdString();
    p.repetition = m_pRepetition->text().trimmed().toStdString();
    p.date = m_pDate->text().trimmed().toStdString();
    p.note = m_pNote->toPlainText().toStdString();
    return p;
}

COpenAnalysisDialog::COpenAnalysisDialog(CCaseBook& book, PracticeIdentity practice, std::string regNo, QWidget* parent)
    : QDialog(parent), m_book(book), m_practice(std::move(practice)), m_regNo(std::move(regNo))
{
    setWindowTitle(tr("Open Analysis"));
    auto* layout = new QVBoxLayout(this);
    m_pTable = new QTableWidget(0, 6, this);
    m_pTable->setHorizontalHeaderLabels(
        {tr("Visit"), tr("Name"), tr("Caption"), tr("First remedies"), tr("Prescription"), tr("Saved")});
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setAccessibleName(tr("Saved analyses"));
    layout->addWidget(m_pTable);
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
    connect(m_pTable, &QTableWidget::cellDoubleClicked, m_pOpen, &QPushButton::click);
    connect(m_pRename, &QPushButton::clicked, this, &COpenAnalysisDialog::Rename);
    connect(m_pDelete, &QPushButton::clicked, this, &COpenAnalysisDialog::Delete);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pTable, &QTableWidget::itemSelectionChanged, this, [this] {
        m_deleteArmed = 0;
        m_pDelete->setText(tr("&Delete"));
        for (QPushButton* button : {m_pOpen, m_pRename, m_pDelete})
            button->setEnabled(CurrentId() != 0);
    });
    // A name edited in place is the rename.
    connect(m_pTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_bFilling || item->column() != 1)
            return;
        const QString name = item->text().trimmed();
        const std::int64_t id = item->data(Qt::UserRole).toLongLong();
        if (name.isEmpty() || !m_book.RenameAnalysis(id, name.toStdString()))
            Fill();
    });
    Fill();
    resize(900, 360);
}

void COpenAnalysisDialog::Fill()
{
    m_bFilling = true;
    const std::int64_t current = CurrentId();
    m_pTable->setRowCount(0);
    for (const AnalysisListing& listing : m_book.ListAnalyses(m_practice, m_regNo)) {
        const AnalysisRecord& a = listing.analysis;
        const int r = m_pTable->rowCount();
        m_pTable->insertRow(r);
        QString remedies;
        for (const std::string& name : a.topRemedies)
            remedies += (remedies.isEmpty() ? QString() : QStringLiteral(", ")) + Utf8(name);
        const QString cells[] = {Utf8(a.visit.date), Utf8(a.name), Utf8(a.caption), remedies,
            listing.prescription ? Utf8(PrescriptionText(*listing.prescription)) : QString(),
            Utf8(a.changed).replace(QLatin1Char('T'), QLatin1Char(' '))};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(a.id));
            if (c != 1)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_pTable->setItem(r, c, item);
        }
        if (a.id == current || (current == 0 && r == 0))
            m_pTable->selectRow(r);
    }
    m_pTable->resizeColumnsToContents();
    m_bFilling = false;
    const bool any = CurrentId() != 0;
    for (QPushButton* button : {m_pOpen, m_pRename, m_pDelete})
        button->setEnabled(any);
}

std::int64_t COpenAnalysisDialog::CurrentId() const
{
    const QList<QTableWidgetItem*> selected = m_pTable->selectedItems();
    return selected.isEmpty() ? 0 : selected.front()->data(Qt::UserRole).toLongLong();
}

void COpenAnalysisDialog::Rename()
{
    const QList<QTableWidgetItem*> selected = m_pTable->selectedItems();
    if (!selected.isEmpty())
        m_pTable->editItem(m_pTable->item(selected.front()->row(), 1));
}

void COpenAnalysisDialog::Delete()
{
    // The first click asks; a second click on the same analysis deletes it (its prescriptions stay in the book).
    const std::int64_t id = CurrentId();
    if (id == 0)
        return;
    if (m_deleteArmed != id) {
        m_deleteArmed = id;
        m_pDelete->setText(tr("Click again to &delete"));
        return;
    }
    m_deleteArmed = 0;
    m_pDelete->setText(tr("&Delete"));
    m_book.DeleteAnalysis(id);
    Fill();
}

CCaseBookDialog::CCaseBookDialog(const QString& html, const QStringList& pageHeader, const QString& suggestedName,
    IUserChoices& choices, IMessageSink& sink, QWidget* parent)
    : QDialog(parent),
      m_html(html),
      m_header(pageHeader),
      m_suggestedName(suggestedName),
      m_choices(choices),
      m_sink(sink)
{
    setWindowTitle(tr("Case Book"));
    auto* layout = new QVBoxLayout(this);
    m_pPage = new QTextBrowser(this);
    m_pPage->setHtml(html);
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
    resize(760, 620);
}

void CCaseBookDialog::Output(bool pdf)
{
    PageJob job;
    job.target = pdf ? PageTarget::PdfFile : PageTarget::Printer;
    job.title = windowTitle();
    job.caption = tr("Save Case Book as PDF");
    job.suggestedName = m_suggestedName;
    job.paint = [this](QPainter& painter, QPagedPaintDevice& device) {
        return PaintHtmlPages(painter, device, m_html, m_header);
    };
    OutputPages(job, m_choices, m_sink, this);
}

} // namespace quillon
