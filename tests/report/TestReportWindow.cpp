// The same actions replayed in the window (clicks on the real buttons and dialogs) and by quillon-report
// end with the same chart.
#include "app/QuillonApp.h"
#include "controls/PictureButton.h"
#include "filters/DrugFilterDialog.h"
#include "repertory/RepView.h"
#include "report/Report.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sstream>

using namespace quillon;

namespace {

testing::TempFolder* g_folder = nullptr;

QPushButton* ButtonWithText(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    return nullptr;
}

std::string ReportChart(const std::vector<std::string>& actions)
{
    std::vector<std::string> args{"--dir", g_folder->Path().string(), "chart", "1001"};
    for (const std::string& action : actions) {
        args.push_back("--do");
        args.push_back(action);
    }
    std::ostringstream out, err;
    const int status = report::Run(args, out, err);
    return status == 0 ? out.str() : "status " + std::to_string(status) + ": " + err.str();
}

} // namespace

class TestReportWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mindDrugFilterAndSortedGiveTheSameChart()
    {
        auto* app = CQuillonApp::Instance();
        SetCurrentPatient(*app, {"1001", "Anna Berger", "34", "12/03/2002"}, "Helen Marsh");
        QVERIFY(app->LoadVisitIndex());
        QVERIFY(LoadVisitForChart(*app, 0));
        auto* view = qobject_cast<CRepView*>(app->OpenViewTemplate(2));
        QVERIFY(view);
        QCOMPARE(view->DumpChartText(), ReportChart({}));

        QTest::mouseClick(view->Button(1248), Qt::LeftButton); // Mind
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CDrugFilterDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->PropertyBox(1), Qt::LeftButton);
            QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
            answered = true;
        });
        QTest::mouseClick(view->Button(1211), Qt::LeftButton); // Drug filter
        QVERIFY(answered);
        QTest::mouseClick(view->Button(1216), Qt::LeftButton); // Sorted

        const std::string window = view->DumpChartText();
        QCOMPARE(window, ReportChart({"mind", "drug-filter:1", "sorted"}));
        QVERIFY(window.find("Sorted") != std::string::npos);

        // Normal, then the plant filter's dialog closed with OK and nothing chosen.
        QTest::mouseClick(view->Button(1210), Qt::LeftButton);
        answered = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::mouseClick(ButtonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
            answered = true;
        });
        QTest::mouseClick(view->Button(1212), Qt::LeftButton);
        QVERIFY(answered);
        const std::string plants = view->DumpChartText();
        QCOMPARE(plants, ReportChart({"mind", "drug-filter:1", "sorted", "normal", "plant:0:"}));
        QVERIFY(plants.find("Plant->") != std::string::npos);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    g_folder = &folder;
    RecordingMessageSink sink;
    CQuillonApp app(argc, argv, CPracticeFolder(folder.Path()), &sink);
    app.InitInstance();
    TestReportWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestReportWindow.moc"
