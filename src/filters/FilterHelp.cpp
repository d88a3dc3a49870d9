// The filter dialogs' help pages.
#include "filters/FilterHelp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quillon {

namespace {

// The page's blocks in order: each is one element (heading or paragraph) and one text for the translators.
struct HelpBlock
{
    const char* tag;
    const char* text;
};

const HelpBlock kPlantFilterHelp[] = {
    {"h3", QT_TRANSLATE_NOOP("FilterHelp", "Plant Filters")},
    {"p",
        QT_TRANSLATE_NOOP("FilterHelp",
            "The chart has already kept only its plant remedies. This dialog narrows them further to one botanical "
            "class or\nfamily and to the plant parts the remedies are made from.")},
    {"h4", QT_TRANSLATE_NOOP("FilterHelp", "Classes / Families")},
    {"p",
        QT_TRANSLATE_NOOP("FilterHelp",
            "Choose a class or family in the list, or type the start of its name under <b>Search</b>: the first entry "
            "that\nbegins with what you typed is chosen. With no entry chosen, remedies of every class stay.")},
    {"h4", QT_TRANSLATE_NOOP("FilterHelp", "Types")},
    {"p",
        QT_TRANSLATE_NOOP("FilterHelp",
            "Tick the plant parts (roots, stem, bark, leaves, flowers, fruit, seeds, juice, extract, the entire "
            "plant,\ngum or resin, alkaloid) the remedies must be made from. A remedy stays only when it is made from "
            "<i>every</i>\npart you ticked; with no part ticked the parts do not matter.")},
    {"h4", QT_TRANSLATE_NOOP("FilterHelp", "OK and Cancel")},
    {"p",
        QT_TRANSLATE_NOOP("FilterHelp",
            "<b>OK</b> removes from the chart every remedy that does not match, and the chart's caption names the "
            "class and\nthe parts you chose. When no remedy matches, the chart returns to the normal repertorisation "
            "and says so.\n<b>Cancel</b> (or Escape) leaves the filter and returns the chart to the normal "
            "repertorisation.")},
};

QString PlantFilterHelpHtml()
{
    QStringList blocks;
    for (const HelpBlock& block : kPlantFilterHelp) {
        const QString tag = QString::fromLatin1(block.tag);
        blocks << QStringLiteral("<%1>%2</%1>").arg(tag, QCoreApplication::translate("FilterHelp", block.text));
    }
    return blocks.join(QLatin1Char('\n'));
}

} // namespace

QDialog* ShowPlantFilterHelp(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("plantFilterHelp"));
    dialog->setWindowTitle(QCoreApplication::translate("FilterHelp", "Plant Filters - Help"));
    auto* browser = new QTextBrowser(dialog);
    browser->setAccessibleName(dialog->windowTitle());
    browser->setOpenLinks(false);
    browser->setHtml(PlantFilterHelpHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(browser, 1);
    layout->addWidget(buttons);
    dialog->resize(460, 420);
    dialog->show();
    return dialog;
}

} // namespace quillon
