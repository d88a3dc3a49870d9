// The Recorded Symptoms and Undelete dialogs, driven through their real widgets inside the application.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/PictureButton.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/UndeleteDialog.h"

#include "SymptomsFixture.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QTableWidget>
#include <QTest>

using namespace quillon;
using namespace Qt::StringLiterals;
using namespace quillon::fixtures;
using testing::App;
using testing::Run;
using testing::WhenShown;

namespace {

QString Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines.join(QLatin1Char('|'));
}

void ClickLine(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, rect.center().y()));
}

// Loads the first visit of patient 201, as the chart has it when its Symptom List command runs (each test starts
// there).
void LoadFirstVisit()
{
    App().State().m_strPatientFile = "201";
    App().State().m_strPatientName = "Asha Rao";
    App().State().m_strPhysicianName = "Dr. Meera Iyer";
    QVERIFY(App().State().LoadVisitIndex());
    QVERIFY(App().State().LoadVisitSymptoms(0));
    App().State().m_szVisitDate = "05/11/2002";
}

// Runs the dialog in mode 0 (Recorded Symptoms) or 1 (Symptom List) with `body` acting on it.
void RunDialog(int mode, std::function<void(CRecordedSymptomsDialog&)> body)
{
    testing::WithShown<CRecordedSymptomsDialog>([&] { App().RunRecordedSymptomsDialog(mode); }, std::move(body));
}

} // namespace

class TestRecordedSymptomsDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Run().sink.Clear();
        Run().choices = {};
        testing::ResetToNoPatient();
        LoadFirstVisit();
    }

    void choosingAVisitOrASymptomShowsItsRemedies()
    {
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.SymptomList()->currentRow(), 0);
            QCOMPARE(Lines(dialog.DrugList()), QStringLiteral("R238 (2)| (1)"));
            QVERIFY(dialog.DeleteButton()->isHidden());
            // Long rubrics scroll sideways.
            QVERIFY(dialog.SymptomList()->item(0)->sizeHint().width() >= 1000);
            ClickLine(dialog.SymptomList(), 2);
            QCOMPARE(Lines(dialog.DrugList()), QStringLiteral("R001 (1)|R002 (2)|R004 (4)"));
            QCOMPARE(dialog.DrugCaption()->text(), QStringLiteral("Drug List (3)"));
            dialog.VisitList()->setFocus();
            QTest::keyClick(dialog.VisitList(), Qt::Key_Down);
            QCOMPARE(App().State().m_szVisitDate, std::string("06/12/2003"));
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("GENERALITIES - HEAT"));
            QCOMPARE(Lines(dialog.DrugList()), QStringLiteral("R007 (1)"));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        // OK leaves the chart to the Rep Table button.
        QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void aLongNameShowsItsStartCutAtTheEnd()
    {
        static constexpr char kName[] = "Friederike Amalie Wilhelmine von Hohenzollern-Sigmaringen zu Braunschweig";
        App().State().m_strPatientName = kName;
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            const QLineEdit* patient = dialog.PatientEdit();
            const QString shown = patient->text();
            QVERIFY2(shown.startsWith(u"Friederike"_s) && shown.endsWith(QChar(0x2026))
                    && !shown.contains(u"Braunschweig"_s),
                qPrintable(shown));
            // What is shown fits the field, so nothing of its start scrolls away.
            QVERIFY(patient->fontMetrics().horizontalAdvance(shown) < patient->width());
            QCOMPARE(patient->toolTip(), QString::fromLatin1(kName));
            // The physician's short name beside it is shown whole.
            QCOMPARE(dialog.PhysicianEdit()->text(), QStringLiteral("Dr. Meera Iyer"));
        });
    }

    void repTableOpensTheChart()
    {
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QTest::mouseClick(dialog.RepTableButton(), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        });
        QCOMPARE(App().CurrentTemplate()->number, 2);
        QCOMPARE(App().MainFrame()->MdiArea()->subWindowList().size(), 1);
        QVERIFY(App().MainFrame()->Action("repertorisation")->isEnabled());
    }

    void repTableWithoutSymptomsKeepsTheDialog()
    {
        // The only visit fails to load with a remedy count of 0; no visit was loaded before.
        testing::ResetToNoPatient();
        std::string rsy = EncodeRsy({testing::TwoVisits()[1]});
        rsy[8 + 10 + 6] = rsy[8 + 10 + 7] = 0;
        Run().folder.Write("203.rsy", rsy);
        App().State().m_strPatientFile = "203";
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.SymptomList()->count(), 0);
            QTest::mouseClick(dialog.RepTableButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
        });
        QCOMPARE(
            Run().sink.Texts(), (std::vector<std::string>{"Error in Remedy Count", "No symptoms for Repertorisation"}));
        QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void f6OpensTheDialogForTheCurrentPatient()
    {
        // A patient made current by a selection alone: the dialog reads that patient's visits.
        App().State().m_strPatientFile = "202";
        App().MainFrame()->UpdateCommandUI();
        auto ran = WhenShown<CRecordedSymptomsDialog>([](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.VisitList()->count(), 1);
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("GENERALITIES - HEAT"));
        });
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F6);
        QVERIFY(*ran);
    }

    void saveAsWritesThroughTheChooser()
    {
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QTest::mouseClick(dialog.SaveAsButton(), Qt::LeftButton); // cancelled
            Run().choices.saveFile
                = QString::fromStdString((Run().folder.Path() / "no-such-folder" / "x.txt").string());
            QTest::mouseClick(dialog.SaveAsButton(), Qt::LeftButton); // cannot be created
            Run().choices.saveFile = QString::fromStdString((Run().folder.Path() / "Export Visit").string());
            QTest::mouseClick(dialog.SaveAsButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
        });
        QCOMPARE(Run().choices.asked, 3);
        QCOMPARE(Run().choices.suggested, QStringLiteral("201 Asha Rao 05-11-2002 Symptoms.txt"));
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"Error creating file, aborting saving"});
        QVERIFY(!std::filesystem::exists(Run().folder.Path() / "no-such-folder"));
        // A name without an extension gets ".txt"; the letters of the path are kept as chosen.
        QVERIFY(testing::ReadBytes(Run().folder.Path() / "Export Visit.txt").ends_with("COLD AGG\r\n"));
    }

    void symptomListDeletesAndUndeletes()
    {
        RunDialog(1, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Symptom List"));
            QVERIFY(dialog.RepTableButton()->isHidden());
            QVERIFY(dialog.VisitList()->isHidden());
            ClickLine(dialog.SymptomList(), 1);
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("MIND - FEAR|COLD AGG"));
            QCOMPARE(dialog.SymptomList()->currentRow(), 0);
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QVERIFY(!dialog.DeleteButton()->isEnabled());
            QCOMPARE(dialog.DrugCaption()->text(), QStringLiteral("Drug List (0)"));

            testing::WithShown<CUndeleteDialog>([&] { QTest::mouseClick(dialog.UnDeleteButton(), Qt::LeftButton); },
                [](CUndeleteDialog& undelete) {
                    ClickLine(undelete.List(), 1); // MIND - FEAR
                    QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton);
                    QCOMPARE(Lines(undelete.List()), QStringLiteral("HEAD - PAIN|COLD AGG"));
                    QTest::mouseClick(undelete.OkButton(), Qt::LeftButton);
                });
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("MIND - FEAR"));
            QVERIFY(dialog.DeleteButton()->isEnabled());
            QCOMPARE(App().State().MindCount(), 1); // the kind indexes are rebuilt
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
    }

    void undeleteAllOrCancelledUndeleteRefreshTheList_data()
    {
        QTest::addColumn<bool>("all");
        QTest::newRow("undelete all") << true;
        QTest::newRow("undelete one, then Escape") << false;
    }

    void undeleteAllOrCancelledUndeleteRefreshTheList()
    {
        QFETCH(bool, all);
        App().State().DeleteSymptom(2);
        App().State().DeleteSymptom(0);
        RunDialog(1, [all](CRecordedSymptomsDialog& dialog) {
            testing::WithShown<CUndeleteDialog>([&] { QTest::mouseClick(dialog.UnDeleteButton(), Qt::LeftButton); },
                [all](CUndeleteDialog& undelete) {
                    if (all) {
                        QTest::mouseClick(undelete.UndeleteAllButton(), Qt::LeftButton);
                        QCOMPARE(undelete.result(), int(QDialog::Accepted));
                    } else {
                        QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton);
                        QTest::keyClick(&undelete, Qt::Key_Escape);
                    }
                });
            // The restored symptoms are in the store, so the list and the kind indexes show them.
            QCOMPARE(Lines(dialog.SymptomList()),
                all ? QStringLiteral("HEAD - PAIN|COLD AGG|MIND - FEAR") : QStringLiteral("HEAD - PAIN|COLD AGG"));
            QCOMPARE(App().State().RestCount(), 2);
        });
        QCOMPARE(App().State().DeletedCount(), all ? 0 : 1);
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestRecordedSymptomsDialogs>(argc, argv, [](const testing::TempFolder& folder) {
        folder.Write("PatDet.txt",
            EncodePatientIndex(
                "Dr. Meera Iyer", {{"201", "Asha Rao", "34", "05/11/2002"}, {"202", "Ben Cole", "7", "x"}}));
        folder.Write("201.rsy", EncodeRsy(testing::TwoVisits()));
        folder.Write("202.rsy", EncodeRsy({testing::TwoVisits()[1]}));
        testing::WriteNumberedCatalogue(folder, 239);
    });
}

#include "TestRecordedSymptomsDialogs.moc"
