// The case book's dialogs: Save Analysis (name and notes), Record Prescription, Open Analysis (the patient's
// analyses over all visits, with rename and delete) and the Case Book window with its print and PDF.
#pragma once

#include "casebook/CaseBookTypes.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTextBrowser;

namespace quillon {

class CCaseBook;
class CHistoryPage;
class IMessageSink;
class IUserChoices;

// A time of the case book (YYYY-MM-DDTHH:MM:SSZ) in local time, as the desktop writes a date and time.
QString LocalTimeText(const std::string& utc);

class CSaveAnalysisDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSaveAnalysisDialog)

public:
    CSaveAnalysisDialog(const QString& name, const QString& notes, QWidget* parent = nullptr);
    QString Name() const;
    QString Notes() const;
    QLineEdit* NameEdit() const { return m_pName; }
    QPlainTextEdit* NotesEdit() const { return m_pNotes; }
    QPushButton* OkButton() const { return m_pOk; }

    // Closes only when every text fits the case book; otherwise says which is too long and stays open, so that
    // nothing typed is lost.
    void accept() override;

private:
    QLineEdit* m_pName = nullptr;
    QPlainTextEdit* m_pNotes = nullptr;
    QLabel* m_pProblem = nullptr; // why the answers cannot be saved as they stand; empty when they can
    QPushButton* m_pOk = nullptr;
};

class CPrescriptionDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPrescriptionDialog)

public:
    // `remedy`: the remedy's full name as it stands, shown and kept with the prescription.
    CPrescriptionDialog(const QString& remedy, const QString& analysis, QWidget* parent = nullptr);
    // The answers (the remedy, the analysis and the times are the caller's).
    PrescriptionRecord Answers() const;
    QLineEdit* PotencyEdit() const { return m_pPotency; }
    QLineEdit* RepetitionEdit() const { return m_pRepetition; }
    QDateEdit* DateEdit() const { return m_pDate; }
    QPlainTextEdit* NoteEdit() const { return m_pNote; }
    QPushButton* OkButton() const { return m_pOk; }

    // As Save Analysis's: closes only when the note fits the case book.
    void accept() override;

private:
    QLineEdit* m_pPotency = nullptr;
    QLineEdit* m_pRepetition = nullptr;
    QDateEdit* m_pDate = nullptr;
    QPlainTextEdit* m_pNote = nullptr;
    QLabel* m_pProblem = nullptr;
    QPushButton* m_pOk = nullptr;
};

// A patient's analyses for Open Analysis, read from the book a page at a time as the list scrolls on, without their
// notes. The name is edited in place (the rename).
class CAnalysisListModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAnalysisListModel)

public:
    static constexpr std::size_t kPageRows = 200;
    enum Column {
        VisitColumn,
        NameColumn,
        CaptionColumn,
        RemediesColumn,
        PrescriptionColumn,
        SavedColumn,
        ColumnCount
    };

    CAnalysisListModel(CCaseBook& book, PracticeIdentity practice, std::string regNo, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Reads the list again from its start, as many rows as it showed.
    void Reload();
    // The analysis of a row, or 0.
    std::int64_t IdAt(int row) const;
    // The row of an analysis among those read, or -1.
    int RowOf(std::int64_t id) const;

private:
    CCaseBook& m_book;
    PracticeIdentity m_practice;
    std::string m_regNo;
    std::vector<AnalysisListing> m_rows;
    bool m_bAtEnd = false;
};

class COpenAnalysisDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(COpenAnalysisDialog)

public:
    COpenAnalysisDialog(CCaseBook& book, PracticeIdentity practice, std::string regNo, IUserChoices& choices,
        QWidget* parent = nullptr);
    // The analysis chosen with Open (accepted), or nothing.
    std::optional<std::int64_t> Chosen() const { return m_chosen; }

    QTableView* Table() const { return m_pTable; }
    CAnalysisListModel* Model() const { return m_pModel; }
    QPlainTextEdit* NotesView() const { return m_pNotes; }
    QPushButton* OpenButton() const { return m_pOpen; }
    QPushButton* RenameButton() const { return m_pRename; }
    QPushButton* DeleteButton() const { return m_pDelete; }

private:
    std::int64_t CurrentId() const;
    void CurrentChanged();
    void Rename();
    void Delete();

    CCaseBook& m_book;
    IUserChoices& m_choices;
    std::optional<std::int64_t> m_chosen;
    CAnalysisListModel* m_pModel = nullptr;
    QTableView* m_pTable = nullptr;
    QPlainTextEdit* m_pNotes = nullptr;
    QPushButton* m_pOpen = nullptr;
    QPushButton* m_pRename = nullptr;
    QPushButton* m_pDelete = nullptr;
};

// The Case Book window: the page of the patient's history, shown a piece at a time as the reader scrolls to its
// end, and printed or saved as PDF whole.
class CCaseBookDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCaseBookDialog)

public:
    CCaseBookDialog(std::unique_ptr<CHistoryPage> page, const QStringList& pageHeader, const QString& suggestedName,
        IUserChoices& choices, IMessageSink& sink, QWidget* parent = nullptr);
    ~CCaseBookDialog() override;
    QTextBrowser* Page() const { return m_pPage; }
    QPushButton* PdfButton() const { return m_pPdf; }
    // Whether the whole history is on show.
    bool ShowsAll() const;

private:
    // Shows the next piece of the history; false when everything was shown.
    bool ShowMore();
    void Output(bool pdf);

    std::unique_ptr<CHistoryPage> m_page;
    std::string m_shown; // the HTML of the pieces on show
    QStringList m_header;
    QString m_suggestedName;
    IUserChoices& m_choices;
    IMessageSink& m_sink;
    QTextBrowser* m_pPage = nullptr;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pPdf = nullptr;
};

} // namespace quillon
