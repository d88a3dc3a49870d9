// The chart's method buttons, popup commands and Symptom List command, pressed on the real view with the real
// dialogs answered as a practitioner would.
#include "ChartFixture.h"
#include "app/MainFrame.h"
#include "controls/PictureButton.h"
#include "engine/ChartDump.h"
#include "fixtures/CaseWriters.h"
#include "fixtures/FilterWriters.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"
#include "symptoms/RecordedSymptomsDialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

#include <sstream>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

RecordingMessageSink* g_sink = nullptr;

constexpr std::uint32_t Bit(int n)
{
    return 1u << static_cast<unsigned>(n);
}

enum RemedyCode : int { kAcon, kApis, kBell, kCalc, kLach, kNux, kPhos, kPuls, kSep, kSulph };

void WritePractice(const testing::TempFolder& folder)
{
    const std::uint32_t plant = Bit(fixtures::kPlantBit), mineral = Bit(fixtures::kMineralBit),
                        animal = Bit(fixtures::kAnimalBit);
    const std::uint32_t chilly = Bit(4), hot = Bit(5);
    folder.WriteCatalogue({{"Acon.", "Aconitum napellus", plant | chilly}, {"Apis.", "Apis mellifica", animal | chilly},
        {"Bell.", "Belladonna", plant | hot}, {"Calc.", "Calcarea carbonica", mineral | chilly},
        {"Lach.", "Lachesis", animal | hot}, {"Nux-v.", "Nux vomica", plant | chilly},
        {"Phos.", "Phosphorus", mineral | chilly}, {"Puls.", "Pulsatilla", plant | hot},
        {"Sep.", "Sepia", animal | chilly}, {"Sulph.", "Sulphur", mineral | hot}});
    folder.Write("PatDet.txt", EncodePatientIndex("Dr. Meera Iyer", {{"2001", "Ravi Menon", "41", "12/03/2004"}}));
    folder.Write("2001.rsy",
        EncodeRsy({VisitSpec{12, 3, 2004,
            {{"MIND - ANXIETY", 'M', 1, 2, {{kAcon, 3}, {kBell, 2}, {kLach, 1}, {kPuls, 2}}},
                {"MIND - FEAR, death", 'M', 1, 2, {{kAcon, 3}, {kApis, 1}, {kSep, 2}}},
                {"GENERALS - COLD agg.", 'G', 1, 2, {{kCalc, 3}, {kNux, 2}, {kPhos, 1}, {kAcon, 1}}},
                {"GENERALS - HEAT agg.", 'G', 1, 2, {{kSulph, 2}, {kPuls, 3}, {kBell, 1}}},
                {"HEAD - PAIN, throbbing", 'F', 1, 2, {{kBell, 3}, {kPhos, 2}, {kCalc, 1}}},
                {"STOMACH - NAUSEA", 'F', 1, 2, {{kNux, 3}, {kSep, 1}, {kSulph, 1}, {kLach, 2}}}}}}));
}

void Click(QAbstractButton* button)
{
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickLine(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestChartMethods : public QObject
{
    Q_OBJECT

private:
    CRepView* m_view = nullptr;

private Q_SLOTS:
    void init()
    {
        m_view = quillon::testing::OpenChartOf("2001", "Ravi Menon", *g_sink);
        QVERIFY(m_view);
    }

    void deletingEverySymptomLeavesAnEmptyChart()
    {
        WithShown<CRecordedSymptomsDialog>([&] { m_view->Actions().symptomList->trigger(); },
            [](CRecordedSymptomsDialog& dialog) {
                while (dialog.SymptomList()->count() > 0) {
                    ClickLine(dialog.SymptomList(), 0);
                    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                }
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        QCOMPARE(m_view->Engine().RemedyCount(), 0);
        for (FormPart id : {FormPart::MindCount, FormPart::GeneralCount, FormPart::RestCount, FormPart::SymptomCount,
                 FormPart::RemedyCount})
            QCOMPARE(m_view->Static(id)->text(), QStringLiteral("0"));
        QVERIFY(!m_view->grab().isNull());
        // The deleted symptoms can still be restored from the list; Repertorisation has nothing left.
        QVERIFY(App().MainFrame()->Action("symptomList")->isEnabled());
        QVERIFY(!App().MainFrame()->Action("repertorisation")->isEnabled());
        g_sink->Clear();
        Click(m_view->Button(FormPart::Mind));
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Mind symptoms are not recorded"});
    }

    void symptomCoveredDropReportsThePickedRemedy()
    {
        QStringList reported;
        m_view->SetSymptomCoveredReport(
            [&reported](const std::string& remedy) { reported << QString::fromStdString(remedy); });
        const QPoint zone(ControlX(m_view, 605), ControlY(m_view, 50));
        Drag(m_view, LineRect(m_view, 2).center(), zone);
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Remedy not selected"});
        // Column 9 picks the last of ten remedies; after Mind six are left, so none is picked.
        SendMouse(m_view, QEvent::MouseButtonPress, CellRect(m_view, 0, 1).center(), Qt::LeftButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseButtonRelease, CellRect(m_view, 0, 1).center(), Qt::LeftButton, Qt::NoButton);
        Drag(m_view, LineRect(m_view, 2).center(), zone);
        SendMouse(m_view, QEvent::MouseButtonPress, CellRect(m_view, 0, 9).center(), Qt::LeftButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseButtonRelease, CellRect(m_view, 0, 9).center(), Qt::LeftButton, Qt::NoButton);
        Click(m_view->Button(FormPart::Mind));
        g_sink->Clear();
        Drag(m_view, LineRect(m_view, 2).center(), zone);
        QCOMPARE(reported, QStringList{QStringLiteral("Bell")});
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Remedy not selected"});
        m_view->SetSymptomCoveredReport({});
    }

    void cleanupTestCase() { App().CloseAllViews(); }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    g_sink = &sink;
    return testing::RunInApp<TestChartMethods>(argc, argv, folder.Path(), sink);
}

#include "TestChartMethods.moc"
