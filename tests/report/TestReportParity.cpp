// Action sequences replayed in the window (presses, moves and releases on the real chart and its dialogs) and
// through quillon-report's entry point end with the same chart and the same messages.
#include "app/QuillonApp.h"
#include "controls/PictureButton.h"
#include "filters/ClassFilterDialog.h"
#include "filters/DrugFilterDialog.h"
#include "filters/MineralFilterDialog.h"
#include "repertory/ChartPointer.h"
#include "repertory/RepView.h"
#include "report/Report.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <sstream>

using namespace quillon;

namespace {

testing::TempFolder* g_folder = nullptr;

// Runs `answer` on the modal dialog that the click on the chart's button opens.
void ClickAnswering(CRepView* view, int button, std::function<void(QDialog*)> answer)
{
    QTimer::singleShot(0, [answer] { answer(qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
    QTest::mouseClick(view->Button(button), Qt::LeftButton);
}

void Replay(CRepView* view, const QString& action)
{
    const QStringList parts = action.split(QLatin1Char(':'));
    const std::map<QString, int> buttons{{QStringLiteral("mind"), IDC_MIND}, {QStringLiteral("sorted"), IDC_SORTED},
        {QStringLiteral("normal"), IDC_NORMAL}};
    if (buttons.contains(parts[0]))
        return QTest::mouseClick(view->Button(buttons.at(parts[0])), Qt::LeftButton);
    if (parts[0] == QStringLiteral("drop")) {
        const auto zone = static_cast<DropZone>(static_cast<int>(DropZone::Clipboard1) + parts[2].toInt() - 1);
        const ChartDragPoints at = SymptomDragPoints(view->Geometry(), parts[1].toInt(), 0, zone);
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(at.pressX, at.pressY));
        QTest::mouseMove(view, QPoint(at.releaseX, at.releaseY));
        return QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(at.releaseX, at.releaseY));
    }
    if (parts[0] == QStringLiteral("drug-filter"))
        return ClickAnswering(view, IDC_DRUG_FILTER, [k = parts[1].toInt()](QDialog* dialog) {
            auto* filter = qobject_cast<CDrugFilterDlg*>(dialog);
            for (int box = 1; box <= kDrugPropertyCount; ++box)
                if (filter->PropertyBox(box)->isChecked() != (box == k))
                    QTest::mouseClick(filter->PropertyBox(box), Qt::LeftButton);
            QTest::mouseClick(filter->OkButton(), Qt::LeftButton);
        });
    if (parts[0] == QStringLiteral("plant"))
        return ClickAnswering(view, IDC_PLANT_FILTER, [line = parts[1].toInt()](QDialog* dialog) {
            QListWidget* list = qobject_cast<CClassFilterDialog*>(dialog)->ClassList();
            if (QListWidgetItem* item = list->item(line - 1)) { // line 0: OK with no class chosen
                list->scrollToItem(item);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            }
            QTest::mouseClick(qobject_cast<CClassFilterDialog*>(dialog)->OkButton(), Qt::LeftButton);
        });
    QVERIFY(parts[0] == QStringLiteral("mineral"));
    ClickAnswering(view, IDC_MINERAL_FILTER, [steps = parts[1].split(QLatin1Char(';'))](QDialog* dialog) {
        for (const QString& step : steps) {
            const CellRect square = CellRectOf(step.section(QLatin1Char('='), 1).toInt());
            QTest::mouseClick(dialog, step.startsWith(QStringLiteral("left")) ? Qt::LeftButton : Qt::RightButton, {},
                QPoint((square.left + square.right) / 2, (square.top + square.bottom) / 2));
        }
        QTest::mouseClick(qobject_cast<CMineralFilterDlg*>(dialog)->OkButton(), Qt::LeftButton);
    });
}

} // namespace

class TestReportParity final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAndToolEndAlike_data()
    {
        QTest::addColumn<QString>("line"); // the tool's actions, separated by blanks
        QTest::newRow("the chart as it opens") << QString();
        QTest::newRow("mind, drug filter, sorted, normal, plant OK")
            << QStringLiteral("mind drug-filter:1 sorted normal plant:0:none");
        QTest::newRow("mind, then drags: the first resets the flags")
            << QStringLiteral("mind drop:0:1 drop:2:3 drop:2:3 mind drop:0:3");
        QTest::newRow("sorted, drag, drug filter") << QStringLiteral("sorted drop:1:2 drug-filter:1");
        QTest::newRow("right click on a first-row gap") << QStringLiteral("mineral:right=5");
        QTest::newRow("refused right click, then OK") << QStringLiteral("mineral:right=56;right=60;left=51");
        QTest::newRow("class sharing 7 characters with an earlier one") << QStringLiteral("plant:48:none");
    }

    void windowAndToolEndAlike()
    {
        QFETCH(QString, line);
        const QStringList actions = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        auto* app = CQuillonApp::Instance();
        app->CloseAllViews();
        SetCurrentPatient(*app, {"1001", "Anna Berger", "34", "12/03/2002"}, "Helen Marsh");
        QVERIFY(app->LoadVisitIndex() && LoadVisitForChart(*app, 0));
        auto* view = qobject_cast<CRepView*>(app->OpenViewTemplate(2));
        QVERIFY(view);
        auto& sink = static_cast<RecordingMessageSink&>(app->Sink());
        sink.Clear();
        for (const QString& action : actions)
            Replay(view, action);
        // The tool prints its messages, then the chart.
        std::string window;
        for (const std::string& text : sink.Texts())
            window += "message\t" + text + '\n';
        std::vector<std::string> args{"--dir", g_folder->Path().string(), "chart", "1001"};
        for (const QString& action : actions)
            args.insert(args.end(), {"--do", action.toStdString()});
        std::ostringstream out, err;
        QCOMPARE(report::Run(args, out, err), int(report::kDone));
        QCOMPARE(window + view->DumpChartText(), out.str());
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    g_folder = &folder;
    RecordingMessageSink sink;
    return testing::RunInApp<TestReportParity>(argc, argv, folder.Path(), sink);
}

#include "TestReportParity.moc"
