// The Drug Filter and Weightage dialogs driven through their widgets.
#include "chart/WeightageDialog.h"
#include "filters/DrugFilterDialog.h"

#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "engine/MethodsFixture.h"
#include "support/WidgetTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

using namespace quillon;
using namespace quillon::testing;

namespace {

// A key pressed on the widget once it has the focus.
void PressKey(QWidget* widget, Qt::Key key)
{
    widget->setFocus();
    QTest::keyClick(widget, key);
}

} // namespace

class TestMethodDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drugFilterBoxesOkAndCancel()
    {
        RecordingMessageSink sink;
        CQuillonState state(CPracticeFolder(), sink);
        CDrugFilterModel model(std::vector<int>{kHot});
        CDrugFilterDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        QCOMPARE(dialog.findChildren<QCheckBox*>().size(), kDrugPropertyCount);
        QVERIFY(dialog.PropertyBox(kHot)->isChecked());
        PressKey(dialog.PropertyBox(kPsoric), Qt::Key_Space);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.Ok(state).m_strDescription, std::string("Psoric, Hot"));
        QCOMPARE(state.m_nDrugPropertyMask, 0x21u);
    }

    void weightageListsFollowTheSymptomCount_data()
    {
        QTest::addColumn<int>("symptoms");
        QTest::addColumn<int>("lists");
        QTest::addColumn<bool>("bar");
        QTest::newRow("none") << 0 << 1 << false;
        QTest::newRow("three") << 3 << 3 << false;
        QTest::newRow("eight") << 8 << kWeightageRows << true;
    }

    void weightageListsFollowTheSymptomCount()
    {
        QFETCH(int, symptoms);
        QFETCH(int, lists);
        QFETCH(bool, bar);
        const Symptoms records(symptoms);
        CWeightageModel model(records.set, {});
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        for (int r = 0; r < kWeightageRows; ++r)
            QCOMPARE(dialog.IntensityList(r)->isVisible(), r < lists);
        QCOMPARE(dialog.IntensityList(0)->count(), 10);
        QCOMPARE(dialog.ScrollBar()->isVisible(), bar);
    }

    void weightageChoosesScrollsAndDragsTheThumb()
    {
        const Symptoms records(20);
        std::vector<IntensityEntry> stored;
        for (int i = 0; i < 20; ++i)
            stored.push_back({i, i % 10});
        CWeightageModel model(records.set, stored);
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        QCOMPARE(dialog.IntensityList(3)->currentIndex(), 3);
        PressKey(dialog.IntensityList(1), Qt::Key_Down);
        QCOMPARE(model.Intensity(1), 2);

        // A page down shows symptoms 5.. and a choice in row 0 belongs to symptom 5.
        dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 5);
        PressKey(dialog.IntensityList(0), Qt::Key_Up);
        QCOMPARE(model.Intensity(5), 4);

        // Dragging the thumb leaves the rows until it is released.
        CMyScroll* bar = dialog.ScrollBar();
        bar->setSliderDown(true);
        bar->setSliderPosition(12);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 4);
        bar->setSliderDown(false);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 2);

        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto entries = model.Ok();
        QCOMPARE(entries[1].intensity, 2);
        QCOMPARE(entries[5].intensity, 4);
    }
};

QTEST_MAIN(TestMethodDialogs)
#include "TestMethodDialogs.moc"
