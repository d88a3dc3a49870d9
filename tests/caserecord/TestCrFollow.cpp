// The case-record view opened from the File menu: title, header line, the page shown and the failures.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CaseRecordPage.h"
#include "caserecord/CrFollow.h"
#include "fixtures/CaseRecordWriters.h"
#include "support/AppTest.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTextBlock>
#include <QTextTable>
#include <QtTest>

#include <filesystem>

namespace quillon {

namespace {

using testing::App;
using testing::Run;

// "Zoë Rao" and "Dr. Müller" in the data files' code page.
const std::string kPatientName = "Zo\xEB Rao";
const std::string kPhysicianName = "Dr. M\xFCller";

void WritePatientFiles(const testing::TempFolder& folder)
{
    std::vector<std::string> fields = fixtures::EmptyCaseRecordFields();
    fields[0] = "Headache <worse> at night & caf\xE9";
    fields[85] = "TRUE";
    folder.Write("P001.cas", fixtures::EncodeCaseRecord(fields));
    folder.Write("P001.flw",
        fixtures::EncodeFollowups({{"5/11/2002", "head : better", "Bell.", "30", "TDS", "good", {}},
            {"12/1/2003", "<a href=\"http://example.com\">link</a>", "", "", "", "", {}}}));
}

} // namespace

class TestCrFollow final : public QObject
{
    Q_OBJECT

    static CCrFollow* OpenFromMenu(const char* name)
    {
        QAction* action = App().MainFrame()->Action(name);
        if (!action || !action->isEnabled())
            return nullptr;
        action->trigger();
        return qobject_cast<CCrFollow*>(App().OpenView(kViewCaseRecord));
    }

private Q_SLOTS:
    void init()
    {
        App().CloseAllViews();
        Run().sink.Clear();
        WritePatientFiles(Run().folder);
        std::filesystem::remove(Run().folder.Path() / "template.html");
        App().State().m_strPatientFile = "P001";
        App().State().m_strPatientName = kPatientName;
        App().State().m_strPhysicianName = kPhysicianName;
        App().MainFrame()->UpdateCommandUI();
    }

    void caseRecordFromTheMenu()
    {
        CCrFollow* view = OpenFromMenu("fullCaseRecord");
        QVERIFY(view);
        QVERIFY(Run().sink.Messages().empty());
        QCOMPARE(view->windowTitle(), QStringLiteral("Full Case Record -- Zo\u00EB Rao"));
        QCOMPARE(view->PhysicianLabel()->text(), QStringLiteral("Dr. M\u00FCller"));
        QCOMPARE(view->PatientLabel()->text(), QStringLiteral("Zo\u00EB Rao"));

        // The browser shows the written page.
        const QString expectedPath
            = QString::fromStdString(std::filesystem::absolute(Run().folder.Path() / "template.html").string());
        CPageBrowser* browser = view->Browser();
        QCOMPARE(browser->PagePath(), expectedPath);
        QVERIFY(!browser->openLinks());

        const QString text = browser->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Headache <worse> at night & caf\u00E9")), qPrintable(text));
        // The page's bare "&nbsp" blanks show as blanks.
        QVERIFY2(!text.contains(QStringLiteral("&nbsp")), qPrintable(text));
    }

    void followupFromTheKeyboard()
    {
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F, Qt::ControlModifier);
        auto* view = qobject_cast<CCrFollow*>(App().OpenView(kViewCaseRecord));
        QVERIFY(view);
        QVERIFY(Run().sink.Messages().empty());
        QCOMPARE(view->windowTitle(), QStringLiteral("Patient Followup -- Zo\u00EB Rao"));

        // Markup of a record is shown as text, not followed as a link.
        QVERIFY(view->Browser()->toPlainText().contains(QStringLiteral("<a href=\"http://example.com\">link</a>")));
        QVERIFY(!view->Browser()->toHtml().contains(QStringLiteral("href=\"http")));

        // Rx, Potency, Repetition and Evaluation take 15, 15, 30 and 40 % of a visit's width, under the complaints
        // row that spans the last three.
        QTextDocument* page = view->Browser()->document();
        const QTextTable* visit = nullptr;
        for (QTextBlock block = page->begin(); block.isValid() && !visit; block = block.next())
            if (block.text() == QStringLiteral("Rx"))
                visit = QTextCursor(block).currentTable();
        QVERIFY(visit && visit->columns() == 4);
        std::vector<qreal> left;
        for (int c = 0; c < 4; ++c)
            left.push_back(
                page->documentLayout()->blockBoundingRect(visit->cellAt(2, c).firstCursorPosition().block()).left());
        const qreal rx = left[1] - left[0];
        QVERIFY2(std::abs((left[2] - left[1]) / rx - 1) < 0.2 && std::abs((left[3] - left[2]) / rx - 2) < 0.3,
            qPrintable(QStringLiteral("%1 %2 %3 %4").arg(left[0]).arg(left[1]).arg(left[2]).arg(left[3])));
    }

    void missingFilesShowAnEmptyBrowser_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no case record") << "fullCaseRecord"
                                        << "P001.cas" << QString::fromLatin1(kMsgNoCaseRecordData);
        QTest::newRow("no follow-up") << "followup"
                                      << "P001.flw" << QString::fromLatin1(kMsgNoFollowupData);
    }

    void missingFilesShowAnEmptyBrowser()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, message);
        std::filesystem::remove(Run().folder.Path() / file.toStdString());
        CCrFollow* view = OpenFromMenu(command.toLatin1().constData());
        QVERIFY(view);
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(view->windowTitle().endsWith(QStringLiteral(" -- Zo\u00EB Rao")));
        QVERIFY(view->Browser()->PagePath().isEmpty());
        QVERIFY(view->Browser()->toPlainText().isEmpty());
        QVERIFY(!std::filesystem::exists(Run().folder.Path() / "template.html"));
    }

    // Where the page cannot be written (a folder in its place stands for a folder the user cannot write) it is
    // shown from memory, and a link planted at the old scratch name is not written through.
    void pageThatCannotBeWrittenIsShownFromMemory()
    {
        const testing::TempFolder elsewhere;
        const std::filesystem::path outside = elsewhere.Write("other.txt", "keep me");
        const std::filesystem::path link = Run().folder.Path() / "template.html.quillon-tmp";
        std::filesystem::create_symlink(outside, link);
        std::filesystem::create_directory(Run().folder.Path() / "template.html");

        CCrFollow* view = OpenFromMenu("fullCaseRecord");
        QVERIFY(view);
        QVERIFY(Run().sink.Messages().empty());
        QVERIFY2(view->Browser()->toPlainText().contains(QStringLiteral("Headache <worse>")),
            qPrintable(view->Browser()->toPlainText()));
        QVERIFY(view->Browser()->PagePath().isEmpty());
        QCOMPARE(testing::ReadBytes(outside), std::string("keep me"));
        QCOMPARE(std::filesystem::read_symlink(link), outside);
        QVERIFY(std::filesystem::is_empty(Run().folder.Path() / "template.html"));
        std::filesystem::remove(link);
    }

    void browserLoadsOnlyThePage()
    {
        CCrFollow* view = OpenFromMenu("fullCaseRecord");
        QVERIFY(view);
        CPageBrowser* browser = view->Browser();
        const QUrl page = QUrl::fromLocalFile(browser->PagePath());
        QVERIFY(browser->loadResource(QTextDocument::HtmlResource, page).isValid());

        const QUrl other = QUrl::fromLocalFile(QString::fromStdString((Run().folder.Path() / "P001.cas").string()));
        for (const auto& [type, url] :
            {std::pair{QTextDocument::HtmlResource, other}, {QTextDocument::ImageResource, other},
                {QTextDocument::ImageResource, QUrl(QStringLiteral("http://example.com/a.png"))},
                {QTextDocument::HtmlResource, QUrl(QStringLiteral("https://example.com/"))}})
            QVERIFY2(!browser->loadResource(type, url).isValid(), qPrintable(url.toString()));
    }
};

} // namespace quillon

int main(int argc, char** argv)
{
    return quillon::testing::RunInPractice<quillon::TestCrFollow>(argc, argv, [](const auto&) {});
}

#include "TestCrFollow.moc"
