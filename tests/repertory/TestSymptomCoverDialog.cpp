// The Symptom Covered and Not Covered dialog opened from the chart, its printing and PDF, and the File menu's
// export of the whole chart, on a practice of 120 remedies; the window's output against quillon-report's.
#include "ChartFixture.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/PictureButton.h"
#include "fixtures/CaseWriters.h"
#include "repertory/RepEngine.h"
#include "repertory/SymptomCoverDialog.h"
#include "support/AppTest.h"
#include "support/ReportRun.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>

#include <filesystem>
#include <tuple>

using namespace quillon;

namespace {

testing::TempFolder* g_folder = nullptr;
RecordingMessageSink* g_sink = nullptr;

testing::ScriptedChoices* g_choices = nullptr;

void WritePractice(const std::filesystem::path& dir)
{
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (int i = 1000; i < 1125; ++i)
        remedies.push_back({"Rm" + std::to_string(i).substr(1) + ".", "Remedium " + std::to_string(i).substr(1)});
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    for (int s = 0; s < 14; ++s) {
        fixtures::SymptomSpec symptom{
            "[Kent] RUBRIC " + std::to_string(s) + (s == 0 ? std::string(90, 'x') : ""), 'F', 1, 2 + s % 4, {}};
        for (int code = 0; code < 120; ++code)
            if ((code + s) % 3 != 0)
                symptom.remedies.push_back({code, (code + s) % 3 + 1});
        visit.symptoms.push_back(symptom);
    }
    const auto images = fixtures::EncodeCatalogue(remedies);
    for (const auto& [name, bytes] : {std::pair{"drug.dat", images.drugDat}, {"drugl.dat", images.druglDat},
             {"fulldrug.txt", images.fulldrugTxt}, {"2001.rsy", fixtures::EncodeRsy({visit})},
             {"PatDet.txt", fixtures::EncodePatientIndex("Dr Test", {{"2001", "Anna Test", "34", "05/11/2002"}})}})
        fixtures::WriteBytes(dir / name, bytes);
}

std::string RunReport(const std::vector<std::string>& command)
{
    const auto r = testing::RunReport(g_folder->Path(), command);
    return r.status == 0 ? r.out : "status " + std::to_string(r.status) + ": " + r.out + r.err;
}

QString Path(const char* name)
{
    return QString::fromStdString((g_folder->Path() / name).string());
}

// The PDF's text (rotated names kept readable) and its page count (pdftotext ends each page with a form feed).
std::pair<QString, int> ReadPdf(const QString& file)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
    text.waitForFinished();
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    return {all, static_cast<int>(all.count(QLatin1Char('\f')))};
}

QAction* FileCommand(const QString& text)
{
    for (QAction* action : CQuillonApp::Instance()->MainFrame()->FileMenu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class TestSymptomCoverDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportOfThePickedColumnPrintsAndSaves()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", *g_sink);
        QVERIFY(view);
        QTest::mouseClick(view->Button(IDC_SYMPTOM_COVERED), Qt::LeftButton);
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Remedy not selected"});
        g_sink->Clear();

        // A click on the totality cell of the second column, then button 1215.
        const ChartRect cell = view->Geometry().GridCellRect(1);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        QCOMPARE(view->SelRemedy(), 1);
        const QStringList expected
            = QString::fromStdString(RunReport({"covered", "2001", "2"})).split(QLatin1Char('\n'));
        QCOMPARE(RunReport({"covered", "2001", "121"}), "status 1: message\tRemedy not selected\n");
        bool checked = false;
        testing::WhenShown<CSymptomCoverDlg>([&](CSymptomCoverDlg& opened) {
            CSymptomCoverDlg* dialog = &opened;
            const auto close = qScopeGuard([dialog] { QTest::mouseClick(dialog->Control(1611), Qt::LeftButton); });
            QCOMPARE(dialog->RemedyCombo()->currentText(), QString::fromLatin1(view->Engine().RemedyName(1)));
            // The dialog shows quillon-report's remedy, full name and lines for the same row.
            QStringList shown{QStringLiteral("remedy\t") + dialog->RemedyCombo()->currentText(),
                QStringLiteral("fullname\t") + qobject_cast<QLabel*>(dialog->Control(1005))->text()};
            for (const QListWidget* list : {dialog->CoveredList(), dialog->NotCoveredList()})
                for (int i = 0; i < list->count(); ++i)
                    shown << list->item(i)->text();
            QStringList wanted = expected.mid(0, 2);
            for (const QString& line : expected)
                if (line.startsWith(QLatin1String("C\t")) || line.startsWith(QLatin1String("N\t")))
                    wanted << line.section(QLatin1Char('\t'), 2);
            QCOMPARE(shown, wanted);
            QVERIFY(dialog->CoveredList()->item(0)->font().bold() == (dialog->Report().covered[0].level == 2));

            // Cancelled print dialog, then printing to a file and saving as PDF.
            QTest::mouseClick(dialog->Control(1270), Qt::LeftButton);
            QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Error during Printer setup"});
            g_choices->printFile = Path("printed.pdf");
            QTest::mouseClick(dialog->Control(1270), Qt::LeftButton);
            g_choices->printFile.reset();
            g_choices->saveFile = Path("saved");
            QTest::mouseClick(dialog->Control(1271), Qt::LeftButton);
            for (const QString& file : {Path("printed.pdf"), Path("saved.pdf")}) {
                const auto [text, pages] = ReadPdf(file);
                QCOMPARE(pages, 1);
                for (const char* part : {"Patient Name:", "Anna Test", "05/11/2002",
                         "Selected Remedy:", "Reg No:", "2001", "Symptoms Not Covered by Remedy:"})
                    QVERIFY2(text.contains(QLatin1String(part)), part);
                QVERIFY(text.contains(dialog->CoveredList()->item(0)->text().left(70)));
            }

            // Another remedy from the combo by keyboard.
            QTest::keyClick(dialog->RemedyCombo(), Qt::Key_Down);
            QVERIFY(dialog->Report().remedy.code != view->Engine().SortedRemedy(1)->code);
            QCOMPARE(qobject_cast<QLabel*>(dialog->Control(1005))->text(),
                QStringLiteral("Remedium ") + dialog->RemedyCombo()->currentText().mid(2));
            checked = true;
        });
        QTest::mouseClick(view->Button(IDC_SYMPTOM_COVERED), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void chartExportsThroughTheFileMenu()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", *g_sink);
        QVERIFY(view);
        QAction* csv = FileCommand(QStringLiteral("Export Chart as &CSV\u2026"));
        QVERIFY(csv && csv->isEnabled());
        g_choices->saveFile = Path("chart.csv");
        csv->trigger();
        QFile written(*g_choices->saveFile);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().toStdString(), RunReport({"export", "2001", "--csv"}));

        g_choices->saveFile = Path("chart.pdf");
        FileCommand(QStringLiteral("Save Chart as P&DF\u2026"))->trigger();
        g_choices->printFile = Path("chart-printed.pdf");
        FileCommand(QStringLiteral("Pr&int Chart\u2026"))->trigger();
        g_choices->printFile.reset();
        for (const QString& file : {Path("chart.pdf"), Path("chart-printed.pdf")}) {
            const auto [text, count] = ReadPdf(file);
            QCOMPARE(count, 10); // 5 blocks of remedies by 2 of symptoms
            for (const char* part : {"Patient: Anna Test", "Page 1 of 10", "Page 10 of 10", "Remedies 101-120",
                     "Symptoms 12-14", "Rm119", "[KT] RUBRIC 13", "Totality"})
                QVERIFY2(text.contains(QLatin1String(part)), part);
        }
        QVERIFY(g_sink->Texts().empty());

        CQuillonApp::Instance()->CloseAllViews();
        QVERIFY(!csv->isEnabled());
    }

    // A link found at the chosen name is replaced by the saved file; what it leads to is left alone.
    void exportsReplaceALinkFoundAtTheChosenName()
    {
        QVERIFY(testing::OpenChartOf("2001", "Anna Test", *g_sink));
        const testing::TempFolder elsewhere;
        const std::filesystem::path outside = elsewhere.Write("keep.txt", "keep me");
        for (const auto& [command, name, start] : {std::tuple{"Export Chart as &CSV\u2026", "linked.csv", "Symptom,"},
                 {"Save Chart as P&DF\u2026", "linked.pdf", "%PDF"}}) {
            g_choices->saveFile = Path(name);
            const std::filesystem::path chosen = g_choices->saveFile->toStdString();
            std::filesystem::create_symlink(outside, chosen);
            FileCommand(QString::fromUtf8(command))->trigger();
            QVERIFY2(!std::filesystem::is_symlink(chosen), name);
            QVERIFY2(testing::ReadBytes(chosen).starts_with(start), name);
            QCOMPARE(testing::ReadBytes(outside), std::string("keep me"));
        }
        QVERIFY(g_sink->Texts().empty());
        CQuillonApp::Instance()->CloseAllViews();
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder.Path());
    g_folder = &folder;
    RecordingMessageSink sink;
    g_sink = &sink;
    testing::ScriptedChoices choices;
    g_choices = &choices;
    return testing::RunInApp<TestSymptomCoverDialog>(argc, argv, folder.Path(), sink, &choices);
}

#include "TestSymptomCoverDialog.moc"
