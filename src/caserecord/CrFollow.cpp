// The case-record view.
#include "caserecord/CrFollow.h"

#include "casedata/MessageSink.h"
#include "caserecord/CaseRecordPage.h"
#include "controls/DisplayText.h"
#include "controls/FormLook.h"
#include "controls/ViewRegistry.h"
#include "state/PatientContext.h"

#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace quillon {

namespace {

// Margin between the view's edges and the header line and browser.
constexpr int kEdgeMargin = 12;
const QColor kStaticTextColour(0, 64, 128);

QLabel* MakeStatic(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kStaticTextColour);
    label->setPalette(palette);
    return label;
}

// The page as the text browser shows it (the file keeps its bytes).
QString ShownCopy(std::string_view page)
{
    QString html = FromData(page);
    // The page writes its blanks as "&nbsp" without the closing ';', which web browsers accept; the text
    // browser only knows the full entity.
    static const QRegularExpression bareNbsp(QStringLiteral("&nbsp(?!;)"));
    html.replace(bareNbsp, QStringLiteral("&nbsp;"));
    // A label row gives label, colon and value 20 %, 5 % and 75 % of the width. The text browser gives each
    // column the width of the first cell over it, and the page's full-width rows come first with 100 % over
    // every column, which makes equal columns; the value cell also spans two of the four columns the full-width
    // rows span. So in the shown copy the full-width rows give no width (their span makes them full width) and
    // every row spans three columns.
    html.replace(QStringLiteral("<TD WIDTH=\"100%\" "), QStringLiteral("<TD "));
    html.replace(QStringLiteral("WIDTH=\"75%\" COLSPAN=\"2\""), QStringLiteral("WIDTH=\"75%\""));
    html.replace(QStringLiteral("COLSPAN=\"4\""), QStringLiteral("COLSPAN=\"3\""));
    // A follow-up visit gives Rx, Potency, Repetition and Evaluation 15, 15, 30 and 40 % of the width; the
    // complaints row above them spans the last three with 85 %, which would share that out evenly. Its span alone
    // makes it as wide, so in the shown copy it gives no width and the four columns keep theirs.
    html.replace(QStringLiteral("<td width=\"85%\" colspan=\"3\">"), QStringLiteral("<td colspan=\"3\">"));
    return html;
}

} // namespace

CPageBrowser::CPageBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void CPageBrowser::ShowPage(const QString& path)
{
    m_pagePath = path;
    m_pageUrl = QUrl::fromLocalFile(path);
    setSource(m_pageUrl, QTextDocument::HtmlResource);
}

QVariant CPageBrowser::loadResource(int type, const QUrl& name)
{
    // Only the page itself is ever read; the page's text cannot name anything else.
    if (type != QTextDocument::HtmlResource || m_pageUrl.isEmpty() || !name.isLocalFile() || name != m_pageUrl)
        return {};
    QFile file(m_pagePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return ShownCopy(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void CPageBrowser::ShowPageText(std::string_view page)
{
    m_pagePath.clear();
    m_pageUrl.clear();
    setHtml(ShownCopy(page));
}

CCrFollow::CCrFollow(
    const PatientContext& patient, bool caseRecord, IMessageSink& sink, IViewRegistry& views, QWidget* parent)
    : QWidget(parent), m_views(views)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowBackground);
    setPalette(palette);

    m_pHeader = new QGroupBox(this);
    auto* headerLayout = new QHBoxLayout(m_pHeader);
    headerLayout->addWidget(MakeStatic(tr("Dr. Name :"), m_pHeader));
    m_pPhysicianName = MakeStatic(QString(), m_pHeader);
    headerLayout->addWidget(m_pPhysicianName, 1);
    headerLayout->addWidget(MakeStatic(tr("Patient Name :"), m_pHeader));
    m_pPatientName = MakeStatic(QString(), m_pHeader);
    headerLayout->addWidget(m_pPatientName, 1);
    m_pHeader->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_pBrowser = new CPageBrowser(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kEdgeMargin, kEdgeMargin, kEdgeMargin, kEdgeMargin);
    layout->addWidget(m_pHeader);
    layout->addWidget(m_pBrowser, 1);

    OnInitialUpdate(patient, caseRecord, sink);
}

CCrFollow::~CCrFollow()
{
    m_views.UnregisterView(kViewCaseRecord, this);
}

void CCrFollow::OnInitialUpdate(const PatientContext& patient, bool caseRecord, IMessageSink& sink)
{
    m_views.RegisterView(kViewCaseRecord, this);
    m_pPhysicianName->setText(FromData(patient.physician));
    m_pPatientName->setText(FromData(patient.name));

    setWindowTitle(QCoreApplication::translate("quillon::CCrFollow", caseRecord ? kCaseRecordTitle : kFollowupTitle)
        + FromData(patient.name));

    const std::optional<std::string> page = BuildPatientPage(patient.folder, patient.regNo, caseRecord, sink);
    if (!page)
        return;
    // A folder the user cannot write still shows the page, from memory; the folder stays as it was.
    const std::optional<std::filesystem::path> path = WritePageFile(patient.folder, *page);
    if (path)
        m_pBrowser->ShowPage(QFile::decodeName(QByteArray(path->c_str())));
    else
        m_pBrowser->ShowPageText(*page);
}

} // namespace quillon
