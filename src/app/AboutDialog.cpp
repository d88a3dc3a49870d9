// The About box.
#include "app/AboutDialog.h"

#include "resources/AppIcon.h"
#include "resources/ProductInfo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

CAboutDialog::CAboutDialog(const QString& practiceFolder, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Quillon"));
    setObjectName(QStringLiteral("AboutDialog"));

    const QString folder = practiceFolder.isEmpty() ? tr("none open (File &gt; Open Practice Folder chooses one)")
                                                    : QDir::toNativeSeparators(practiceFolder).toHtmlEscaped();
    const QString text = QStringLiteral("<h3>Quillon %1</h3>").arg(QString::fromLatin1(QuillonVersion()))
        + QStringLiteral("<p>") + tr("Case viewer and repertorisation workbench for homeopathic practitioners.")
        + QStringLiteral("</p><p>")
        + tr("Licence: %1. Quillon comes with no warranty.").arg(QString::fromLatin1(QuillonLicence()))
        + QStringLiteral("</p><p><b>") + tr("Practice folder:") + QStringLiteral("</b> ") + folder
        + QStringLiteral("</p><p><b>") + tr("Data of the sample practice") + QStringLiteral("</b></p><ul><li>")
        + tr("Rubrics and grades: J. T. Kent, <i>Repertory of the Homoeopathic Materia Medica</i> (1897), public "
             "domain, from the homeoint.org transcription as converted by kent_repertory_etl (MIT).")
        + QStringLiteral("</li><li>")
        + tr("Remedy names and kingdoms: mmwiki (CC0 1.0); natural orders from J. H. Clarke, <i>A Dictionary of "
             "Practical Materia Medica</i> (1900&ndash;1902), public domain.")
        + QStringLiteral("</li><li>") + tr("Periodic table: Periodic-Table-JSON (CC BY-SA 3.0, data from Wikipedia).")
        + QStringLiteral("</li><li>")
        + tr("Patients, case records, follow-ups and remedy properties are invented or illustrative.")
        + QStringLiteral("</li></ul>");

    m_pText = new QLabel(text, this);
    m_pText->setObjectName(QStringLiteral("aboutText"));
    m_pText->setTextFormat(Qt::RichText);
    m_pText->setWordWrap(true);
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pText->setMinimumWidth(420);

    m_pIcon = new QLabel(this);
    m_pIcon->setObjectName(QStringLiteral("aboutIcon"));
    m_pIcon->setPixmap(QuillonIcon().pixmap(kIconSide, kIconSide));
    m_pIcon->setAlignment(Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout();
    row->addWidget(m_pIcon);
    row->addWidget(m_pText, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quillon
