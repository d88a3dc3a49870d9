// The filter dialogs' help pages.
#include "filters/FilterHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quillon {

namespace {

const char* const kPlantFilterHelp = R"(<h3>Plant Filters</h3>
<p>The chart has already kept only its plant remedies. This dialog narrows them further to one botanical class or
family and to the plant parts the remedies are made from.</p>
<h4>Classes / Families</h4>
<p>Choose a class or family in the list, or type the start of its name under <b>Search</b>: the first entry that
begins with what you typed is chosen. With no entry chosen, remedies of every class stay.</p>
<h4>Types</h4>
<p>Tick the plant parts (roots, stem, bark, leaves, flowers, fruit, seeds, juice, extract, the entire plant,
gum or resin, alkaloid) the remedies must be made from. A remedy stays only when it is made from <i>every</i>
part you ticked; with no part ticked the parts do not matter.</p>
<h4>OK and Cancel</h4>
<p><b>OK</b> removes from the chart every remedy that does not match, and the chart's caption names the class and
the parts you chose. When no remedy matches, the chart returns to the normal repertorisation and says so.
<b>Cancel</b> (or Escape) leaves the filter and returns the chart to the normal repertorisation.</p>)";

} // namespace

QDialog* ShowPlantFilterHelp(QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("plantFilterHelp"));
    dialog->setWindowTitle(QStringLiteral("Plant Filters - Help"));
    auto* browser = new QTextBrowser(dialog);
    browser->setAccessibleName(dialog->windowTitle());
    browser->setOpenLinks(false);
    browser->setHtml(QString::fromUtf8(kPlantFilterHelp));
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
