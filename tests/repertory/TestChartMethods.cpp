// The chart's method buttons, popup commands and Symptom List command, pressed on the real view with the real
// dialogs answered as a practitioner would.
#include "ChartFixture.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "filters/ClassFilterDialog.h"
#include "filters/DrugFilter.h"
#include "filters/DrugFilterDialog.h"
#include "fixtures/CaseWriters.h"
#include "fixtures/FilterWriters.h"
#include "repertory/ChartDump.h"
#include "repertory/RepEngine.h"
#include "repertory/RepMethods.h"
#include "repertory/RepView.h"
#include "repertory/WeightageDialog.h"
#include "state/PatientSelection.h"
#include "support/TempFolder.h"
#include "symptoms/RecordedSymptomsDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <sstream>

using namespace quillon;
using namespace quillon::fixtures;

namespace {

RecordingMessageSink* g_sink = nullptr;

constexpr std::uint32_t Bit(int n)
{
    return 1u << static_cast<unsigned>(n);
}

// Property bits used below: Chilly is property 5 (bit 4), Hot property 6 (bit 5).
constexpr int kChillyProperty = 5;
constexpr std::uint32_t kChilly = Bit(kChillyProperty - 1);
constexpr std::uint32_t kHot = Bit(5);

// Ten remedies of the three kingdoms; in name order, so that codes 0..9 are their record numbers.
std::vector<CatalogueRemedy> Remedies()
{
    const std::uint32_t plant = Bit(fixtures::kPlantBit);
    const std::uint32_t mineral = Bit(fixtures::kMineralBit);
    const std::uint32_t animal = Bit(fixtures::kAnimalBit);
    return {
        {"Acon.", "Aconitum napellus", plant | kChilly},
        {"Apis.", "Apis mellifica", animal | kChilly},
        {"Bell.", "Belladonna", plant | kHot},
        {"Calc.", "Calcarea carbonica", mineral | kChilly},
        {"Lach.", "Lachesis", animal | kHot},
        {"Nux-v.", "Nux vomica", plant | kChilly},
        {"Phos.", "Phosphorus", mineral | kChilly},
        {"Puls.", "Pulsatilla", plant | kHot},
        {"Sep.", "Sepia", animal | kChilly},
        {"Sulph.", "Sulphur", mineral | kHot},
    };
}

enum RemedyCode : int { kAcon, kApis, kBell, kCalc, kLach, kNux, kPhos, kPuls, kSep, kSulph };

// Two mind, two general and two other symptoms of the Kent repertory.
std::vector<SymptomSpec> Symptoms()
{
    return {
        {"MIND - ANXIETY", 'M', 1, 2, {{kAcon, 3}, {kBell, 2}, {kLach, 1}, {kPuls, 2}}},
        {"MIND - FEAR, death", 'M', 1, 2, {{kAcon, 3}, {kApis, 1}, {kSep, 2}}},
        {"GENERALS - COLD agg.", 'G', 1, 2, {{kCalc, 3}, {kNux, 2}, {kPhos, 1}, {kAcon, 1}}},
        {"GENERALS - HEAT agg.", 'G', 1, 2, {{kSulph, 2}, {kPuls, 3}, {kBell, 1}}},
        {"HEAD - PAIN, throbbing", 'F', 1, 2, {{kBell, 3}, {kPhos, 2}, {kCalc, 1}}},
        {"STOMACH - NAUSEA", 'F', 1, 2, {{kNux, 3}, {kSep, 1}, {kSulph, 1}, {kLach, 2}}},
    };
}

void WritePractice(const testing::TempFolder& folder)
{
    folder.Write("PatDet.txt", EncodePatientIndex("Dr. Meera Iyer", {{"2001", "Ravi Menon", "41", "12/03/2004"}}));
    folder.Write("2001.rsy", EncodeRsy({VisitSpec{12, 3, 2004, Symptoms()}}));
    const auto images = EncodeCatalogue(Remedies());
    folder.Write("drug.dat", images.drugDat);
    folder.Write("drugl.dat", images.druglDat);
    folder.Write("fulldrug.txt", images.fulldrugTxt);
    // Plants: Acon. and Puls. in class 1, Bell. and Nux-v. in class 2; the others have no class.
    folder.Write("plants.dat", EncodeLineList({"Ranunculaceae", "Solanaceae"}));
    std::vector<std::uint32_t> plantCodes(10, 0);
    plantCodes[kAcon] = MakeClassCode(1, 1);
    plantCodes[kPuls] = MakeClassCode(1, 1);
    plantCodes[kBell] = MakeClassCode(2, 1);
    plantCodes[kNux] = MakeClassCode(2, 4);
    folder.Write("plcode.dat", EncodeCodeWords(plantCodes));
}

int ControlX(const CRepView* view, int x)
{
    return x * view->Geometry().ScreenWidth() / 640;
}
int ControlY(const CRepView* view, int y)
{
    return y * view->Geometry().ScreenHeight() / 480;
}
// Symptom line k (2..12) of the chart, in pixels.
QPoint LineCentre(const CRepView* view, int k)
{
    const int top = 160 + 22 * k;
    const int w = view->Geometry().ScreenWidth();
    const int h = view->Geometry().ScreenHeight();
    return QRect(QPoint(75 * w / 840, top * h / 680), QPoint(350 * w / 840 - 1, (top + 20) * h / 680 - 1)).center();
}

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Drags symptom line k onto clipboard k's button (k = 0, 1, 2).
void DragLineToClipboard(CRepView* view, int line, int k)
{
    const int left = k == 0 ? 95 : (k == 1 ? 124 : 155);
    const QRect zone(QPoint(ControlX(view, left), ControlY(view, 41)),
        QPoint(ControlX(view, left + 25) - 1, ControlY(view, 66) - 1));
    // The drop point is the release point moved by (4, 4) on the control frame.
    const QPoint release = zone.center() - QPoint(ControlX(view, 4), ControlY(view, 4));
    const QPoint from = LineCentre(view, line);
    SendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, (from + release) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, release, Qt::LeftButton, Qt::NoButton);
}

// Answers the next modal dialog of type D with `act` once it is open (a popup menu may run first).
template <typename D> void AnswerDialog(bool& answered, std::function<void(D&)> act)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, &answered, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        QVERIFY2(dialog, "the expected dialog did not open");
        answered = true;
        act(*dialog);
    });
    timer->start(10);
}

void Click(QAbstractButton* button)
{
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

QString Text(const CRepView* view, int id)
{
    return view->Static(id)->text();
}

// The chart's symptom lines and remedy names as the dump lists them.
QStringList DumpRows(const std::string& dump, char tag)
{
    QStringList rows;
    std::istringstream in(dump);
    std::string line;
    while (std::getline(in, line))
        if (line.size() > 2 && line[0] == tag && line[1] == '\t')
            rows << QString::fromUtf8(line.c_str());
    return rows;
}

QStringList RemedyNames(const CRepEngine& engine)
{
    QStringList names;
    for (int r = 0; r < engine.RemedyCount(); ++r)
        names << FromData(engine.RemedyName(r));
    return names;
}

} // namespace

class TestChartMethods : public QObject
{
    Q_OBJECT

private:
    CQuillonApp& App() { return *CQuillonApp::Instance(); }

    CRepView* OpenChart() { return quillon::testing::OpenChartOf("2001", "Ravi Menon", *g_sink); }

    CRepView* m_view = nullptr;

private Q_SLOTS:
    void init()
    {
        m_view = OpenChart();
        QVERIFY(m_view);
        QCOMPARE(m_view->Engine().SymptomCount(), 6);
        QCOMPARE(m_view->Engine().RemedyCount(), 10);
    }

    void buttonsTooltipsAndMenuStates()
    {
        for (int id : CRepView::ButtonIds())
            QVERIFY(m_view->Button(id)->isEnabled());
        const std::vector<std::pair<int, const char*>> tips{{IDC_MIND, "Mental Symptoms"},
            {IDC_GENERAL, "General Symptoms"}, {IDC_REST, "Symptoms Other than Mind"},
            {IDC_CLIPBOARD1, "ClipBoard 1 Symptoms"}, {IDC_CLIPBOARD2, "ClipBoard 2 Symptoms"},
            {IDC_CLIPBOARD3, "ClipBoard 3 Symptoms"}, {IDC_RESET_CLIPBOARD, "Reset the Selected Clipboard"},
            {IDC_NORMAL, "Normal Repertorisation"}, {IDC_SORTED, "Sorted Remedy Repertorisation"},
            {IDC_DRUG_FILTER, "Apply Drug Filters"}, {IDC_PLANT_FILTER, "Apply Plant Filters"},
            {IDC_ANIMAL_FILTER, "Apply Animal Filters"}, {IDC_MINERAL_FILTER, "Apply Mineral Filters"},
            {IDC_WEIGHTAGE, "Weightage Repertorisation"},
            {IDC_SYMPTOM_COVERED, "Symptom Covered / Not Covered By Remedy"}};
        for (const auto& [id, tip] : tips)
            QCOMPARE(m_view->Button(id)->toolTip(), QString::fromLatin1(tip));
        // The menu's Symptom List and Magnify follow the chart.
        App().MainFrame()->MdiArea()->setActiveSubWindow(App().MainFrame()->MdiArea()->subWindowList().value(0));
        App().MainFrame()->UpdateCommandUI();
        QVERIFY(App().MainFrame()->Action(ID_SYMPTOM_LIST)->isEnabled());
        QVERIFY(App().MainFrame()->Action(ID_MAGNIFY)->isEnabled());
    }

    void mindButtonShowsTheMindSymptoms()
    {
        Click(m_view->Button(IDC_MIND));
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Mind Symptoms"));
        QCOMPARE(Text(m_view, IDC_SYMPTOM_COUNT), QStringLiteral("2"));
        QCOMPARE(Text(m_view, IDC_REMEDY_COUNT), QStringLiteral("6"));
        const std::string dump = m_view->DumpChartText();
        QCOMPARE(DumpRows(dump, 'S'),
            (QStringList{
                QStringLiteral("S\t0\t[KT] MIND - ANXIETY"), QStringLiteral("S\t1\t[KT] MIND - FEAR, death")}));
        // Acon. covers both with grade 3; the others one each, ordered by totality then name.
        const QStringList remedies = DumpRows(dump, 'R');
        QCOMPARE(remedies.size(), 6);
        QCOMPARE(remedies.at(0), QStringLiteral("R\t1\tAcon\t6\t2\t3 3"));
        QCOMPARE(remedies.at(1), QStringLiteral("R\t2\tBell\t2\t1\t2 0"));
        QCOMPARE(remedies.at(4), QStringLiteral("R\t5\tApis\t1\t1\t0 1"));
        // The view's text is what the core composes from the same state.
        QCOMPARE(dump, DumpChart(m_view->Engine(), m_view->Methods()));
        QVERIFY(
            dump.rfind("caption\tRepertorisation: Mind Symptoms\ncounters\t2\t2\t2\t0\t0\t0\nsymptoms\t2\n", 0) == 0);
        // Every button keeps its picture; the scroll bars start again at 0.
        QVERIFY(m_view->Button(IDC_MIND)->IsFull());
        QCOMPARE(m_view->ScrollBar(IDC_REMEDY_SCROLL)->value(), 0);
    }

    void dropOnClipboard2ThenItsButtonThenReset()
    {
        DragLineToClipboard(m_view, 5, 1); // symptom 3, "GENERALS - HEAT agg."
        QCOMPARE(g_sink->Texts(), (std::vector<std::string>{"GENERALS - HEAT agg. Symptom Dropped on Clipboard 2"}));
        QCOMPARE(Text(m_view, IDC_CLIP2_COUNT), QStringLiteral("1"));
        QVERIFY(m_view->Button(IDC_CLIPBOARD2)->IsFull());
        QVERIFY(!m_view->Button(IDC_CLIPBOARD1)->IsFull());
        g_sink->Clear();

        Click(m_view->Button(IDC_CLIPBOARD2));
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: ClipBoard #2"));
        QCOMPARE(m_view->Engine().SymptomCount(), 1);
        QCOMPARE(
            DumpRows(m_view->DumpChartText(), 'S'), QStringList{QStringLiteral("S\t0\t[KT] GENERALS - HEAT agg.")});
        QCOMPARE(RemedyNames(m_view->Engine()),
            (QStringList{QStringLiteral("Puls"), QStringLiteral("Sulph"), QStringLiteral("Bell")}));
        QCOMPARE(Text(m_view, IDC_CLIP2_COUNT), QStringLiteral("1"));

        // An empty clipboard refuses, and the chart stays.
        Click(m_view->Button(IDC_CLIPBOARD1));
        QCOMPARE(g_sink->Texts(), (std::vector<std::string>{"ClipBoard#1 does not have any Symptoms"}));
        QCOMPARE(m_view->Engine().SymptomCount(), 1);
        g_sink->Clear();

        Click(m_view->Button(IDC_RESET_CLIPBOARD));
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CLIP2_COUNT), QStringLiteral("0"));
        QVERIFY(!m_view->Button(IDC_CLIPBOARD2)->IsFull());
        QVERIFY(App().m_mapClipboard2.empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Normal"));
        QCOMPARE(Text(m_view, IDC_SYMPTOM_COUNT), QStringLiteral("6"));
        QCOMPARE(Text(m_view, IDC_REMEDY_COUNT), QStringLiteral("10"));

        // A second Reset finds no clipboard shown.
        Click(m_view->Button(IDC_RESET_CLIPBOARD));
        QCOMPARE(g_sink->Texts(), (std::vector<std::string>{"Clipboards not selected , click to select"}));
    }

    void popupClipboardItemDropsThePickedSymptom()
    {
        bool ran = false;
        QTimer::singleShot(0, [&ran] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            ran = true;
            QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Symptom &List"));
            QVERIFY(menu->actions().at(0)->isEnabled());
            QVERIFY(menu->actions().at(1)->isEnabled()); // Full Symptom
            menu->actions().at(2)->trigger(); // ClipBoard &1
            menu->close();
        });
        QTest::mouseClick(m_view, Qt::RightButton, {}, LineCentre(m_view, 2)); // symptom 0
        QVERIFY(ran);
        QCOMPARE(g_sink->Texts(), (std::vector<std::string>{"MIND - ANXIETY Symptom Dropped on Clipboard 1"}));
        QCOMPARE(Text(m_view, IDC_CLIP1_COUNT), QStringLiteral("1"));
        QVERIFY(m_view->Button(IDC_CLIPBOARD1)->IsFull());
    }

    void sortedOrdersByName()
    {
        Click(m_view->Button(IDC_SORTED));
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Sorted List of Remedies"));
        QCOMPARE(RemedyNames(m_view->Engine()),
            (QStringList{QStringLiteral("Acon"), QStringLiteral("Apis"), QStringLiteral("Bell"), QStringLiteral("Calc"),
                QStringLiteral("Lach"), QStringLiteral("Nux-v"), QStringLiteral("Phos"), QStringLiteral("Puls"),
                QStringLiteral("Sep"), QStringLiteral("Sulph")}));
        // Sorted combines with the subset in force: Mind, then Sorted.
        Click(m_view->Button(IDC_MIND));
        Click(m_view->Button(IDC_SORTED));
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Mind Symptoms+Sorted List of Remedies"));
        QCOMPARE(RemedyNames(m_view->Engine()),
            (QStringList{QStringLiteral("Acon"), QStringLiteral("Apis"), QStringLiteral("Bell"), QStringLiteral("Lach"),
                QStringLiteral("Puls"), QStringLiteral("Sep")}));
    }

    void drugFilterThroughItsDialog()
    {
        bool answered = false;
        AnswerDialog<CDrugFilterDlg>(answered, [](CDrugFilterDlg& dialog) {
            QCheckBox* chilly = dialog.PropertyBox(kChillyProperty);
            QVERIFY(chilly);
            QTest::mouseClick(chilly, Qt::LeftButton, {}, QPoint(4, chilly->height() / 2));
            QVERIFY(chilly->isChecked());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        Click(m_view->Button(IDC_DRUG_FILTER));
        QVERIFY(answered);
        QVERIFY(g_sink->Texts().empty());
        const QString label = QString::fromLatin1(FindDrugProperty(kChillyProperty)->label);
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Drug Filter     ") + label);
        QCOMPARE(RemedyNames(m_view->Engine()),
            (QStringList{QStringLiteral("Acon"), QStringLiteral("Nux-v"), QStringLiteral("Calc"),
                QStringLiteral("Phos"), QStringLiteral("Sep"), QStringLiteral("Apis")}));
        QCOMPARE(Text(m_view, IDC_REMEDY_COUNT), QStringLiteral("6"));

        // Cancel goes back to Normal.
        AnswerDialog<CDrugFilterDlg>(
            answered, [](CDrugFilterDlg& dialog) { QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton); });
        Click(m_view->Button(IDC_DRUG_FILTER));
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Normal"));
        QCOMPARE(m_view->Engine().RemedyCount(), 10);
    }

    void weightageThroughItsDialog()
    {
        bool answered = false;
        AnswerDialog<CWeightageDlg>(answered, [](CWeightageDlg& dialog) {
            QComboBox* first = dialog.IntensityList(0);
            QVERIFY(first && first->isVisible());
            first->setFocus();
            // From intensity 1, two steps down the list give 3.
            QTest::keyClick(first, Qt::Key_Down);
            QTest::keyClick(first, Qt::Key_Down);
            QCOMPARE(first->currentText(), QStringLiteral("3"));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        Click(m_view->Button(IDC_WEIGHTAGE));
        QVERIFY(answered);
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Weightage"));
        // "MIND - ANXIETY" now counts three times: Acon. 3x3 + 3 + 1, Bell. 2x3 + 1 + 3, Puls. 2x3 + 3.
        const QStringList remedies = DumpRows(m_view->DumpChartText(), 'R');
        QCOMPARE(remedies.at(0).section(QLatin1Char('\t'), 2, 4), QStringLiteral("Acon\t13\t3"));
        QCOMPARE(remedies.at(1).section(QLatin1Char('\t'), 2, 4), QStringLiteral("Bell\t10\t3"));
        QCOMPARE(remedies.at(2).section(QLatin1Char('\t'), 2, 4), QStringLiteral("Puls\t9\t2"));
    }

    void plantButtonWithNothingChosenKeepsThePlants()
    {
        bool answered = false;
        AnswerDialog<CPlantFilterDlg>(answered, [](CPlantFilterDlg& dialog) {
            QCOMPARE(dialog.ClassList()->count(), 2);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        Click(m_view->Button(IDC_PLANT_FILTER));
        QVERIFY(answered);
        QVERIFY(g_sink->Texts().empty());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Drug Filter     Plant->"));
        QCOMPARE(RemedyNames(m_view->Engine()),
            (QStringList{
                QStringLiteral("Acon"), QStringLiteral("Bell"), QStringLiteral("Nux-v"), QStringLiteral("Puls")}));
        QCOMPARE(Text(m_view, IDC_REMEDY_COUNT), QStringLiteral("4"));

        // Another kingdom's button does nothing while the plant filter stands.
        Click(m_view->Button(IDC_ANIMAL_FILTER));
        QCOMPARE(m_view->Engine().RemedyCount(), 4);

        // The plant button again with a class chosen narrows to that class.
        AnswerDialog<CPlantFilterDlg>(answered, [](CPlantFilterDlg& dialog) {
            QListWidget* classes = dialog.ClassList();
            QTest::mouseClick(
                classes->viewport(), Qt::LeftButton, {}, classes->visualItemRect(classes->item(0)).center());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        Click(m_view->Button(IDC_PLANT_FILTER));
        QCOMPARE(
            Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Drug Filter     Plant-> Class: Ranunculaceae"));
        QCOMPARE(RemedyNames(m_view->Engine()), (QStringList{QStringLiteral("Acon"), QStringLiteral("Puls")}));
    }

    void symptomListDeletesASymptomFromTheChart()
    {
        // Symptom 1 on clipboard 1 first: deleting it empties the clipboard too.
        DragLineToClipboard(m_view, 3, 0);
        QCOMPARE(Text(m_view, IDC_CLIP1_COUNT), QStringLiteral("1"));
        g_sink->Clear();

        bool answered = false;
        AnswerDialog<CRecordedSymptomsDialog>(answered, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Symptom List"));
            QListWidget* list = dialog.SymptomList();
            QCOMPARE(list->count(), 6);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QCOMPARE(list->count(), 5);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        // From the File menu, routed to the active chart.
        QMdiArea* area = App().MainFrame()->MdiArea();
        area->setActiveSubWindow(area->subWindowList().value(0));
        App().MainFrame()->UpdateCommandUI();
        QAction* command = App().MainFrame()->Action(ID_SYMPTOM_LIST);
        QVERIFY(command->isEnabled());
        command->trigger();
        QVERIFY(answered);
        QVERIFY(g_sink->Texts().empty());

        QCOMPARE(m_view->Engine().SymptomCount(), 5);
        const QStringList lines = DumpRows(m_view->DumpChartText(), 'S');
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("FEAR")));
        QCOMPARE(lines.at(1), QStringLiteral("S\t1\t[KT] GENERALS - COLD agg."));
        QCOMPARE(Text(m_view, IDC_SYMPTOM_COUNT), QStringLiteral("5"));
        QCOMPARE(Text(m_view, IDC_MIND_COUNT), QStringLiteral("1"));
        QCOMPARE(Text(m_view, IDC_CLIP1_COUNT), QStringLiteral("0"));
        QVERIFY(!m_view->Button(IDC_CLIPBOARD1)->IsFull());
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Normal"));
        // Apis. came only from the deleted symptom.
        QVERIFY(!RemedyNames(m_view->Engine()).contains(QStringLiteral("Apis")));
        // Mind now repertorises the one mind symptom left.
        Click(m_view->Button(IDC_MIND));
        QCOMPARE(m_view->Engine().SymptomCount(), 1);
    }

    void symptomListDeletingEverySymptomLeavesAnEmptyChart()
    {
        bool answered = false;
        AnswerDialog<CRecordedSymptomsDialog>(answered, [](CRecordedSymptomsDialog& dialog) {
            QListWidget* list = dialog.SymptomList();
            while (list->count() > 0) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
                QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            }
            QVERIFY(!dialog.DeleteButton()->isEnabled());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        m_view->OnCommand(ID_SYMPTOM_LIST);
        QVERIFY(answered);
        QCOMPARE(m_view->Engine().SymptomCount(), 0);
        QCOMPARE(m_view->Engine().RemedyCount(), 0);
        for (int id : {IDC_MIND_COUNT, IDC_GENERAL_COUNT, IDC_REST_COUNT, IDC_SYMPTOM_COUNT, IDC_REMEDY_COUNT})
            QCOMPARE(Text(m_view, id), QStringLiteral("0"));
        QVERIFY(!m_view->Button(IDC_MIND)->IsFull());
        QVERIFY(!m_view->grab().isNull());
        // The deleted symptoms can still be restored from the list; Repertorisation has nothing left.
        QVERIFY(App().MainFrame()->Action(ID_SYMPTOM_LIST)->isEnabled());
        QVERIFY(!App().MainFrame()->Action(ID_REPERTORISATION)->isEnabled());
        g_sink->Clear();
        Click(m_view->Button(IDC_MIND));
        QCOMPARE(g_sink->Texts(), (std::vector<std::string>{"Mind symptoms are not recorded"}));
    }

    void symptomListFromThePopupKeepsClipboardsOfTheCaseStore()
    {
        DragLineToClipboard(m_view, 6, 2); // symptom 4
        QCOMPARE(Text(m_view, IDC_CLIP3_COUNT), QStringLiteral("1"));
        g_sink->Clear();
        bool answered = false;
        AnswerDialog<CRecordedSymptomsDialog>(
            answered, [](CRecordedSymptomsDialog& dialog) { QTest::mouseClick(dialog.OkButton(), Qt::LeftButton); });
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->actions().at(0)->trigger();
            menu->close();
        });
        QTest::mouseClick(m_view, Qt::RightButton, {}, LineCentre(m_view, 4));
        QVERIFY(answered);
        QCOMPARE(Text(m_view, IDC_CLIP3_COUNT), QStringLiteral("1"));
        QVERIFY(m_view->Button(IDC_CLIPBOARD3)->IsFull());
        QCOMPARE(m_view->Engine().SymptomCount(), 6);
        Click(m_view->Button(IDC_CLIPBOARD3));
        QCOMPARE(
            DumpRows(m_view->DumpChartText(), 'S'), QStringList{QStringLiteral("S\t0\t[KT] HEAD - PAIN, throbbing")});
    }

    void symptomCoveredDropTellsWhenNoRemedyIsPicked()
    {
        const QPoint from = LineCentre(m_view, 2);
        const QPoint release(ControlX(m_view, 605), ControlY(m_view, 50));
        SendMouse(m_view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseButtonRelease, release, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(g_sink->Texts(), (std::vector<std::string>{"Remedy not selected"}));
        QVERIFY(m_view->Button(IDC_SYMPTOM_COVERED)->isEnabled());
    }

    void grabAfterSomeMethods()
    {
        Click(m_view->Button(IDC_GENERAL));
        DragLineToClipboard(m_view, 2, 1);
        Click(m_view->Button(IDC_SORTED));
        const QString file = qEnvironmentVariable("QUILLON_CHART_PNG");
        if (!file.isEmpty())
            QVERIFY(m_view->window()->grab().save(file, "PNG"));
        // The press of the drag cleared the method flags: Sorted now orders the general chart alone.
        QCOMPARE(Text(m_view, IDC_CAPTION), QStringLiteral("Repertorisation: Sorted List of Remedies"));
        QCOMPARE(m_view->Engine().SymptomCount(), 2);
    }

    void cleanupTestCase() { App().CloseAllViews(); }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    g_sink = &sink;
    CQuillonApp app(argc, argv, CPracticeFolder(folder.Path()), &sink);
    app.InitInstance();
    TestChartMethods test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestChartMethods.moc"
