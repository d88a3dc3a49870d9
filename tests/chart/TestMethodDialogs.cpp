// The Drug Filter and Weightage dialogs driven through their widgets.
#include "chart/WeightageDialog.h"
#include "filters/DrugFilterDialog.h"

#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "engine/MethodsFixture.h"
#include "support/WidgetTest.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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

// What a screen reader reads for an intensity list: the name of the label it is labelled by and its description.
QString LabelledBy(QWidget* list)
{
    const auto labels = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
    return labels.size() == 1 ? labels.front().first->text(QAccessible::Name) : QString();
}

} // namespace

class TestMethodDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The boxes show the model's choice and Space adds to it (what the choice means is the model's, tested there).
    void drugFilterBoxesOk()
    {
        CDrugFilterModel model(std::vector<int>{kHot});
        CDrugFilterDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        QVERIFY(dialog.PropertyBox(kHot)->isChecked());
        PressKey(dialog.PropertyBox(kPsoric), Qt::Key_Space);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.Result().m_nMask, 0x21u);
    }

    // One list per symptom up to a page, each labelled by its rubric for a screen reader; "symptom 1" and
    // "symptom 10" start alike, and a page down from twelve shows 5..11, the end of the list.
    void weightageListsFollowTheSymptomsAndAreLabelledByThem_data()
    {
        QTest::addColumn<int>("symptoms");
        QTest::addColumn<bool>("pageDown");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("lists");
        QTest::addColumn<bool>("bar");
        QTest::newRow("none") << 0 << false << 0 << 1 << false;
        QTest::newRow("three") << 3 << false << 0 << 3 << false;
        QTest::newRow("eight") << 8 << false << 0 << kWeightageRows << true;
        QTest::newRow("twelve, paged down") << 12 << true << 5 << kWeightageRows << true;
    }

    void weightageListsFollowTheSymptomsAndAreLabelledByThem()
    {
        QFETCH(int, symptoms);
        QFETCH(bool, pageDown);
        QFETCH(int, first);
        QFETCH(int, lists);
        QFETCH(bool, bar);
        const Symptoms records(symptoms);
        CWeightageModel model(records.set, {});
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        if (pageDown)
            dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(dialog.IntensityList(0)->count(), 10);
        QCOMPARE(dialog.ScrollBar()->isVisible(), bar);
        for (int r = 0; r < kWeightageRows; ++r) {
            QCOMPARE(dialog.IntensityList(r)->isVisible(), r < lists);
            QLabel* rubric = dialog.RubricLabel(r);
            // A row place without a symptom has no rubric to read.
            QCOMPARE(rubric->isVisible(), r < std::min(lists, symptoms));
            if (!rubric->isVisible())
                continue;
            const QString text = QStringLiteral("MIND - symptom %1").arg(first + r);
            QCOMPARE(rubric->text(), text);
            QCOMPARE(LabelledBy(dialog.IntensityList(r)), text);
            QCOMPARE(QAccessible::queryAccessibleInterface(dialog.IntensityList(r))->text(QAccessible::Description),
                QStringLiteral("Intensity of %1").arg(text));
        }
    }

    void weightageRubricShowsItsStartAndIsReadWhole()
    {
        // A rubric longer than its band and holding "&", which a label would otherwise take for a mnemonic.
        Symptoms records(2);
        const std::string tail(60, 'x');
        records.records[0]->m_pszText = "MIND - anxiety & fear, " + tail;
        CWeightageModel model(records.set, {});
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        const QString whole = QString::fromStdString(records.records[0]->m_pszText);
        QLabel* rubric = dialog.RubricLabel(0);
        QVERIFY(rubric->text().startsWith(QStringLiteral("MIND - anxiety && fear, xxx")));
        QVERIFY(rubric->text().endsWith(QChar(0x2026)));
        QCOMPARE(LabelledBy(dialog.IntensityList(0)), whole);
        QCOMPARE(LabelledBy(dialog.IntensityList(1)), QStringLiteral("MIND - symptom 1"));
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
    }
};

QTEST_MAIN(TestMethodDialogs)
#include "TestMethodDialogs.moc"
