// The Select Patient dialog on a practice of eight patients: its search, its sortable columns and the order it
// remembers, a list that grows with the window, and the keyboard from the search into the list.
#include "app/QuillonApp.h"
#include "fixtures/CaseWriters.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"
#include "symptoms/SelectPatientDialog.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

using namespace quillon;
using namespace quillon::fixtures;
using testing::App;
using testing::Run;

namespace {

// Names in Windows-1252, as the index holds them. Near misses: "Rene" beside "Renée", 2100 holds "100" but does
// not start with it, "99" is the smallest number but the last text; an age left empty is no number and sorts after
// every one, though as a text it comes first.
const std::vector<PatientSpec> kPatients{
    {"1003", "Ren\351e Dubois", "52", "03/04/2002"},
    {"1010", "Rene Martin", "41", "05/11/2002"},
    {"2100", "Ir\350ne Kowalski", "7", "01/02/2003"},
    {"99", "Marc DUBOIS", "68", "28/02/2002"},
    {"1001", "Asha Rao", "34", "12/12/2001"},
    {"305", "\311mile Zola", "9", "30/06/2002"},
    {"2200", "Ben Cole", "100", "15/03/2002"},
    {"412", "Anna Berger", "", "01/01/2004"},
};

void WritePractice(const testing::TempFolder& folder)
{
    folder.Write("PatDet.txt", EncodePatientIndex("Dr. Meera Iyer", kPatients));
    const VisitSpec visit{5, 11, 2002, {SymptomSpec{"MIND - ANXIETY", 'M', 1, 2, {{0, 3}, {1, 1}}}}};
    for (const PatientSpec& patient : kPatients)
        folder.Write(patient.regNo + ".rsy", EncodeRsy({visit}));
    folder.WriteCatalogue({{"Acon.", "Aconitum napellus", 0}, {"Bell.", "Belladonna", 0}});
}

// The column's texts from the top of the list down.
using Texts = std::vector<std::string>;
Texts Column(const QTableView* list, int column)
{
    Texts texts;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        texts.push_back(list->model()->index(r, column).data().toString().toStdString());
    return texts;
}

std::unique_ptr<CSelectPatientDialog> ShownDialog()
{
    auto dialog = std::make_unique<CSelectPatientDialog>(App().State(), App().MainFrame());
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

void ClickHeader(QTableView* list, int column)
{
    QHeaderView* header = list->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

} // namespace

class TestSelectPatientDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Run().sink.Clear();
        testing::ResetToNoPatient();
        QSettings(QStringLiteral("Quillon"), QStringLiteral("Quillon")).remove(QStringLiteral("SelectPatient"));
    }

    // The search keeps a registration number's start or any part of a name, without regard to case or accents.
    void searchKeepsTheMatchingPatients()
    {
        const auto dialog = ShownDialog();
        QVERIFY(dialog);
        const struct
        {
            const char* typed;
            Texts regNos;
        } cases[] = {
            {"", {"1003", "1010", "2100", "99", "1001", "305", "2200", "412"}},
            {"rene", {"1003", "1010", "2100"}},
            {"REN\303\211E", {"1003"}}, // "RENÉE" in UTF-8 leaves "Rene" out
            {"dubois", {"1003", "99"}},
            {"emile", {"305"}},
            {"100", {"1003", "1001"}}, // 1010, 2100 and the age 100 left out
            {"  ben ", {"2200"}},
            {"zz", {}},
        };
        for (const auto& c : cases) {
            dialog->SearchEdit()->clear();
            QTest::keyClicks(dialog->SearchEdit(), QString::fromUtf8(c.typed));
            QVERIFY2(Column(dialog->List(), 0) == c.regNos, c.typed);
        }
    }

    // A click on a column's title sorts by it (numbers by value, dates by date), a second click the other way; the
    // next dialog opens in the order left.
    void columnsSortAndTheOrderIsRemembered()
    {
        {
            const auto dialog = ShownDialog();
            QVERIFY(dialog);
            QTableView* list = dialog->List();
            const struct
            {
                int column;
                Texts regNos;
            } clicks[] = {
                {0, {"99", "305", "412", "1001", "1003", "1010", "2100", "2200"}},
                {0, {"2200", "2100", "1010", "1003", "1001", "412", "305", "99"}},
                {1, {"412", "1001", "2200", "305", "2100", "99", "1010", "1003"}},
                {3, {"1001", "99", "2200", "1003", "305", "1010", "2100", "412"}},
                {2, {"2100", "305", "1001", "1010", "1003", "99", "2200", "412"}},
                {2, {"412", "2200", "99", "1003", "1010", "1001", "305", "2100"}},
            };
            for (const auto& click : clicks) {
                ClickHeader(list, click.column);
                QCOMPARE(Column(list, 0), click.regNos);
            }
            // The search keeps the order.
            QTest::keyClicks(dialog->SearchEdit(), QStringLiteral("dubois"));
            QCOMPARE(Column(list, 0), (Texts{"99", "1003"}));
        }
        const auto again = ShownDialog();
        QVERIFY(again);
        QCOMPARE(again->List()->horizontalHeader()->sortIndicatorSection(), 2);
        QCOMPARE(again->List()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(Column(again->List(), 2), (Texts{"", "100", "68", "52", "41", "34", "9", "7"}));
    }

    // The list shows many rows and grows with the dialog.
    void listGrowsWithTheDialog()
    {
        const auto dialog = ShownDialog();
        QVERIFY(dialog);
        QTableView* list = dialog->List();
        const int rowHeight = list->verticalHeader()->defaultSectionSize();
        QVERIFY2(list->viewport()->height() >= 15 * rowHeight, qPrintable(QString::number(list->viewport()->height())));
        const QSize before = list->size();
        dialog->resize(dialog->width() + 120, dialog->height() + 150);
        QTRY_COMPARE(list->size(), before + QSize(120, 150));
    }

    // The search has the focus first; Down goes into the list on its first row. Return before a row is chosen
    // says what to do, unless the search left one patient, whom it chooses.
    void keyboardFromTheSearchIntoTheList()
    {
        auto dialog = ShownDialog();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->SearchEdit()->hasFocus());
        QTest::keyClicks(dialog->SearchEdit(), QStringLiteral("dubois"));
        QTest::keyClick(dialog->SearchEdit(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Run().sink.Texts(),
            std::vector<std::string>{"Choose a patient first: click a row, or type part of the name or the "
                                     "registration number in Search and press Down. Then press OK."});
        QVERIFY(App().State().m_strPatientFile.empty());

        QTest::keyClick(dialog->SearchEdit(), Qt::Key_Down);
        QVERIFY(dialog->List()->hasFocus());
        QCOMPARE(App().State().m_strPatientFile, std::string("1003"));
        QTest::keyClick(dialog->List(), Qt::Key_Down);
        QCOMPARE(App().State().m_strPatientFile, std::string("99"));

        // One patient left: Return chooses him.
        dialog = ShownDialog();
        QVERIFY(dialog);
        Run().sink.Clear();
        testing::ResetToNoPatient();
        QTest::keyClicks(dialog->SearchEdit(), QStringLiteral("kowal"));
        QTest::keyClick(dialog->SearchEdit(), Qt::Key_Return);
        QCOMPARE(App().State().m_strPatientFile, std::string("2100"));
        QVERIFY(Run().sink.Texts().empty());
        QVERIFY(!dialog->isVisible());
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestSelectPatientDialog>(argc, argv, WritePractice);
}

#include "TestSelectPatientDialog.moc"
