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

QPoint Control(const CRepView* view, int x, int y)
{
    return {ControlX(view, x), ControlY(view, y)};
}
QPoint LineCentre(const CRepView* view, int k)
{
    return LineRect(view, k).center();
}
QPoint TotalityCentre(const CRepView* view, int c)
{
    return CellRect(view, 0, c).center();
}

// Drags symptom line k onto clipboard button k (0, 1, 2); the drop point is the release moved by (4, 4).
void DragLineToClipboard(CRepView* view, int line, int k)
{
    const int left = k == 0 ? 95 : (k == 1 ? 124 : 155);
    Drag(view, LineCentre(view, line),
        (Control(view, left, 41) + Control(view, left + 25, 66)) / 2 - Control(view, 4, 4));
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

QString Text(const CRepView* view, int id)
{
    return view->Static(id)->text();
}

// The dump's lines of one kind: 'S' symptoms, 'R' remedies.
QStringList DumpRows(const CRepView* view, char tag)
{
    QStringList rows;
    std::istringstream in(view->DumpChartText());
    std::string line;
    while (std::getline(in, line))
        if (line.size() > 2 && line[0] == tag && line[1] == '\t')
            rows << QString::fromUtf8(line.c_str());
    return rows;
}

QString RemedyNames(const CRepView* view)
{
    QStringList names;
    for (int r = 0; r < view->Engine().RemedyCount(); ++r)
        names << FromData(view->Engine().RemedyName(r));
    return names.join(QLatin1Char(' '));
}

QStringList Texts(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
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

    void buttonsRunTheirMethods_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("symptoms");
        QTest::addColumn<QString>("remedies");
        QTest::newRow("mind") << int(IDC_MIND) << "Mind Symptoms" << 2 << "Acon Bell Puls Sep Apis Lach";
        QTest::newRow("general") << int(IDC_GENERAL) << "General Symptoms" << 2
                                 << "Calc Puls Nux-v Sulph Acon Bell Phos";
        QTest::newRow("rest") << int(IDC_REST) << "Rest Symptoms" << 2 << "Bell Nux-v Lach Phos Calc Sep Sulph";
        QTest::newRow("sorted") << int(IDC_SORTED) << "Sorted List of Remedies" << 6
                                << "Acon Apis Bell Calc Lach Nux-v Phos Puls Sep Sulph";
        QTest::newRow("normal") << int(IDC_NORMAL) << "Normal" << 6
                                << "Acon Bell Nux-v Puls Calc Lach Phos Sep Sulph Apis";
    }

    void buttonsRunTheirMethods()
    {
        QFETCH(int, button);
        QFETCH(QString, caption);
        QFETCH(int, symptoms);
        QFETCH(QString, remedies);
        Click(m_view->Button(button));
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: ") + caption);
        QCOMPARE(Text(m_view, IDC_SYMPTOM_COUNT), QString::number(symptoms));
        QCOMPARE(RemedyNames(m_view), remedies);
        QCOMPARE(Text(m_view, IDC_REMEDY_COUNT), QString::number(remedies.count(QLatin1Char(' ')) + 1));
        // The view shows what the core composes from the same state.
        QCOMPARE(m_view->DumpChartText(), DumpChart(m_view->Engine(), m_view->Methods()));
    }

    void dropOnClipboardThenItsButtonThenReset()
    {
        DragLineToClipboard(m_view, 5, 1); // symptom 3
        QCOMPARE(
            Texts(g_sink->Texts()), QStringList{QStringLiteral("GENERALS - HEAT agg. Symptom Dropped on Clipboard 2")});
        QCOMPARE(Text(m_view, IDC_CLIP2_COUNT), QStringLiteral("1"));
        QVERIFY(m_view->Button(IDC_CLIPBOARD2)->IsFull());
        QVERIFY(!m_view->Button(IDC_CLIPBOARD1)->IsFull());
        g_sink->Clear();
        Click(m_view->Button(IDC_CLIPBOARD2));
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: ClipBoard #2"));
        QCOMPARE(DumpRows(m_view, 'S'), QStringList{QStringLiteral("S\t0\t[KT] GENERALS - HEAT agg.")});
        QCOMPARE(RemedyNames(m_view), QStringLiteral("Puls Sulph Bell"));
        Click(m_view->Button(IDC_CLIPBOARD1));
        QCOMPARE(Texts(g_sink->Texts()), QStringList{QStringLiteral("ClipBoard#1 does not have any Symptoms")});
        QCOMPARE(m_view->Engine().SymptomCount(), 1);
        g_sink->Clear();
        Click(m_view->Button(IDC_RESET_CLIPBOARD));
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CLIP2_COUNT), QStringLiteral("0"));
        QVERIFY(!m_view->Button(IDC_CLIPBOARD2)->IsFull());
        QVERIFY(App().m_arrClipboards[1].empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Normal"));
        QCOMPARE(Text(m_view, IDC_REMEDY_COUNT), QStringLiteral("10"));
    }

    void deletingEverySymptomLeavesAnEmptyChart()
    {
        WithShown<CRecordedSymptomsDialog>([&] { m_view->OnCommand(ID_SYMPTOM_LIST); },
            [](CRecordedSymptomsDialog& dialog) {
                while (dialog.SymptomList()->count() > 0) {
                    ClickLine(dialog.SymptomList(), 0);
                    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                }
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        QCOMPARE(m_view->Engine().RemedyCount(), 0);
        for (int id : {IDC_MIND_COUNT, IDC_GENERAL_COUNT, IDC_REST_COUNT, IDC_SYMPTOM_COUNT, IDC_REMEDY_COUNT})
            QCOMPARE(Text(m_view, id), QStringLiteral("0"));
        QVERIFY(!m_view->grab().isNull());
        // The deleted symptoms can still be restored from the list; Repertorisation has nothing left.
        App().MainFrame()->UpdateCommandUI();
        QVERIFY(App().MainFrame()->Action(ID_SYMPTOM_LIST)->isEnabled());
        QVERIFY(!App().MainFrame()->Action(ID_REPERTORISATION)->isEnabled());
        g_sink->Clear();
        Click(m_view->Button(IDC_MIND));
        QCOMPARE(Texts(g_sink->Texts()), QStringList{QStringLiteral("Mind symptoms are not recorded")});
    }

    void symptomCoveredDropReportsThePickedRemedy()
    {
        QStringList reported;
        m_view->SetSymptomCoveredReport(
            [&reported](const std::string& remedy) { reported << QString::fromStdString(remedy); });
        const QPoint zone = Control(m_view, 605, 50);
        Drag(m_view, LineCentre(m_view, 2), zone);
        QCOMPARE(Texts(g_sink->Texts()), QStringList{QStringLiteral("Remedy not selected")});
        // Column 9 picks the last of ten remedies; after Mind six are left, so none is picked.
        SendMouse(m_view, QEvent::MouseButtonPress, TotalityCentre(m_view, 1), Qt::LeftButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseButtonRelease, TotalityCentre(m_view, 1), Qt::LeftButton, Qt::NoButton);
        Drag(m_view, LineCentre(m_view, 2), zone);
        SendMouse(m_view, QEvent::MouseButtonPress, TotalityCentre(m_view, 9), Qt::LeftButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseButtonRelease, TotalityCentre(m_view, 9), Qt::LeftButton, Qt::NoButton);
        Click(m_view->Button(IDC_MIND));
        g_sink->Clear();
        Drag(m_view, LineCentre(m_view, 2), zone);
        QCOMPARE(reported, QStringList{QStringLiteral("Bell")});
        QCOMPARE(Texts(g_sink->Texts()), QStringList{QStringLiteral("Remedy not selected")});
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
