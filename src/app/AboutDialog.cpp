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
    setWindowTitle(QStringLiteral("About Quillon"));
    setObjectName(QStringLiteral("AboutDialog"));

    const QString text
        = QStringLiteral(
            "<h3>Quillon %1</h3>"
            "<p>Case viewer and repertorisation workbench for homeopathic practitioners.</p>"
            "<p>Licence: %2. Quillon comes with no warranty.</p>"
            "<p><b>Practice folder:</b> %3</p>"
            "<p><b>Data of the sample practice</b></p>"
            "<ul>"
            "<li>Rubrics and grades: J. T. Kent, <i>Repertory of the Homoeopathic Materia Medica</i> (1897), public "
            "domain, from the homeoint.org transcription as converted by kent_repertory_etl (MIT).</li>"
            "<li>Remedy names and kingdoms: mmwiki (CC0 1.0); natural orders from J. H. Clarke, <i>A Dictionary of "
            "Practical Materia Medica</i> (1900&ndash;1902), public domain.</li>"
            "<li>Periodic table: Periodic-Table-JSON (CC BY-SA 3.0, data from Wikipedia).</li>"
            "<li>Patients, case records, follow-ups and remedy properties are invented or illustrative.</li>"
            "</ul>")
              .arg(QString::fromLatin1(QuillonVersion()), QString::fromLatin1(QuillonLicence()),
                  practiceFolder.isEmpty() ? QStringLiteral("none open (File &gt; Open Practice Folder chooses one)")
                                           : QDir::toNativeSeparators(practiceFolder).toHtmlEscaped());

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
