// The paged scroll bar widget steps by its own rules when its arrows and page areas are clicked.
#include "casedata/MessageSink.h"
#include "controls/MyScroll.h"

#include "support/WidgetTest.h"

#include <QTest>

using quillon::CMyScroll;

namespace {

QPoint ControlCentre(CMyScroll& bar, QStyle::SubControl control)
{
    return quillon::testing::ScrollBarPart(&bar, control).center();
}

} // namespace

class TestMyScroll final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageClicksFollowTheRules()
    {
        QWidget parent;
        CMyScroll bar(Qt::Horizontal, &parent, 1);
        bar.setGeometry(0, 0, 400, 16);
        bar.SetRangeMaximum(30);
        bar.SetPage(11);
        bar.SetPosition(7);
        QVERIFY(quillon::testing::Shown(parent));
        int stepped = 0;
        connect(&bar, &CMyScroll::PositionStepped, &bar, [&](int) { ++stepped; });

        // Page left below the page keeps the position.
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarSubPage));
        QCOMPARE(bar.Position(), 7);
        QCOMPARE(bar.value(), 7);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarAddPage));
        QCOMPARE(bar.Position(), 18);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarAddPage));
        QCOMPARE(bar.Position(), 29);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarAddPage));
        QCOMPARE(bar.Position(), 30);
        QCOMPARE(bar.value(), 30);
        QCOMPARE(stepped, 3);
    }

    void verticalPageBackGoesToZeroAndArrowsStep()
    {
        QWidget parent;
        CMyScroll bar(Qt::Vertical, &parent, 2);
        bar.setGeometry(0, 0, 16, 400);
        bar.SetRangeMaximum(30);
        bar.SetPage(11);
        bar.SetPosition(7);
        QVERIFY(quillon::testing::Shown(parent));
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarSubPage));
        QCOMPARE(bar.Position(), 0);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(bar.Position(), 1);
        bar.SetPosition(30);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, ControlCentre(bar, QStyle::SC_ScrollBarAddLine));
        QCOMPARE(bar.Position(), 30);
    }

    void negativePositionIsReportedOnLineLeft()
    {
        quillon::RecordingMessageSink sink;
        CMyScroll bar(Qt::Horizontal, nullptr);
        bar.SetMessageSink(&sink);
        bar.SetRangeMaximum(10);
        bar.SetPosition(-2);
        bar.LineLeft();
        QCOMPARE(bar.Position(), 0);
        QCOMPARE(sink.Texts(), std::vector<std::string>{"In LineMagnitude SBLineLeft"});
    }
};

QTEST_MAIN(TestMyScroll)
#include "TestMyScroll.moc"
