// The Drug Filter and Weightage dialogs driven through their widgets, alone and from the chart's methods.
#include "filters/DrugFilterDialog.h"
#include "repertory/WeightageDialog.h"

#include "MethodsFixture.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

using namespace quillon;
using namespace quillon::testing;

namespace {

void Toggle(QCheckBox* box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
}

// Runs `act` on the modal dialog of type D once it is open.
template <typename D, typename F> void WhenOpen(F act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        act(*dialog);
    });
}

} // namespace

class TestMethodDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drugFilterBoxesGroupsAndOk()
    {
        RecordingMessageSink sink;
        CQuillonState state(CPracticeFolder(), sink);
        CDrugFilterModel model(std::vector<int>{kHot});
        CDrugFilterDlg dialog(model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Drug Filter"));
        QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 31);
        QCOMPARE(dialog.PropertyBox(4)->text(), QStringLiteral("S&yphilitic"));
        QCOMPARE(dialog.PropertyBox(24)->text(), QStringLiteral("U. Rt. Low Lt."));
        QCOMPARE(dialog.PropertyBox(1)->objectName(), QStringLiteral("property1069"));
        QCOMPARE(dialog.GroupBox(0)->title(), QStringLiteral("Stage"));
        QCOMPARE(dialog.GroupBox(3)->title(), QStringLiteral("Thermal State"));
        QCOMPARE(dialog.GroupBox(6)->title(), QStringLiteral("Drug Source"));
        QCOMPARE(dialog.PropertyBox(1)->parentWidget(), dialog.GroupBox(1));
        QVERIFY(dialog.PropertyBox(kHot)->isChecked());
        QVERIFY(!dialog.PropertyBox(kPsoric)->isChecked());

        Toggle(dialog.PropertyBox(kPsoric));
        Toggle(dialog.PropertyBox(4));
        Toggle(dialog.PropertyBox(4));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const DrugFilterResult result = model.Ok(state);
        QCOMPARE(state.m_nDrugPropertyMask, 0x21u);
        QCOMPARE(result.m_strDescription, std::string("Psoric, Hot"));
    }

    void drugFilterCancelLeavesTheModel()
    {
        CDrugFilterModel model;
        CDrugFilterDlg dialog(model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(model.Result().m_nMask, 0u);
    }

    void drugFilterFromTheChartReopensWithTheLastOk()
    {
        MethodsCase c;
        CDrugFilterDialogChooser chooser(nullptr);
        c.methods->SetChoosers(&c.weightage, &chooser, &c.kingdom);

        WhenOpen<CDrugFilterDlg>([](CDrugFilterDlg& dialog) {
            Toggle(dialog.PropertyBox(kHot));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        QCOMPARE(c.methods->OnDrugFilter(), MethodOutcome::Refreshed);
        QCOMPARE(c.methods->BuildCaption(), std::string("Repertorisation: Drug Filter     Hot"));
        QCOMPARE(c.engine->RemedyCount(), 5);

        bool hotShown = false;
        WhenOpen<CDrugFilterDlg>([&hotShown](CDrugFilterDlg& dialog) {
            hotShown = dialog.PropertyBox(kHot)->isChecked();
            Toggle(dialog.PropertyBox(kPsoric));
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        });
        QCOMPARE(c.methods->OnDrugFilter(), MethodOutcome::Refreshed);
        QVERIFY(hotShown);
        QVERIFY(c.methods->Flags().m_bNormal);
        QCOMPARE(c.state.m_arrDrugFilterChoice, std::vector<int>{kHot});
    }

    void weightageListsFollowTheSymptomCount()
    {
        const auto three = MakeSymptoms(3);
        const auto threeSet = Borrow(three);
        CWeightageModel small(threeSet, {});
        CWeightageDlg dialog(small);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Weightage Repertorisation"));
        for (int r = 0; r < kWeightageRows; ++r) {
            QCOMPARE(dialog.IntensityList(r)->isVisible(), r < 3);
            QCOMPARE(dialog.IntensityList(r)->count(), 10);
        }
        QCOMPARE(dialog.IntensityList(0)->itemText(9), QStringLiteral("9"));
        QVERIFY(!dialog.ScrollBar()->isVisible());
        QVERIFY(!dialog.grab().isNull());

        const std::vector<CSymptomRecord*> none;
        CWeightageModel empty(none, {});
        CWeightageDlg emptyDialog(empty);
        emptyDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&emptyDialog));
        QVERIFY(emptyDialog.IntensityList(0)->isVisible());
        QVERIFY(!emptyDialog.IntensityList(1)->isVisible());

        const auto eight = MakeSymptoms(8);
        const auto eightSet = Borrow(eight);
        CWeightageModel scrolled(eightSet, {});
        CWeightageDlg scrolledDialog(scrolled);
        scrolledDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scrolledDialog));
        QVERIFY(scrolledDialog.ScrollBar()->isVisible());
        QCOMPARE(scrolledDialog.ScrollBar()->maximum(), 1);
        QVERIFY(scrolledDialog.IntensityList(6)->isVisible());
    }

    void weightageChoosesScrollsAndDragsTheThumb()
    {
        const auto records = MakeSymptoms(20);
        const auto set = Borrow(records);
        std::vector<IntensityEntry> stored;
        for (int i = 0; i < 20; ++i)
            stored.push_back({i, i % 10});
        CWeightageModel model(set, stored);
        CWeightageDlg dialog(model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.IntensityList(3)->currentIndex(), 3);

        // Choosing in row 1 sets symptom 1.
        QComboBox* list = dialog.IntensityList(1);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(model.Intensity(1), 2);

        // A page down shows symptoms 5.. and a choice in row 0 belongs to symptom 5.
        dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(model.Position(), 5);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 5);
        dialog.IntensityList(0)->setFocus();
        QTest::keyClick(dialog.IntensityList(0), Qt::Key_Up);
        QCOMPARE(model.Intensity(5), 4);

        // Dragging the thumb leaves the rows until it is released.
        CMyScroll* bar = dialog.ScrollBar();
        bar->setSliderDown(true);
        bar->setSliderPosition(12);
        QCOMPARE(model.Position(), 12);
        QCOMPARE(model.ShownPosition(), 5);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 4);
        bar->setSliderDown(false);
        QCOMPARE(model.ShownPosition(), 12);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 2);
        QVERIFY(!dialog.grab().isNull());

        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto entries = model.Ok();
        QCOMPARE(entries.size(), std::size_t(20));
        QCOMPARE(entries[1].intensity, 2);
        QCOMPARE(entries[5].intensity, 4);
    }

    void weightageFromTheChart()
    {
        MethodsCase c;
        CWeightageDialogChooser chooser(nullptr);
        c.methods->SetChoosers(&chooser, &c.drugFilter, &c.kingdom);
        WhenOpen<CWeightageDlg>([](CWeightageDlg& dialog) {
            QComboBox* list = dialog.IntensityList(0);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Up); // intensity 0 for the first symptom
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        QCOMPARE(c.methods->OnWeightage(), MethodOutcome::Refreshed);
        QCOMPARE(c.methods->BuildCaption(), std::string("Repertorisation: Weightage"));
        QCOMPARE(c.Rows().back(), std::string("Lach 0 1"));

        WhenOpen<CWeightageDlg>([](CWeightageDlg& dialog) {
            QCOMPARE(dialog.IntensityList(0)->currentIndex(), 0);
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        });
        QCOMPARE(c.methods->OnWeightage(), MethodOutcome::Unchanged);
    }
};

QTEST_MAIN(TestMethodDialogs)
#include "TestMethodDialogs.moc"
