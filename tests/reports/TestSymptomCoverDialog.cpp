// The Symptom Covered and Not Covered dialog opened from the chart, its printing and PDF, and the File menu's
// export of the whole chart, on a practice of 120 remedies; the window's output against quillon-report's, and the
// printed pages read back from the PDF files.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "chart/ChartFixture.h"
#include "chart/ChartPagePainter.h"
#include "controls/PictureButton.h"
#include "controls/UserChoices.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "fixtures/CaseWriters.h"
#include "followup/FollowUpDialogs.h"
#include "reports/SymptomCoverDialog.h"
#include "support/AppTest.h"
#include "support/Contrast.h"
#include "support/PdfText.h"
#include "support/ReportRun.h"
#include "support/WidgetTest.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTableWidget>

#include <algorithm>
#include <filesystem>

using namespace quillon;
using testing::App;
using testing::Run;

namespace {

void WritePractice(const testing::TempFolder& folder)
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
    folder.WriteCatalogue(remedies);
    folder.Write("2001.rsy", fixtures::EncodeRsy({visit}));
    folder.Write("PatDet.txt", fixtures::EncodePatientIndex("Dr Test", {{"2001", "Anna Test", "34", "05/11/2002"}}));
}

// quillon-report run as the program it is.
std::pair<int, QString> RunReportProgram(const QStringList& arguments)
{
    QProcess run;
    run.start(QStringLiteral(QUILLON_REPORT_PROGRAM),
        QStringList{QStringLiteral("--dir"), QString::fromStdString(Run().folder.Path().string())} + arguments);
    run.waitForFinished(60000);
    return {run.exitCode(), QString::fromUtf8(run.readAllStandardError())};
}

// The header the chart's pages carry.
ChartPagesHeader HeaderOf(const CRepView& view)
{
    return RecordedChartHeader(CQuillonApp::Instance()->State().Patient(), view.Methods());
}

QAction* FileCommand(const char* name)
{
    return CQuillonApp::Instance()->MainFrame()->Action(name);
}

} // namespace

class TestSymptomCoverDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(testing::HasProgram("pdftotext"), testing::MissingProgram("pdftotext", "poppler-utils").constData());
    }

    void reportOfThePickedColumnPrintsAndSaves()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", Run().sink);
        QVERIFY(view);
        QTest::mouseClick(view->Button(FormPart::SymptomCovered), Qt::LeftButton);
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"Remedy not selected"});
        Run().sink.Clear();

        // A click on the totality cell of the second column, then button 1215.
        QTest::mouseClick(view, Qt::LeftButton, {}, testing::CellRect(view, 0, 1).center());
        QCOMPARE(view->SelRemedy(), 1);
        const auto refused = testing::RunReport(Run().folder.Path(), {"covered", "2001", "121"});
        QCOMPARE(refused.status, 1);
        QCOMPARE(refused.err, std::string("message\tRemedy not selected\n"));
        bool checked = false;
        testing::WhenShown<CSymptomCoverDlg>([&](CSymptomCoverDlg& opened) {
            CSymptomCoverDlg* dialog = &opened;
            const auto close = qScopeGuard([dialog] { QTest::mouseClick(dialog->CloseButton(), Qt::LeftButton); });
            QCOMPARE(dialog->RemedyCombo()->currentText(), QString::fromLatin1(view->Engine().RemedyName(1)));
            // The lists show the picked remedy's report (its lines are pinned by the core tests).
            QCOMPARE(dialog->NotCoveredList()->count(), static_cast<int>(dialog->Report().notCovered.size()));
            QCOMPARE(dialog->CoveredList()->item(0)->text(), QString::fromStdString(dialog->Report().covered[0].text));
            QVERIFY(dialog->CoveredList()->item(0)->font().bold() == (dialog->Report().covered[0].level == 2));
            // The remedy's full name in red on the dialog's own background.
            const QWidget* fullName = dialog->FullName();
            QVERIFY(testing::ContrastRatio(
                        fullName->palette().color(QPalette::WindowText), dialog->palette().color(QPalette::Window))
                >= testing::kMinimumTextContrast);

            // Cancelled print dialog, then saving as PDF (printing to a file runs OutputPages' printer branch, which
            // the chart's Print command checks, over the same painter).
            QTest::mouseClick(dialog->PrintButton(), Qt::LeftButton);
            QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"Error during Printer setup"});
            Run().choices.saveFile = Run().File("saved");
            QTest::mouseClick(dialog->SavePdfButton(), Qt::LeftButton);
            QCOMPARE(Run().choices.suggested,
                QStringLiteral("2001 Anna Test 05-11-2002 Covered %1.pdf").arg(dialog->RemedyCombo()->currentText()));
            const QStringList pages = testing::PdfPages(Run().File("saved.pdf"));
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages[0].contains(QLatin1String("Patient Name: Anna Test")));
            // Each row of the first line as the layout breaks it stands whole on a printed line.
            const QStringList printed = pages[0].split(QLatin1Char('\n'));
            for (const std::string_view row : PrintRowPieces(dialog->Report().covered[0].text))
                QVERIFY2(std::any_of(printed.begin(), printed.end(),
                             [&](const QString& line) { return line.endsWith(QString::fromLatin1(row)); }),
                    std::string(row).c_str());

            // Another remedy from the combo by keyboard.
            QTest::keyClick(dialog->RemedyCombo(), Qt::Key_Down);
            QVERIFY(dialog->Report().remedy.code != view->Engine().SortedRemedy(1)->code);
            QCOMPARE(
                dialog->FullName()->text(), QStringLiteral("Remedium ") + dialog->RemedyCombo()->currentText().mid(2));
            checked = true;
        });
        QTest::mouseClick(view->Button(FormPart::SymptomCovered), Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Every level's colour against the list's background, levels 0 to 9 (9 lies past the last coloured one).
    void everyLevelReadsOnTheList()
    {
        const QListWidget list;
        for (int level = 0; level <= 9; ++level)
            QVERIFY2(testing::ContrastRatio(CoverLineColour(level), list.palette().color(QPalette::Base))
                    >= testing::kMinimumTextContrast,
                qPrintable(CoverLineColour(level).name()));
    }
    // Once the cursor has moved, the commands of the chosen remedy and of the chosen symptom act on its cell: a
    // click picks the second column (or the first symptom), the arrows move on to the fifth (or the third), and
    // neither the clicked nor the column between is what the command opens.
    void commandsActOnTheCursorCellOnceItMoved()
    {
        CRepView* view = nullptr;
        const auto remedyName = [&view](int row) { return QString::fromLatin1(view->Engine().RemedyName(row)); };
        const auto fromPopup = [&view](const char* item) {
            testing::WhenShown<QMenu>(testing::ChooseItem(item));
            QTest::keyClick(view, Qt::Key_Menu);
        };
        std::vector<ChosenRemedy> converting; // the conversion's remedies while its dialog is open
        const struct
        {
            const char* name;
            bool onSymptom; // clicked on the first symptom's line, then two rows down; else a totality cell
            std::function<void()> run;
        } cases[] = {
            {"Symptom Covered button", false,
                [&] { QTest::mouseClick(view->Button(FormPart::SymptomCovered), Qt::LeftButton); }},
            {"View, Stability", false, [] { App().MainFrame()->Action("stability")->trigger(); }},
            {"Conv. Rep To MM", false, [&] { fromPopup("&Conv. Rep To MM"); }},
            {"Full Symptom", true, [&] { fromPopup("&Full Symptom"); }},
        };
        for (const auto& c : cases) {
            view = testing::OpenChartOf("2001", "Anna Test", Run().sink);
            QVERIFY(view);
            App().State().ConversionRemedies().clear();
            converting.clear();
            if (c.onSymptom) {
                QTest::mouseClick(view, Qt::LeftButton, {}, testing::LineRect(view, 2).center());
                QCOMPARE(view->Methods().PickedSymptom(), 0);
                QTest::keyClick(view, Qt::Key_Down);
                QTest::keyClick(view, Qt::Key_Down);
            } else {
                QTest::mouseClick(view, Qt::LeftButton, {}, testing::CellRect(view, 0, 1).center());
                QCOMPARE(view->SelRemedy(), 1);
                for (int k = 0; k < 3; ++k)
                    QTest::keyClick(view, Qt::Key_Right);
            }
            QString shown;
            const auto seen = testing::WhenShown<QDialog>([&](QDialog& dialog) {
                converting = App().State().ConversionRemedies();
                if (auto* report = qobject_cast<CSymptomCoverDlg*>(&dialog))
                    shown = report->RemedyCombo()->currentText();
                else if (auto* stability = qobject_cast<CStabilityDialog*>(&dialog))
                    for (const QTableWidgetItem* item : stability->Table()->selectedItems())
                        if (item->column() == 1)
                            shown = item->text();
                if (auto* symptom = dialog.findChild<QPlainTextEdit*>())
                    shown = symptom->toPlainText();
            });
            c.run();
            QVERIFY2(*seen, c.name);
            if (c.onSymptom)
                QVERIFY2(shown.contains(QLatin1String("RUBRIC 2")) && !shown.contains(QLatin1String("RUBRIC 0")),
                    qPrintable(shown));
            else if (converting.empty())
                QCOMPARE(shown, remedyName(4));
            else
                QVERIFY2(converting.size() == 1 && converting[0].code == view->Engine().SortedRemedy(4)->code, c.name);
            QVERIFY(!QApplication::activeModalWidget());
        }
        App().State().ConversionRemedies().clear();
    }

    void chartExportsThroughTheFileMenu()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", Run().sink);
        QVERIFY(view);
        QAction* csv = FileCommand("exportChartCsv");
        QVERIFY(csv && csv->isEnabled());
        Run().choices.saveFile = Run().File("chart.csv");
        csv->trigger();
        QCOMPARE(Run().choices.suggested, QStringLiteral("2001 Anna Test 05-11-2002 Chart.csv"));
        QFile written(*Run().choices.saveFile);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(
            written.readAll().toStdString(), testing::RunReport(Run().folder.Path(), {"export", "2001", "--csv"}).out);

        // The menu's PDF, quillon-report's and the printed pages (the print preview's printer prints to a file).
        Run().choices.saveFile = Run().File("chart.pdf");
        FileCommand("saveChartPdf")->trigger();
        QCOMPARE(RunReportProgram({QStringLiteral("export"), QStringLiteral("2001"), QStringLiteral("--pdf"),
                     Run().File("report.pdf")}),
            std::make_pair(0, QString()));
        Run().choices.printFile = Run().File("chart-printed.pdf");
        FileCommand("printChart")->trigger();
        Run().choices.printFile.reset();
        QVERIFY(Run().sink.Texts().empty());

        const QStringList pages = testing::PdfPages(Run().File("chart.pdf"));
        QVERIFY(pages.size() > 2);
        QCOMPARE(testing::PdfPages(Run().File("report.pdf")), pages);
        // Saved or printed, every page carries its header as text, no picture (the layout tests pin the texts).
        for (const QString& file : {Run().File("chart.pdf"), Run().File("chart-printed.pdf")}) {
            const QStringList printed = testing::PdfPages(file);
            QVERIFY(!printed.isEmpty());
            for (int n = 0; n < printed.size(); ++n)
                QVERIFY(printed[n].contains(QStringLiteral("Page %1 of %2").arg(n + 1).arg(printed.size())));
            QCOMPARE(testing::PdfImageCount(file), 0);
        }

        CQuillonApp::Instance()->CloseAllViews();
        QVERIFY(!csv->isEnabled());
    }

    // The painter draws every cell of the layout where the layout puts it, and every rubric whole.
    void chartPdfShowsEveryCellInItsBox()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", Run().sink);
        QVERIFY(view);
        QVERIFY(!WriteChartPdf(Run().File("cells.pdf"), view->Engine(), HeaderOf(*view)));
        const QPageLayout paper = PdfPageLayout(QPageLayout::Landscape);
        const CPageFonts fonts;
        const ChartPageLayout layout = LayOutChartFor(paper, view->Engine(), HeaderOf(*view), fonts);
        const auto words = testing::PdfWords(Run().File("cells.pdf"));
        QCOMPARE(words.size(), layout.pages.size());
        const QPointF margin = paper.paintRect(QPageLayout::Point).topLeft();
        int grades = 0;
        for (std::size_t p = 0; p < words.size(); ++p) {
            for (const PageCell& cell : layout.pages[p].cells) {
                if (cell.text.empty())
                    continue;
                const QRectF box
                    = QRectF(cell.box.left, cell.box.top, cell.box.width, cell.box.height).translated(margin);
                const bool drawn = std::any_of(words[p].begin(), words[p].end(), [&](const testing::PdfWord& w) {
                    return w.text == QString::fromStdString(cell.text) && box.contains(w.box.center());
                });
                QVERIFY2(
                    drawn, qPrintable(QStringLiteral("page %1 %2/%3").arg(p + 1).arg(cell.remedy).arg(cell.symptom)));
                grades += cell.symptom >= 0 ? 1 : 0;
            }
        }
        // Two remedies in three of each symptom's 120.
        QCOMPARE(grades, 14 * 80);
        // The first rubric's 90 letters run over lines of their own; read together they are whole.
        const QString all = testing::PdfPages(Run().File("cells.pdf"))
                                .join(QString())
                                .remove(QRegularExpression(QStringLiteral("\\s")));
        QVERIFY(all.contains(QStringLiteral("[KT]RUBRIC0") + QString(90, QLatin1Char('x'))));
    }

    // A file that cannot be written (a folder in its place): the window's message, quillon-report's status, and
    // nothing left behind. Other failures of the same writer are FolderFiles' rows.
    void chartPdfThatCannotBeWrittenLeavesNothing()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", Run().sink);
        QVERIFY(view);
        const QString target = Run().File("taken.pdf");
        QDir().mkpath(target);
        const QStringList before
            = QDir(Run().File("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        Run().choices.saveFile = target;
        FileCommand("saveChartPdf")->trigger();
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"Error creating file, aborting saving"});
        Run().sink.Clear();
        const auto [status, err]
            = RunReportProgram({QStringLiteral("export"), QStringLiteral("2001"), QStringLiteral("--pdf"), target});
        QCOMPARE(status, 1);
        QVERIFY2(err.startsWith(QStringLiteral("message\tError creating file, aborting saving\nquillon-report: ")
                     + target + QStringLiteral(": ")),
            qPrintable(err));
        QCOMPARE(QDir(Run().File("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QDir(target).isEmpty());
    }

    // Print Chart shows the pages in the print preview, where the printer is chosen.
    void printChartOpensThePreview()
    {
        CRepView* view = testing::OpenChartOf("2001", "Anna Test", Run().sink);
        QVERIFY(view);
        CDialogUserChoices dialogs;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        int painted = 0;
        int shown = -1;
        testing::WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
            auto* pages = preview.findChild<QPrintPreviewWidget*>();
            QVERIFY(pages);
            shown = pages->pageCount();
        });
        const bool printed = dialogs.PreviewPrint(view, printer, [&](QPrinter& device) {
            ++painted;
            QPainter painter(&device);
            ChartPagesPainter(view->Engine(), HeaderOf(*view))(painter, device);
        });
        QVERIFY(!printed);
        QVERIFY(painted > 0);
        const CPageFonts fonts;
        QCOMPARE(shown,
            static_cast<int>(
                LayOutChartFor(printer.pageLayout(), view->Engine(), HeaderOf(*view), fonts).pages.size()));
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestSymptomCoverDialog>(argc, argv, WritePractice);
}

#include "TestSymptomCoverDialog.moc"
