// The case book's dialogs: Save Analysis (name and notes), Record Prescription, Open Analysis (the patient's
// analyses over all visits, with rename and delete) and the Case Book window with its print and PDF.
#pragma once

#include "casebook/CaseBookTypes.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTextBrowser;

namespace quillon {

class CCaseBook;
class IMessageSink;
class IUserChoices;

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

private:
    QLineEdit* m_pName = nullptr;
    QPlainTextEdit* m_pNotes = nullptr;
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
    QLineEdit* DateEdit() const { return m_pDate; }
    QPlainTextEdit* NoteEdit() const { return m_pNote; }
    QPushButton* OkButton() const { return m_pOk; }

private:
    QLineEdit* m_pPotency = nullptr;
    QLineEdit* m_pRepetition = nullptr;
    QLineEdit* m_pDate = nullptr;
    QPlainTextEdit* m_pNote = nullptr;
    QPushButton* m_pOk = nullptr;
};

class COpenAnalysisDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(COpenAnalysisDialog)

public:
    COpenAnalysisDialog(CCaseBook& book, PracticeIdentity practice, std::string regNo, QWidget* parent = nullptr);
    // The analysis chosen with Open (accepted), or nothing.
    std::optional<std::int64_t> Chosen() const { return m_chosen; }

    QTableWidget* Table() const { return m_pTable; }
    QPushButton* OpenButton() const { return m_pOpen; }
    QPushButton* RenameButton() const { return m_pRename; }
    QPushButton* DeleteButton() const { return m_pDelete; }

private:
    void Fill();
    std::int64_t CurrentId() const;
    void Rename();
    void Delete();

    CCaseBook& m_book;
    PracticeIdentity m_practice;
    std::string m_regNo;
    std::optional<std::int64_t> m_chosen;
    std::int64_t m_deleteArmed = 0; // the analysis a first click on Delete asked about
    bool m_bFilling = false;
    QTableWidget* m_pTable = nullptr;
    QPushButton* m_pOpen = nullptr;
    QPushButton* m_pRename = nullptr;
    QPushButton* m_pDelete = nullptr;
};

class CCaseBookDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCaseBookDialog)

public:
    CCaseBookDialog(const QString& html, const QStringList& pageHeader, const QString& suggestedName,
        IUserChoices& choices, IMessageSink& sink, QWidget* parent = nullptr);
    QTextBrowser* Page() const { return m_pPage; }
    QPushButton* PrintButton() const { return m_pPrint; }
    QPushButton* PdfButton() const { return m_pPdf; }

private:
    void Output(bool pdf);

    QString m_html;
    QStringList m_header;
    QString m_suggestedName;
    IUserChoices& m_choices;
    IMessageSink& m_sink;
    QTextBrowser* m_pPage = nullptr;
    QPushButton* m_pPrint = nullptr;
    QPushButton* m_pPdf = nullptr;
};

} // namespace quillon
