// The window driven by real presses, moves, releases and dialog answers keeps a log of its operations; replayed
// through quillon-report's entry point, the log ends with the same chart and the same messages.
#include "app/CaseBookCommands.h"
#include "app/QuillonApp.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookDialogs.h"
#include "casedata/TextCodec.h"
#include "chart/ChartPages.h"
#include "chart/RepView.h"
#include "chart/WeightageDialog.h"
#include "controls/PictureButton.h"
#include "filters/ClassFilterDialog.h"
#include "filters/DrugFilterDialog.h"
#include "filters/MineralFilterDialog.h"
#include "report/Report.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/UndeleteDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <cstdlib>

#include <sstream>

using namespace quillon;
using testing::WhenShown;

namespace {

testing::TempFolder* g_folder = nullptr;
RecordingMessageSink* g_sink = nullptr; // what the window showed: the sink behind its translation
using Steps = std::function<void(CRepView*)>;

// Keeps the header the tool's PDF export would print instead of writing the file.
class HeaderRecorder final : public report::IChartPdfWriter
{
public:
    std::optional<std::string> Write(const CRepEngine&, const ChartPagesHeader& written, const std::string&) override
    {
        header = written;
        return std::nullopt;
    }
    ChartPagesHeader header;
};

void Press(CRepView* view, FormPart button)
{
    QTest::mouseClick(view->Button(button), Qt::LeftButton);
}

QPoint Centre(const ChartRect& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A drag of active symptom s (on a visible line, the bar at the top) onto clipboard c: its sheet, 4 units right of
// and below the pointer, released over the clipboard's button.
void Drag(CRepView* view, int s, int c)
{
    const ChartGeometry& g = view->Geometry();
    const auto zone = static_cast<DropZone>(static_cast<int>(DropZone::Clipboard1) + c - 1);
    testing::Drag(view, Centre(g.SymptomLineRect(kFirstSymptomLine + s)),
        Centre(g.DropZoneRect(zone)) - QPoint(g.Sx(4), g.Sy(4)));
}

void ClickItem(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A button whose dialog `answer` answers.
template <typename D> void Answer(CRepView* view, FormPart button, std::function<void(D&)> answer)
{
    const auto ran = WhenShown<D>(std::move(answer));
    Press(view, button);
    QVERIFY(*ran);
}

// The Drug Filter dialog (it opens with the boxes of its last OK): only `property` checked, then OK.
void DrugFilter(CRepView* view, int property)
{
    Answer<CDrugFilterDlg>(view, FormPart::DrugFilter, [property](CDrugFilterDlg& dialog) {
        for (int box = 1; box <= kDrugPropertyCount; ++box)
            if (dialog.PropertyBox(box)->isChecked() != (box == property))
                QTest::mouseClick(dialog.PropertyBox(box), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
}

// A plant or animal dialog: class line `line` (0: none) clicked, then OK.
void ClassFilter(CRepView* view, FormPart button, int line)
{
    Answer<CClassFilterDialog>(view, button, [line](CClassFilterDialog& dialog) {
        if (line > 0)
            ClickItem(dialog.ClassList(), line - 1);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
}

// The mineral dialog: clicks at the centres of cells (negative: a right click), then OK.
void Mineral(CRepView* view, std::vector<int> cells)
{
    Answer<CMineralFilterDlg>(view, FormPart::MineralFilter, [cells](CMineralFilterDlg& dialog) {
        for (int cell : cells) {
            const CellRect square = CellRectOf(std::abs(cell));
            QTest::mouseClick(&dialog, cell < 0 ? Qt::RightButton : Qt::LeftButton, {},
                QPoint((square.left + square.right) / 2, (square.top + square.bottom) / 2));
        }
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
}

template <typename D> void Cancel(CRepView* view, FormPart button)
{
    Answer<D>(view, button, [](D& dialog) { QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton); });
}

} // namespace

class TestReportParity final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowLogReplaysAlike_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("log"); // the operations as the tool's actions, separated by blanks
        QTest::newRow("the chart as it opens") << Steps([](CRepView*) {}) << QString();
        QTest::newRow("general, rest, mind, drug filter, sorted, normal, plant OK") << Steps([](CRepView* v) {
            Press(v, FormPart::General);
            Press(v, FormPart::Rest);
            Press(v, FormPart::Mind);
            DrugFilter(v, 1);
            Press(v, FormPart::Sorted);
            Press(v, FormPart::Normal);
            ClassFilter(v, FormPart::PlantFilter, 0);
        }) << QStringLiteral("general rest mind drug-filter:1 sorted normal plant:0:none");
        QTest::newRow("drags: the first resets the flags; a repeated drop is refused") << Steps([](CRepView* v) {
            Press(v, FormPart::Mind);
            Drag(v, 0, 1);
            Drag(v, 2, 3);
            Drag(v, 2, 3);
            Press(v, FormPart::Mind);
            Drag(v, 0, 3);
        }) << QStringLiteral("mind drop:0:1 drop:2:3 drop:2:3 mind drop:0:3");
        QTest::newRow("popup clipboard, its button, reset, a click on empty space") << Steps([](CRepView* v) {
            const auto ran = WhenShown<QMenu>([](QMenu& menu) { menu.actions().at(3)->trigger(); });
            QTest::mouseClick(v, Qt::RightButton, {}, Centre(v->Geometry().SymptomLineRect(kFirstSymptomLine + 1)));
            QVERIFY(*ran);
            Press(v, FormPart::Clipboard2);
            Press(v, FormPart::Sorted);
            QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(2, 2));
            Press(v, FormPart::Clipboard2);
            Press(v, FormPart::ResetClipboard);
            Press(v, FormPart::ResetClipboard); // nothing selected: its message
        }) << QStringLiteral("clip:1:2 clipboard:2 sorted click clipboard:2 reset-clipboard reset-clipboard");
        QTest::newRow("popup elimination, checked while in force") << Steps([](CRepView* v) {
            for (const auto& [line, checked] : {std::pair{1, false}, {3, false}, {1, true}}) {
                const auto ran = WhenShown<QMenu>([checked = checked](QMenu& menu) {
                    QAction* item = menu.actions().last();
                    QCOMPARE(item->text(), QStringLiteral("&Eliminate by this Symptom"));
                    QCOMPARE(item->isChecked(), checked);
                    item->trigger();
                });
                QTest::mouseClick(
                    v, Qt::RightButton, {}, Centre(v->Geometry().SymptomLineRect(kFirstSymptomLine + line)));
                QVERIFY(*ran);
                if (line == 3)
                    Press(v, FormPart::Sorted);
            }
        }) << QStringLiteral("eliminate:1 eliminate:3 sorted eliminate:1");
        QTest::newRow("labels, then weightage") << Steps([](CRepView* v) {
            for (const ChartRect& spot :
                {v->Geometry().CoveredHotSpot(), v->Geometry().NameHotSpot(), v->Geometry().TotalityHotSpot()})
                QTest::mouseClick(v, Qt::LeftButton, {}, Centre(spot));
            Answer<CWeightageDlg>(v, FormPart::Weightage, [](CWeightageDlg& dialog) {
                dialog.IntensityList(1)->setFocus();
                QTest::keyClick(dialog.IntensityList(1), Qt::Key_Down); // from 1 to 2
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        }) << QStringLiteral("label:covered label:name label:totality weightage:1=2");
        QTest::newRow("every dialog cancelled") << Steps([](CRepView* v) {
            Cancel<CWeightageDlg>(v, FormPart::Weightage);
            Cancel<CDrugFilterDlg>(v, FormPart::DrugFilter);
            Cancel<CClassFilterDialog>(v, FormPart::AnimalFilter);
            Cancel<CMineralFilterDlg>(v, FormPart::MineralFilter);
        }) << QStringLiteral("weightage-cancel drug-filter-cancel animal-cancel mineral-cancel");
        QTest::newRow("symptom list: two deleted, one restored") << Steps([](CRepView* v) {
            Drag(v, 1, 1);
            const auto ran = WhenShown<CRecordedSymptomsDialog>([](CRecordedSymptomsDialog& dialog) {
                for (int line : {1, 0}) {
                    ClickItem(dialog.SymptomList(), line);
                    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                }
                const auto restored = WhenShown<CUndeleteDialog>([](CUndeleteDialog& undelete) {
                    QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton); // the first, selected
                    QTest::mouseClick(undelete.OkButton(), Qt::LeftButton);
                });
                QTest::mouseClick(dialog.UnDeleteButton(), Qt::LeftButton);
                QVERIFY(*restored);
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
            v->Actions().symptomList->trigger();
            QVERIFY(*ran);
            Press(v, FormPart::Clipboard1);
        }) << QStringLiteral("drop:1:1 delete:1 delete:0 undelete:0 clipboard:1");
        QTest::newRow("sorted, drag, drug filter") << Steps([](CRepView* v) {
            Press(v, FormPart::Sorted);
            Drag(v, 1, 2);
            DrugFilter(v, 1);
        }) << QStringLiteral("sorted drop:1:2 drug-filter:1");
        // A click on a cell, then on a label: the screen's caption names only the order, the records the filter.
        QTest::newRow("drug filter, then clicks on a cell and a label") << Steps([](CRepView* v) {
            DrugFilter(v, 1);
            QTest::mouseClick(v, Qt::LeftButton, {}, Centre(v->Geometry().GradeArea()));
            QTest::mouseClick(v, Qt::LeftButton, {}, Centre(v->Geometry().CoveredHotSpot()));
        }) << QStringLiteral("drug-filter:1 click label:covered");
        QTest::newRow("drug filter, a click, then mind") << Steps([](CRepView* v) {
            DrugFilter(v, 1);
            QTest::mouseClick(v, Qt::LeftButton, {}, Centre(v->Geometry().GradeArea()));
            Press(v, FormPart::Mind);
        }) << QStringLiteral("drug-filter:1 click mind");
        // A right click on a gap of the first row meets no cell, as a click on cell 1 does.
        QTest::newRow("right click on a first-row gap")
            << Steps([](CRepView* v) { Mineral(v, {-5}); }) << QStringLiteral("mineral:right=1");
        QTest::newRow("refused right click, then OK") << Steps([](CRepView* v) {
            Mineral(v, {-56, -60, 51});
        }) << QStringLiteral("mineral:right=56;right=60;left=51");
        QTest::newRow("class sharing 7 characters with an earlier one")
            << Steps([](CRepView* v) { ClassFilter(v, FormPart::PlantFilter, 48); }) << QStringLiteral("plant:48:none");
        QTest::newRow("an animal class") << Steps([](CRepView* v) { ClassFilter(v, FormPart::AnimalFilter, 2); })
                                         << QStringLiteral("animal:2:none");
    }

    void windowLogReplaysAlike()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, log);
        auto* app = CQuillonApp::Instance();
        app->CloseAllViews();
        SetCurrentPatient(app->State(), {"1001", "Anna Berger", "34", "12/03/2002"}, "Helen Marsh");
        QVERIFY(app->State().LoadVisitIndex() && LoadVisitForChart(app->State(), 0));
        auto* view = qobject_cast<CRepView*>(app->OpenViewTemplate(2));
        QVERIFY(view);
        RecordingMessageSink& sink = *g_sink;
        sink.Clear();
        steps(view);
        std::vector<std::string> args{"--dir", g_folder->Path().string(), "chart", "1001"};
        QStringList logged;
        for (const ChartCommand& command : view->Operations()) {
            args.insert(args.end(), {"--do", FormatChartCommand(command)});
            logged << QString::fromStdString(args.back());
        }
        QCOMPARE(logged.join(QLatin1Char(' ')), log);
        // The tool prints its messages, then the chart.
        std::string window;
        for (const std::string& text : sink.Texts())
            window += "message\t" + text + '\n';
        std::ostringstream out, err;
        QCOMPARE(report::Run(args, out, err), int(report::kDone));
        const std::string chart = view->DumpChartText();
        QCOMPARE(window + chart, out.str());

        // Saved through File > Save Analysis, the analysis replays alike in the tool and, opened again through
        // Open Analysis, in the window: the same chart, where the window does not repeat the messages its steps
        // gave when they were made.
        const auto action = [app](const char* name) { return app->MainFrame()->Action(name); };
        testing::WithShown<CSaveAnalysisDialog>([&] { action("saveAnalysis")->trigger(); },
            [](CSaveAnalysisDialog& dialog) {
                dialog.NameEdit()->setText(QStringLiteral("Parity"));
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        const std::int64_t id = app->CaseBook()->CurrentAnalysis();
        QVERIFY(id > 0);
        std::ostringstream tool, toolErr;
        QCOMPARE(report::Run({"--dir", g_folder->Path().string(), "--casebook", DefaultCaseBookPath().string(), "chart",
                                 "1001", "--analysis", std::to_string(id)},
                     tool, toolErr),
            int(report::kDone));
        QCOMPARE(tool.str(), out.str());

        // What leaves the screen states the methods and filters that made the rows, alike in the window's saved
        // analysis and in the tool's printed pages: the drug filter of the log whatever clicks came after it,
        // unless a method made the rows again.
        const std::optional<AnalysisRecord> saved = app->CaseBook()->Book()->LoadAnalysis(id);
        QVERIFY(saved);
        HeaderRecorder pages;
        std::ostringstream pdfOut, pdfErr;
        std::vector<std::string> exportArgs = args;
        exportArgs[2] = "export";
        exportArgs.insert(exportArgs.end(), {"--pdf", (g_folder->Path() / "parity.pdf").string()});
        QCOMPARE(report::Run(exportArgs, pdfOut, pdfErr, &pages), int(report::kDone));
        QCOMPARE(QString::fromStdString(Cp1252ToUtf8(pages.header.caption)), QString::fromStdString(saved->caption));
        const QString screen = QString::fromStdString(out.str())
                                   .section(QStringLiteral("caption\t"), 1)
                                   .section(QLatin1Char('\n'), 0, 0);
        const bool clicked = log.contains(QStringLiteral("click")) || log.contains(QStringLiteral("label:"))
            || log.contains(QStringLiteral("drop:"));
        if (!clicked)
            QCOMPARE(QString::fromStdString(saved->caption), screen);
        if (log.startsWith(QStringLiteral("drug-filter:1 click"))) {
            QVERIFY2(!screen.contains(QStringLiteral("Drug Filter")), qPrintable(screen));
            QCOMPARE(QString::fromStdString(saved->caption).section(QStringLiteral("     "), 0, 0),
                log.endsWith(QStringLiteral("mind")) ? QStringLiteral("Repertorisation: Mind Symptoms")
                                                     : QStringLiteral("Repertorisation: Drug Filter+Symptoms Covered"));
        }
        sink.Clear();
        testing::WithShown<COpenAnalysisDialog>([&] { action("openAnalysis")->trigger(); },
            [](COpenAnalysisDialog& dialog) { QTest::mouseClick(dialog.OpenButton(), Qt::LeftButton); });
        auto* restored = qobject_cast<CRepView*>(app->OpenView(kViewChart));
        QVERIFY(restored);
        QCOMPARE(app->CaseBook()->CurrentAnalysis(), id);
        std::string again;
        for (const std::string& text : sink.Texts())
            again += "message\t" + text + '\n';
        QCOMPARE(again + restored->DumpChartText(), chart);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    g_folder = &folder;
    // A case book of this run alone.
    setenv("XDG_DATA_HOME", (folder.Path() / "data").c_str(), 1);
    RecordingMessageSink sink;
    g_sink = &sink;
    return testing::RunInApp<TestReportParity>(argc, argv, folder.Path(), sink);
}

#include "TestReportParity.moc"
