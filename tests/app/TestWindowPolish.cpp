// The window as a practitioner works in it, on the sample practice: wheel, keys, sizes and layouts, driven through
// real events on the real widgets.
#include "TestConfig.h"
#include "chart/ChartFixture.h"
#include "chart/WeightageDialog.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "sample/SampleGenerator.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"

#include <QSvgRenderer>
#include <QtWidgets>

using namespace quillon;
using quillon::testing::App;

namespace {

void Wheel(QWidget* widget, QPoint at, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent event(at, widget->mapToGlobal(at), {}, QPoint(0, 120 * notches), {}, modifiers, {}, false);
    QApplication::sendEvent(widget, &event);
}

QPoint Centre(const ChartRect& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The first x of row y, from the left (step 1) or the right (step -1), whose colour passes `is`.
template <typename F> int Find(const QImage& image, int y, int step, F is)
{
    int x = step > 0 ? 0 : image.width() - 1;
    while (x >= 0 && x < image.width() && !is(image.pixelColor(x, y)))
        x += step;
    return x;
}

// The names a screen reader reads, entry by entry, of every menu item under `entry`, with their shortcuts.
void ReadMenuItems(QAccessibleInterface* entry, QStringList& names, QStringList& shortcuts)
{
    for (int i = 0; i < entry->childCount(); ++i) {
        QAccessibleInterface* child = entry->child(i);
        if (child->role() == QAccessible::MenuItem) {
            names << child->text(QAccessible::Name);
            shortcuts << child->text(QAccessible::Accelerator);
        }
        ReadMenuItems(child, names, shortcuts);
    }
}

} // namespace

class TestWindowPolish final : public QObject
{
    Q_OBJECT

    CRepView* m_view = nullptr;

private Q_SLOTS:
    void init() { QVERIFY((m_view = testing::OpenChartOf("1001", "Anna Berger", testing::Run().sink))); }

    void wheelAndKeysMoveBarAndRowsTogether()
    {
        // Where: 0 the symptom bar, 1 the chart (the wheel scrolls alike wherever it is turned over it), 3 a key; the
        // chart starts at symptom 4, remedy 20. An arrow brings the cell cursor to the nearest cell in sight and moves
        // it from there: the chart scrolls only when it would leave the sight (up and left).
        const struct
        {
            int where, notchesOrKey, shift, symptoms, remedies;
        } rows[]
            = {{0, -2, 0, 10, 20}, {1, -1, 0, 7, 20}, {1, -2, 1, 4, 26}, {1, 2, 0, 0, 20}, {3, Qt::Key_Down, 0, 4, 20},
                {3, Qt::Key_Up, 0, 3, 20}, {3, Qt::Key_PageDown, 0, 7, 20}, {3, Qt::Key_PageUp, 0, 1, 20},
                {3, Qt::Key_Right, 0, 4, 20}, {3, Qt::Key_Left, 0, 4, 19}, {3, Qt::Key_PageDown, 1, 4, 31},
                {3, Qt::Key_PageUp, 1, 4, 9}, {3, Qt::Key_Home, 0, 4, 0}, {3, Qt::Key_End, 0, 4, -1}};
        for (const auto& row : rows) {
            init();
            CMyScroll* bar = m_view->ScrollBar(FormPart::SymptomScroll);
            bar->SetPosition(4);
            m_view->ScrollToRemedy(20);
            const auto shift = row.shift ? Qt::ShiftModifier : Qt::NoModifier;
            const QPoint at = Centre(m_view->Geometry().SymptomLineRect(5));
            if (row.where == 3)
                QTest::keyClick(m_view, Qt::Key(row.notchesOrKey), shift);
            else
                Wheel(row.where ? m_view : static_cast<QWidget*>(bar), row.where ? at : QPoint(5, 5), row.notchesOrKey,
                    shift);
            const int last = m_view->ScrollBar(FormPart::RemedyScroll)->maximum();
            QCOMPARE(bar->value(), row.symptoms);
            QCOMPARE(m_view->PaintState().remedyPosition, row.remedies < 0 ? last : row.remedies);
            // The rows were painted anew at once, so the next arrow step moves one line from there.
            QCOMPARE(m_view->SymptomRepaints() * 10 + m_view->RemedyRepaints(),
                (row.symptoms != 4) * 10 + 1 + (row.remedies != 20));
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QCOMPARE(m_view->PaintState().symptomPosition, row.symptoms + 1);
        }
    }

    void restoredChartFrameScrollsToEveryControl()
    {
        auto* scroller = qobject_cast<QScrollArea*>(m_view->parentWidget()->parentWidget());
        QVERIFY(scroller);
        scroller->parentWidget()->showNormal();
        QVERIFY(scroller->width() > 400 && scroller->height() > 300);
        scroller->parentWidget()->resize(500, 300);
        for (FormPart id : {FormPart::Mind, FormPart::SymptomCovered, FormPart::RemedyCount, FormPart::RemedyScroll}) {
            scroller->ensureWidgetVisible(m_view->Control(id), 0, 0);
            const QRect shown(m_view->Control(id)->mapTo(scroller->viewport(), QPoint()), m_view->Control(id)->size());
            QVERIFY(m_view->rect().contains(m_view->Control(id)->geometry())
                && scroller->viewport()->rect().contains(shown));
        }
    }

    void menuItemsReadTheirShortcutsApart()
    {
        QStringList names, shortcuts;
        ReadMenuItems(QAccessible::queryAccessibleInterface(App().MainFrame()->menuBar()), names, shortcuts);
        // The shortcut is read apart from the name; an item without one reads its mnemonic there.
        const struct
        {
            const char* name;
            const char* shortcut;
        } rows[] = {{"Open Practice Folder…", "Ctrl+O"}, {"Select Patient", "F2"}, {"Open Analysis…", "Alt+e"}};
        for (const auto& row : rows) {
            const qsizetype at = names.indexOf(QString::fromUtf8(row.name));
            QVERIFY2(at >= 0, row.name);
            QCOMPARE(shortcuts[at], QString::fromUtf8(row.shortcut));
        }
    }

    void weightageHeadingTooltipAndWheelOverLists()
    {
        CWeightageModel model(App().State().m_mapRepSymptoms, {});
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        const QImage image = dialog.grab().toImage();
        for (int y = 65; y < 85; ++y) // the black heading ends before the red title starts
            QVERIFY(Find(image, y, -1, [](QColor c) { return qGray(c.rgb()) < 100 && c.red() < 200; })
                < Find(image, y, 1, [](QColor c) { return c.red() > 200 && c.green() < 120; }));
        QHelpEvent help(QEvent::ToolTip, CWeightageDlg::RowBand(1).center(), QPoint());
        QApplication::sendEvent(&dialog, &help);
        QCOMPARE(QToolTip::text(), FromData(model.SymptomText(1)));
        // The dialog opens on OK. The wheel over a list that holds the focus without showing it scrolls the rows
        // and leaves the intensity; once the keyboard has brought the focus there and it shows, it chooses.
        QCOMPARE(dialog.focusWidget(), dialog.OkButton());
        QApplication::setActiveWindow(&dialog);
        dialog.IntensityList(0)->setFocus();
        Wheel(dialog.IntensityList(0), QPoint(5, 5), -2);
        QCOMPARE(model.Intensity(0) * 10 + model.ShownPosition(), 16);
        const QImage unfocused = dialog.IntensityList(1)->grab().toImage();
        QTest::keyClick(dialog.IntensityList(0), Qt::Key_Tab);
        QVERIFY(dialog.IntensityList(1)->hasFocus() && dialog.IntensityList(1)->grab().toImage() != unfocused);
        Wheel(dialog.IntensityList(1), QPoint(5, 5), -1);
        QCOMPARE(model.Intensity(7) * 10 + model.ShownPosition(), 26);
    }

    void symptomLinesShowTheWholeRubricAsATooltip()
    {
        m_view->ScrollBar(FormPart::SymptomScroll)->SetPosition(3);
        const auto tip = [this](const ChartRect& where) {
            QHelpEvent help(QEvent::ToolTip, Centre(where), m_view->mapToGlobal(Centre(where)));
            QApplication::sendEvent(m_view, &help);
            return QToolTip::text();
        };
        // Line 3 shows symptom 3 + 1; its rubric is whole in the tooltip, with the repertory's mark before it.
        const std::string text = m_view->Engine().Symptom(4)->m_pszText;
        const QString rubric = FromData(std::string_view(text).substr(text.find(']') + 1));
        QVERIFY2(tip(m_view->Geometry().SymptomLineRect(3)).endsWith(rubric) && rubric.size() > 20, qPrintable(rubric));
        QVERIFY(!tip(m_view->Geometry().SymptomLineRect(4)).endsWith(rubric));
    }

    void recordedSymptomsOpenInTheSymptomList()
    {
        testing::WithShown<QDialog>([] { App().RunRecordedSymptomsDialog(0); },
            [](QDialog& dialog) {
                QCOMPARE(dialog.objectName(), QStringLiteral("RecordedSymptomsDialog"));
                QCOMPARE(dialog.focusWidget(), dialog.findChild<QListWidget*>(QStringLiteral("symptomList")));
            });
    }

    // Quillon's own picture, the one the install puts in the icon theme, on the main window, the chart's child
    // window, dialogs and the About box.
    void quillonIconEverywhere()
    {
        QSvgRenderer installed(QStringLiteral(QUILLON_SOURCE_DIR "/packaging/quillon.svg"));
        QImage expected(32, 32, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        installed.render(&painter);
        painter.end();
        const auto isQuillon = [&](const QIcon& icon) {
            return icon.pixmap(32, 32).toImage().convertToFormat(expected.format()) == expected;
        };
        auto* child = qobject_cast<QMdiSubWindow*>(m_view->parentWidget());
        for (QWidget* widget = m_view; widget && !child; widget = widget->parentWidget())
            child = qobject_cast<QMdiSubWindow*>(widget);
        QVERIFY(child && isQuillon(child->windowIcon()) && isQuillon(App().MainFrame()->windowIcon()));
        testing::WithShown<QDialog>([] { App().MainFrame()->Action("about")->trigger(); },
            [&](QDialog& about) {
                QVERIFY(isQuillon(about.windowIcon()));
                const QImage shown = about.findChild<QLabel*>(QStringLiteral("aboutIcon"))->pixmap().toImage();
                QVERIFY(
                    shown.width() >= 48 && shown.pixelColor(shown.width() / 2, shown.height() * 3 / 4).blue() > 100);
            });
    }

    void tabReachesEveryButtonAndTheChart()
    {
        QApplication::setActiveWindow(m_view->window());
        QSet<QWidget*> reached;
        for (int i = 0; i < 20; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            reached << QApplication::focusWidget();
        for (CPictureButton* button : m_view->findChildren<CPictureButton*>())
            QVERIFY(
                (reached.contains(button) || !button->isEnabled()) && button->accessibleName() == button->toolTip());
        // The chart shows that it has the focus; Enter presses the focused button.
        const QRect chart(0, m_view->Geometry().Cy(150), m_view->width(), m_view->Geometry().Cy(300));
        m_view->setFocus();
        const QImage focused = m_view->grab(chart).toImage();
        m_view->Button(FormPart::Mind)->setFocus();
        QVERIFY(reached.contains(m_view) && m_view->grab(chart).toImage() != focused);
        QTest::keyClick(m_view->Button(FormPart::Mind), Qt::Key_Return);
        QCOMPARE(m_view->Engine().SymptomCount(), App().State().MindCount());
    }

    void countsAndCaptionBehindAnOpenKingdomDialog()
    {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            shown << m_view->Static(FormPart::RemedyCount)->text() << QString::number(m_view->Engine().RemedyCount())
                  << m_view->Static(FormPart::Caption)->text().left(28);
            QApplication::activeModalWidget()->close();
        });
        QTest::mouseClick(m_view->Button(FormPart::PlantFilter), Qt::LeftButton);
        QCOMPARE(shown.value(0) + shown.value(2), shown.value(1) + QStringLiteral("Repertorisation: Drug Filter"));
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestWindowPolish>(argc, argv, [](const testing::TempFolder& folder) {
        sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    });
}

#include "TestWindowPolish.moc"
