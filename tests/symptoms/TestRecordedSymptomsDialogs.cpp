// The Recorded Symptoms and Undelete dialogs, driven through their real widgets inside the application.
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "app/UserChoices.h"
#include "casedata/SelectPatientDialog.h"
#include "controls/PictureButton.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/UndeleteDialog.h"

#include "SymptomsFixture.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <iterator>

using namespace quillon;
using namespace quillon::fixtures;

namespace {

testing::TempFolder* g_folder = nullptr;
RecordingMessageSink* g_sink = nullptr;

// Answers the save dialog with a prepared path (or cancels), and counts the questions.
class ScriptedChoices final : public IUserChoices
{
public:
    std::optional<QString> ChooseSaveFile(QWidget*, const QString&, const QString&, const QString& filter) override
    {
        ++m_nAsked;
        m_lastFilter = filter;
        return m_answer;
    }
    bool ChoosePrinter(QWidget*, QPrinter&) override { return false; }

    std::optional<QString> m_answer;
    int m_nAsked = 0;
    QString m_lastFilter;
};

ScriptedChoices* g_choices = nullptr;

void WritePractice(const testing::TempFolder& folder)
{
    folder.Write("PatDet.txt",
        EncodePatientIndex("Dr. Meera Iyer", {{"201", "Asha Rao", "34", "05/11/2002"}, {"202", "Ben Cole", "7", "x"}}));
    folder.Write("201.rsy", EncodeRsy(testing::TwoVisits()));
    folder.Write("202.rsy", EncodeRsy({testing::TwoVisits()[1]}));
    testing::WriteNumberedCatalogue(folder, 239);
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `body` once a modal dialog of type T is in front (polling, as dialogs open one after another),
// and closes it afterwards if the body left it open.
template <typename T> void PollForModal(const std::function<void(T*)>& body, bool* ran, int attempt)
{
    QTimer::singleShot(attempt == 0 ? 0 : 10, [body, ran, attempt] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attempt + 1 < 200)
                PollForModal<T>(body, ran, attempt + 1);
            return;
        }
        *ran = true;
        body(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

template <typename T> void WhenModal(const std::function<void(T*)>& body, bool* ran)
{
    PollForModal<T>(body, ran, 0);
}

QStringList Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void ClickLine(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, rect.center().y()));
}

// Loads the first visit of patient 201, as the chart has it when its Symptom List command runs.
void LoadFirstVisit()
{
    auto* app = CQuillonApp::Instance();
    app->m_strPatientFile = "201";
    app->m_strPatientName = "Asha Rao";
    app->m_strPhysicianName = "Dr. Meera Iyer";
    QVERIFY(app->LoadVisitIndex());
    QVERIFY(app->LoadVisitSymptoms(0));
    app->m_szVisitDate = "05/11/2002";
}

} // namespace

class TestRecordedSymptomsDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        g_sink->Clear();
        g_choices->m_answer.reset();
        g_choices->m_nAsked = 0;
        auto* app = CQuillonApp::Instance();
        app->CloseAllViews();
        app->MainFrame()->MdiArea()->closeAllSubWindows();
        app->ClearCaseStore();
        app->m_strPatientFile.clear();
        app->m_arrVisitDates.clear();
        app->m_arrVisitOffsets.clear();
        app->MainFrame()->UpdateCommandUI();
    }

    void multiVisitPatientOpensTheDialogFromSelectPatient()
    {
        auto* app = CQuillonApp::Instance();
        bool picked = false, shown = false;
        WhenModal<CSelectPatientDialog>(
            [&](CSelectPatientDialog* dialog) {
                const QRect rect = dialog->List()->visualRect(dialog->List()->model()->index(0, 1));
                QTest::mouseClick(dialog->List()->viewport(), Qt::LeftButton, {}, rect.center());
                QTest::keyClick(dialog->List(), Qt::Key_Return);
                // The Recorded Symptoms dialog follows once this one has closed.
                WhenModal<CRecordedSymptomsDialog>(
                    [&](CRecordedSymptomsDialog* symptoms) {
                        QCOMPARE(symptoms->windowTitle(), QStringLiteral("Recorded Symptoms"));
                        QCOMPARE(symptoms->VisitList()->count(), 2);
                        QCOMPARE(symptoms->VisitList()->currentText(), QStringLiteral("05/11/2002"));
                        QCOMPARE(Lines(symptoms->SymptomList()),
                            (QStringList{QStringLiteral("MIND - FEAR"), QStringLiteral("HEAD - PAIN"),
                                QStringLiteral("COLD AGG")}));
                        QCOMPARE(symptoms->SymptomList()->currentRow(), 0);
                        QCOMPARE(Lines(symptoms->DrugList()),
                            (QStringList{QStringLiteral("R238 (2)"), QStringLiteral(" (1)")}));
                        QCOMPARE(symptoms->DrugCaption()->text(), QStringLiteral("Drug List (2)"));
                        QCOMPARE(symptoms->PhysicianEdit()->text(), QStringLiteral("Dr. Meera Iyer"));
                        QCOMPARE(symptoms->PatientEdit()->text(), QStringLiteral("Asha Rao"));
                        QVERIFY(symptoms->DeleteButton()->isHidden());
                        QVERIFY(symptoms->UnDeleteButton()->isHidden());
                        QVERIFY(!symptoms->RepTableButton()->isHidden());
                        QVERIFY(!symptoms->VisitList()->isHidden());
                        QTest::mouseClick(symptoms->OkButton(), Qt::LeftButton);
                        QVERIFY(!symptoms->isVisible());
                    },
                    &shown);
            },
            &picked);
        app->RunStartDialog();
        QVERIFY(picked);
        QVERIFY(shown);
        QCOMPARE(app->m_szVisitDate, std::string("05/11/2002"));
        QVERIFY(app->MainFrame()->MdiArea()->subWindowList().isEmpty());
        QVERIFY(g_sink->Messages().empty());
    }

    void captionsFontsAndTooltips()
    {
        LoadFirstVisit();
        CRecordedSymptomsDialog dialog(*CQuillonApp::Instance(), kModeRecordedSymptoms);
        const QColor red(255, 0, 0);
        QCOMPARE(dialog.VisitLabel()->text(), QStringLiteral("Select Visit Dates"));
        QCOMPARE(dialog.VisitLabel()->palette().color(QPalette::WindowText), red);
        QCOMPARE(dialog.SymptomGroup()->title(), QStringLiteral("Recorded Symptoms"));
        QCOMPARE(dialog.SymptomGroup()->palette().color(QPalette::WindowText), red);
        QCOMPARE(dialog.DrugCaption()->palette().color(QPalette::WindowText), red);
        QVERIFY(dialog.PhysicianEdit()->palette().color(QPalette::WindowText) != red);
        QCOMPARE(dialog.VisitLabel()->font().pixelSize(), 15);
        QCOMPARE(dialog.PatientEdit()->font().family(), QStringLiteral("Arial"));
        QCOMPARE(dialog.PatientEdit()->font().pixelSize(), 16);
        QCOMPARE(dialog.PatientEdit()->font().weight(), QFont::Bold);
        for (QWidget* list : {static_cast<QWidget*>(dialog.SymptomList()), static_cast<QWidget*>(dialog.DrugList()),
                 static_cast<QWidget*>(dialog.VisitList())}) {
            QCOMPARE(list->font().family(), QStringLiteral("Arial"));
            QCOMPARE(list->font().pixelSize(), 16);
            QCOMPARE(list->font().weight(), QFont::Normal);
        }
        QVERIFY(dialog.PhysicianEdit()->isReadOnly());
        QVERIFY(dialog.PatientEdit()->isReadOnly());
        QCOMPARE(dialog.RepTableButton()->toolTip(), QStringLiteral("Open Repertorisation Table"));
        QCOMPARE(dialog.OkButton()->toolTip(), QStringLiteral("Close Window"));
        QCOMPARE(dialog.SaveAsButton()->toolTip(), QStringLiteral("Save the Recorded Symptoms"));
        for (CPictureButton* button : {dialog.DeleteButton(), dialog.UnDeleteButton(), dialog.RepTableButton(),
                 dialog.SaveAsButton(), dialog.OkButton()})
            QCOMPARE(button->CurrentPicture().size(), QSize(16, 16));
        QCOMPARE(dialog.RepTableButton()->text(), QStringLiteral("&Rep_Table"));
        QCOMPARE(dialog.SaveAsButton()->text(), QStringLiteral("Save &As"));
        // Long rubrics scroll sideways over at least 1000 pixels.
        QVERIFY(dialog.SymptomList()->item(0)->sizeHint().width() >= 1000);
    }

    void choosingAVisitDateLoadsIt()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                dialog->VisitList()->setFocus();
                QTest::keyClick(dialog->VisitList(), Qt::Key_Down);
                QCOMPARE(dialog->VisitList()->currentIndex(), 1);
                QCOMPARE(app->m_szVisitDate, std::string("06/12/2003"));
                QCOMPARE(Lines(dialog->SymptomList()), QStringList{QStringLiteral("GENERALITIES - HEAT")});
                QCOMPARE(Lines(dialog->DrugList()), QStringList{QStringLiteral("R007 (1)")});
                QCOMPARE(dialog->DrugCaption()->text(), QStringLiteral("Drug List (1)"));
                QCOMPARE(app->GeneralCount(), 1);
            },
            &ran);
        app->RunRecordedSymptomsDialog(0);
        QVERIFY(ran);
    }

    void selectingASymptomShowsItsRemedies()
    {
        LoadFirstVisit();
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                ClickLine(dialog->SymptomList(), 2);
                QCOMPARE(Lines(dialog->DrugList()),
                    (QStringList{QStringLiteral("R001 (1)"), QStringLiteral("R002 (2)"), QStringLiteral("R004 (4)")}));
                QCOMPARE(dialog->DrugCaption()->text(), QStringLiteral("Drug List (3)"));
            },
            &ran);
        CQuillonApp::Instance()->RunRecordedSymptomsDialog(0);
        QVERIFY(ran);
    }

    void repTableOpensTheChart()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        const auto before = app->MainFrame()->MdiArea()->subWindowList().size();
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                QTest::mouseClick(dialog->RepTableButton(), Qt::LeftButton);
                QVERIFY(!dialog->isVisible());
                QCOMPARE(dialog->result(), int(QDialog::Accepted));
            },
            &ran);
        app->RunRecordedSymptomsDialog(0);
        QVERIFY(ran);
        QVERIFY(app->CurrentTemplate());
        QCOMPARE(app->CurrentTemplate()->number, 2);
        QCOMPARE(app->MainFrame()->MdiArea()->subWindowList().size(), before + 1);
        QVERIFY(app->MainFrame()->Action(ID_REPERTORISATION)->isEnabled());
    }

    void repTableWithoutSymptomsKeepsTheDialog()
    {
        // The only visit of patient 202 is fine; make it fail to load with a zero remedy count.
        auto visits = testing::TwoVisits();
        std::string rsy = EncodeRsy({visits[1]});
        rsy[8 + 10 + 6] = 0;
        rsy[8 + 10 + 7] = 0;
        g_folder->Write("203.rsy", rsy);
        auto* app = CQuillonApp::Instance();
        app->m_strPatientFile = "203";
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                QCOMPARE(dialog->SymptomList()->count(), 0);
                QTest::mouseClick(dialog->RepTableButton(), Qt::LeftButton);
                QVERIFY(dialog->isVisible());
            },
            &ran);
        app->RunRecordedSymptomsDialog(0);
        QVERIFY(ran);
        QCOMPARE(
            g_sink->Texts(), (std::vector<std::string>{"Error in Remedy Count", "No symptoms for Repertorisation"}));
        QVERIFY(app->MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void f6OpensTheDialogForTheCurrentPatient()
    {
        auto* app = CQuillonApp::Instance();
        // A patient made current by a selection alone: the dialog reads that patient's visits.
        LoadFirstVisit();
        app->m_strPatientFile = "202";
        app->MainFrame()->UpdateCommandUI();
        QVERIFY(app->MainFrame()->Action(ID_RECORDED_SYMPTOMS)->isEnabled());
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                QCOMPARE(dialog->VisitList()->count(), 1);
                QCOMPARE(Lines(dialog->SymptomList()), QStringList{QStringLiteral("GENERALITIES - HEAT")});
            },
            &ran);
        app->MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app->MainFrame()));
        QTest::keyClick(app->MainFrame(), Qt::Key_F6);
        QVERIFY(ran);
        QVERIFY(g_sink->Messages().empty());
    }

    void saveAsWritesTheExportThroughTheChooser()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        const auto target = g_folder->Path() / "Export Visit";
        g_choices->m_answer = QString::fromStdString(target.string());
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                QTest::mouseClick(dialog->SaveAsButton(), Qt::LeftButton);
                QVERIFY(dialog->isVisible());
            },
            &ran);
        app->RunRecordedSymptomsDialog(0);
        QVERIFY(ran);
        QCOMPARE(g_choices->m_nAsked, 1);
        QCOMPARE(g_choices->m_lastFilter, QStringLiteral("Text Files (*.txt)"));
        // A name without an extension gets ".txt"; the letters of the path are kept as chosen.
        const std::string written = ReadAll(g_folder->Path() / "Export Visit.txt");
        QCOMPARE(written,
            std::string("       VANTREL CLASSIC 8.0 \r\n       ------------------- \r\n"
                        "Patient Name :Asha Rao  Date: 05/11/2002\r\nPhysician Name: Dr. Meera Iyer\r\n\r\n"
                        "MIND - FEAR\r\nHEAD - PAIN\r\nCOLD AGG\r\n"));
        QVERIFY(g_sink->Messages().empty());
    }

    void saveAsCancelledOrFailingWritesNothing()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        bool ran = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                QTest::mouseClick(dialog->SaveAsButton(), Qt::LeftButton); // cancelled
                QVERIFY(g_sink->Messages().empty());
                g_choices->m_answer = QString::fromStdString((g_folder->Path() / "no-such-folder" / "x.txt").string());
                QTest::mouseClick(dialog->SaveAsButton(), Qt::LeftButton);
                QVERIFY(dialog->isVisible());
            },
            &ran);
        app->RunRecordedSymptomsDialog(0);
        QVERIFY(ran);
        QCOMPARE(g_choices->m_nAsked, 2);
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Error creating file, aborting saving"});
        QVERIFY(!std::filesystem::exists(g_folder->Path() / "no-such-folder"));
    }

    void symptomListModeDeletesAndUndeletes()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        bool ran = false, undeleted = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Symptom List"));
                QVERIFY(dialog->RepTableButton()->isHidden());
                QVERIFY(dialog->VisitList()->isHidden());
                QVERIFY(dialog->VisitLabel()->isHidden());
                QVERIFY(!dialog->DeleteButton()->isHidden());
                QVERIFY(!dialog->UnDeleteButton()->isHidden());

                ClickLine(dialog->SymptomList(), 1);
                QTest::mouseClick(dialog->DeleteButton(), Qt::LeftButton);
                QCOMPARE(Lines(dialog->SymptomList()),
                    (QStringList{QStringLiteral("MIND - FEAR"), QStringLiteral("COLD AGG")}));
                QCOMPARE(dialog->SymptomList()->currentRow(), 0);
                QCOMPARE(dialog->DrugCaption()->text(), QStringLiteral("Drug List (2)"));
                QCOMPARE(app->m_mapDeletedText, std::vector<std::string>{"HEAD - PAIN"});
                QCOMPARE(app->RestCount(), 1); // kind indexes rebuilt: COLD AGG

                QTest::mouseClick(dialog->DeleteButton(), Qt::LeftButton);
                QTest::mouseClick(dialog->DeleteButton(), Qt::LeftButton);
                QCOMPARE(dialog->SymptomList()->count(), 0);
                QVERIFY(!dialog->DeleteButton()->isEnabled());
                QCOMPARE(dialog->DrugCaption()->text(), QStringLiteral("Drug List (0)"));

                WhenModal<CUndeleteDialog>(
                    [&](CUndeleteDialog* undelete) {
                        QCOMPARE(undelete->windowTitle(), QStringLiteral("Undelete Recorded Symptom"));
                        QCOMPARE(undelete->CaptionEdit()->text(), QStringLiteral("Deleted Symptoms (3)"));
                        QCOMPARE(Lines(undelete->List()),
                            (QStringList{QStringLiteral("HEAD - PAIN"), QStringLiteral("MIND - FEAR"),
                                QStringLiteral("COLD AGG")}));
                        ClickLine(undelete->List(), 1);
                        QTest::mouseClick(undelete->UndeleteButton(), Qt::LeftButton);
                        QCOMPARE(undelete->CaptionEdit()->text(), QStringLiteral("Deleted Symptoms (2)"));
                        QCOMPARE(Lines(undelete->List()),
                            (QStringList{QStringLiteral("HEAD - PAIN"), QStringLiteral("COLD AGG")}));
                        QCOMPARE(undelete->List()->currentRow(), 0);
                        QTest::mouseClick(undelete->OkButton(), Qt::LeftButton);
                        QCOMPARE(undelete->result(), int(QDialog::Accepted));
                    },
                    &undeleted);
                QTest::mouseClick(dialog->UnDeleteButton(), Qt::LeftButton);
                QVERIFY(undeleted);
                QCOMPARE(Lines(dialog->SymptomList()), QStringList{QStringLiteral("MIND - FEAR")});
                QVERIFY(dialog->DeleteButton()->isEnabled());
                QCOMPARE(dialog->DrugCaption()->text(), QStringLiteral("Drug List (2)"));
                QCOMPARE(app->MindCount(), 1);
                QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
            },
            &ran);
        app->RunRecordedSymptomsDialog(1);
        QVERIFY(ran);
        QCOMPARE(app->m_mapDeletedText, (std::vector<std::string>{"HEAD - PAIN", "COLD AGG"}));
        QVERIFY(app->MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void undeleteAllRestoresEverythingAndClosesWithOk()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        app->DeleteSymptom(2);
        app->DeleteSymptom(0);
        bool ran = false, undeleted = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                WhenModal<CUndeleteDialog>(
                    [&](CUndeleteDialog* undelete) {
                        QTest::mouseClick(undelete->UndeleteAllButton(), Qt::LeftButton);
                        QVERIFY(!undelete->isVisible());
                        QCOMPARE(undelete->result(), int(QDialog::Accepted));
                    },
                    &undeleted);
                QTest::mouseClick(dialog->UnDeleteButton(), Qt::LeftButton);
                QCOMPARE(Lines(dialog->SymptomList()),
                    (QStringList{
                        QStringLiteral("HEAD - PAIN"), QStringLiteral("COLD AGG"), QStringLiteral("MIND - FEAR")}));
            },
            &ran);
        app->RunRecordedSymptomsDialog(1);
        QVERIFY(ran && undeleted);
        QCOMPARE(app->DeletedCount(), 0);
    }

    void undeleteDisablesItsButtonsWhenNothingIsLeft()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        app->DeleteSymptom(1);
        CUndeleteDialog undelete(*app);
        QVERIFY(undelete.UndeleteButton()->isEnabled());
        QCOMPARE(undelete.UndeleteButton()->CurrentPicture().size(), QSize(16, 16));
        QCOMPARE(undelete.OkButton()->CurrentPicture().size(), QSize(16, 16));
        QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton);
        QVERIFY(!undelete.UndeleteButton()->isEnabled());
        QVERIFY(!undelete.UndeleteAllButton()->isEnabled());
        QCOMPARE(undelete.CaptionEdit()->text(), QStringLiteral("Deleted Symptoms (0)"));
        QCOMPARE(app->LiveCount(), 3);
    }

    void undeleteWithNothingDeletedShowsZero()
    {
        LoadFirstVisit();
        CUndeleteDialog undelete(*CQuillonApp::Instance());
        QCOMPARE(undelete.CaptionEdit()->text(), QStringLiteral("Deleted Symptoms (0)"));
        QCOMPARE(undelete.List()->count(), 0);
        QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton);
        QCOMPARE(CQuillonApp::Instance()->LiveCount(), 3);
    }

    void cancelledUndeleteStillRefreshesTheList()
    {
        LoadFirstVisit();
        auto* app = CQuillonApp::Instance();
        app->DeleteSymptom(0);
        bool ran = false, undeleted = false;
        WhenModal<CRecordedSymptomsDialog>(
            [&](CRecordedSymptomsDialog* dialog) {
                WhenModal<CUndeleteDialog>(
                    [&](CUndeleteDialog* undelete) {
                        QTest::mouseClick(undelete->UndeleteButton(), Qt::LeftButton);
                        QTest::keyClick(undelete, Qt::Key_Escape);
                        QCOMPARE(undelete->result(), int(QDialog::Rejected));
                    },
                    &undeleted);
                QTest::mouseClick(dialog->UnDeleteButton(), Qt::LeftButton);
                // The restored symptom is in the store, so the list and the kind indexes show it.
                QCOMPARE(Lines(dialog->SymptomList()),
                    (QStringList{
                        QStringLiteral("HEAD - PAIN"), QStringLiteral("COLD AGG"), QStringLiteral("MIND - FEAR")}));
                QCOMPARE(app->MindCount(), 1);
            },
            &ran);
        app->RunRecordedSymptomsDialog(1);
        QVERIFY(ran && undeleted);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    ScriptedChoices choices;
    g_folder = &folder;
    g_sink = &sink;
    g_choices = &choices;
    CQuillonApp app(argc, argv, CPracticeFolder(folder.Path()), &sink, &choices);
    app.InitInstance();
    sink.Clear();
    TestRecordedSymptomsDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestRecordedSymptomsDialogs.moc"
