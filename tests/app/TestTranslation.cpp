// The program under a German locale (CTest sets LANGUAGE=de): the translation file found beside the programs and
// installed as the program does at start-up, then the menus, a dialog and the messages (the window's and the
// core's) read in German.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "casebook/CaseBookJson.h"
#include "casedata/CountedText.h"
#include "casedata/Translatable.h"
#include "controls/DisplayText.h"
#include "controls/Translation.h"
#include "fixtures/CaseWriters.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"
#include "symptoms/SelectPatientDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::App;

namespace {

RecordingMessageSink* g_sink = nullptr;

void WritePractice(const testing::TempFolder& folder)
{
    folder.Write("PatDet.txt",
        EncodePatientIndex(
            "Dr. Meera Iyer", {{"101", "Asha Rao", "34", "05/11/2002"}, {"103", "Cyrus Bay", "61", "x"}}));
    const VisitSpec visit{5, 11, 2002, {SymptomSpec{"MIND - ANXIETY", 'M', 1, 2, {{0, 3}, {1, 1}}}}};
    folder.Write("101.rsy", EncodeRsy({visit}));
    folder.Write("103.rsy", "RSYFILE1"); // a visit file without visits
    folder.WriteCatalogue({{"Acon.", "Aconitum napellus", 0}, {"Bell.", "Belladonna", 0}});
}

} // namespace

class TestTranslation final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { g_sink->Clear(); }

    void menusSpeakGerman()
    {
        QStringList titles;
        for (QAction* menu : App().MainFrame()->menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles.mid(0, 1), QStringList{QStringLiteral("&Datei")});
        QVERIFY2(!titles.contains(QStringLiteral("&File")) && !titles.contains(QStringLiteral("&Help")),
            qPrintable(titles.join(QLatin1Char(' '))));
        // An action of each kind: a plain command, one with a function key, one with Ctrl, one of the Help menu.
        // The label is the command alone; the menu shows the key as the desktop's language names it.
        const struct
        {
            const char* id;
            const char* label;
            const char* key;
        } actions[] = {
            {"selectPatient", "&Patient auswählen", "F2"},
            {"exit", "Bee&nden", ""},
            {"openFolder", "Praxisordner ö&ffnen…", "Strg+O"},
            {"fullCaseRecord", "Vollständige Fallaufnahme", "Strg+U"},
            {"help", "Quillon-&Hilfe", "F1"},
        };
        for (const auto& action : actions) {
            const QAction* shown = App().MainFrame()->Action(action.id);
            QCOMPARE(shown->text(), QString::fromUtf8(action.label));
            QCOMPARE(shown->shortcut().toString(QKeySequence::NativeText), QString::fromUtf8(action.key));
        }
        // No command of any menu carries its key in its label, nor three dots for the ellipsis.
        QStringList written;
        for (QAction* menu : App().MainFrame()->menuBar()->actions())
            for (QAction* action : menu->menu()->actions())
                if (action->text().contains(QLatin1Char('\t')) || action->text().contains(QLatin1String("Strg"))
                    || action->text().contains(QLatin1String("Ctrl")) || action->text().contains(QLatin1String("...")))
                    written << action->text();
        QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char('|'))));
    }

    void selectPatientDialogAndItsMessageSpeakGerman()
    {
        testing::WithShown<CSelectPatientDialog>([] { App().RunStartDialog(); },
            [](CSelectPatientDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Patient auswählen"));
                QCOMPARE(
                    dialog.List()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Patientenname"));
                QPushButton* ok = testing::ButtonWithText(&dialog, QStringLiteral("OK"));
                QVERIFY(ok);
                QVERIFY(testing::ButtonWithText(&dialog, QString::fromUtf8("Abbrechen")));
                // OK without a row: the message the window shows, translated by its sink.
                QTest::mouseClick(ok, Qt::LeftButton);
                QCOMPARE(g_sink->Texts(),
                    std::vector<std::string>{ToData(QString::fromUtf8(
                        "Wählen Sie zuerst einen Patienten: Klicken Sie auf eine Zeile, oder tippen Sie einen Teil des "
                        "Namens oder die Registriernummer unter Suchen ein und drücken Sie Pfeil nach unten. Drücken "
                        "Sie dann OK."))});
                // A patient whose visit file holds no visit: the core's message, in the data's code page.
                const QRect row = dialog.List()->visualRect(dialog.List()->model()->index(1, 1));
                QTest::mouseClick(dialog.List()->viewport(), Qt::LeftButton, {}, row.center());
                QTest::keyClick(dialog.List(), Qt::Key_Return);
                QCOMPARE(FromData(g_sink->Texts().back()), QString::fromUtf8("Symptome nicht verfügbar"));
                QCOMPARE(g_sink->Texts().back(), std::string("Symptome nicht verf\xFCgbar")); // one byte for the ü
                dialog.reject();
            });
    }

    // A counted text takes the German form of its number (one Analyse, two Analysen, no Analysen), in the import's
    // message too (the English forms are the command-line tool's, tested there).
    void countedTextsTakeTheFormOfTheirNumber()
    {
        const std::pair<int, const char*> cases[] = {
            {1, "1 Analyse hinzugefügt"},
            {2, "2 Analysen hinzugefügt"},
            {0, "0 Analysen hinzugefügt"},
        };
        for (const auto& [n, german] : cases)
            QCOMPARE(FromData(translateCount(kMessageContext, "%n analysis added", "%n analyses added", n)),
                QString::fromUtf8(german));
        ImportSummary summary;
        summary.added = 1;
        summary.prescriptions = 2;
        const QString message = FromData(ImportSummaryMessage(summary));
        QVERIFY2(message.startsWith(QString::fromUtf8("Fallbuch importiert: 1 Analyse hinzugefügt, 0 durch")),
            qPrintable(message));
        QVERIFY2(message.endsWith(QString::fromUtf8(", 2 Verordnungen hinzugefügt.")), qPrintable(message));
    }

    void aLanguageWithoutTranslationChangesNothing()
    {
        const std::string before = translate(kMessageContext, "Insufficient memory");
        QVERIFY(before != "Insufficient memory");
        QVERIFY(!InstallTranslations(
            App(), QLocale(QLocale::French, QLocale::France), QCoreApplication::applicationDirPath()));
        QCOMPARE(translate(kMessageContext, "Insufficient memory"), before);
        QCOMPARE(App().MainFrame()->Action("exit")->text(), QString::fromUtf8("Bee&nden"));
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    g_sink = &sink;
    CQuillonApp app(argc, argv, CPracticeFolder(folder.Path()), &sink);
    // As the program starts: the file of the desktop's language, installed before the first window is made.
    if (!InstallTranslations(app, QLocale(), QCoreApplication::applicationDirPath())) {
        qCritical("no German translation found in %s",
            qPrintable(TranslationFolders(QCoreApplication::applicationDirPath()).join(QLatin1Char(' '))));
        return 1;
    }
    app.InitInstance();
    TestTranslation test;
    const int status = QTest::qExec(&test, argc, argv);
    SetTextTranslator(nullptr);
    SetCountTranslator(nullptr);
    return status;
}

#include "TestTranslation.moc"
