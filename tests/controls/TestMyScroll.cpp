// The paged scroll bar widget steps by its own rules when its arrows and page areas are clicked.
#include "casedata/MessageSink.h"
#include "controls/MyScroll.h"

#include "support/WidgetTest.h"

#include <QTest>

using quillon::CMyScroll;

class TestMyScroll final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksStepByTheRulesOfTheOrientation()
    {
        // Each part reaches its step (the steps' rules are tested on their own): a page left below the page keeps
        // the position, a page up goes to zero.
        const struct
        {
            Qt::Orientation orientation;
            QStyle::SubControl part;
            int from, to;
        } rows[] = {{Qt::Horizontal, QStyle::SC_ScrollBarSubPage, 7, 7},
            {Qt::Horizontal, QStyle::SC_ScrollBarAddPage, 7, 18}, {Qt::Vertical, QStyle::SC_ScrollBarSubPage, 7, 0},
            {Qt::Vertical, QStyle::SC_ScrollBarAddLine, 0, 1}};
        for (const auto& row : rows) {
            QWidget parent;
            CMyScroll bar(row.orientation, &parent);
            bar.setGeometry(row.orientation == Qt::Horizontal ? QRect(0, 0, 400, 16) : QRect(0, 0, 16, 400));
            bar.SetRangeMaximum(30);
            bar.SetPage(11);
            bar.SetPosition(row.from);
            QVERIFY(quillon::testing::Shown(parent));
            int stepped = 0;
            connect(&bar, &CMyScroll::PositionStepped, &bar, [&](int) { ++stepped; });
            QTest::mouseClick(&bar, Qt::LeftButton, {}, quillon::testing::ScrollBarPart(&bar, row.part).center());
            QCOMPARE(bar.Position(), row.to);
            QCOMPARE(bar.value(), row.to);
            QCOMPARE(stepped, row.to != row.from ? 1 : 0);
        }
    }

    void negativePositionIsReportedOnLineLeft()
    {
        quillon::RecordingMessageSink sink;
        CMyScroll bar(Qt::Horizontal, nullptr);
        connect(&bar, &CMyScroll::NegativeLineLeft, &bar, [&sink] { sink.Show(quillon::kMsgLineLeftNegative); });
        bar.SetRangeMaximum(10);
        bar.SetPosition(-2);
        bar.LineLeft();
        QCOMPARE(bar.Position(), 0);
        QCOMPARE(sink.Texts(), std::vector<std::string>{"In LineMagnitude SBLineLeft"});
    }
};

QTEST_MAIN(TestMyScroll)
#include "TestMyScroll.moc"
