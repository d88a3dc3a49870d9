// The case-record view: the patient's full case record or follow-up notes as a page below a header line.
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <string>
#include <string_view>

class QGroupBox;
class QLabel;

namespace quillon {

class IMessageSink;
class IViewRegistry;
struct PatientContext;

// Shows the written page and nothing else: links are not followed and no other resource
// (image, style sheet, remote file) is loaded.
class CPageBrowser final : public QTextBrowser
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPageBrowser)

public:
    explicit CPageBrowser(QWidget* parent = nullptr);

    // Loads the page file (Windows-1252 text, as written) and shows it.
    void ShowPage(const QString& path);
    // Shows the page from memory (Windows-1252 text), for a folder where the page file cannot be written.
    void ShowPageText(std::string_view page);
    // The file shown, empty when no page file was loaded.
    const QString& PagePath() const { return m_pagePath; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString m_pagePath;
    QUrl m_pageUrl;
};

class CCrFollow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCrFollow)

public:
    // Shows the patient's full case record (caseRecord) or follow-up notes; the view enters itself in `views`
    // while it lives.
    CCrFollow(const PatientContext& patient, bool caseRecord, IMessageSink& sink, IViewRegistry& views,
        QWidget* parent = nullptr);
    ~CCrFollow() override;

    CPageBrowser* Browser() const { return m_pBrowser; }
    QLabel* PhysicianLabel() const { return m_pPhysicianName; }
    QLabel* PatientLabel() const { return m_pPatientName; }
    // The patient's data file the page was built from (".cas" or ".flw" name).

private:
    void OnInitialUpdate(const PatientContext& patient, bool caseRecord, IMessageSink& sink);

    IViewRegistry& m_views;
    QGroupBox* m_pHeader = nullptr;
    QLabel* m_pPhysicianName = nullptr;
    QLabel* m_pPatientName = nullptr;
    CPageBrowser* m_pBrowser = nullptr;
};

} // namespace quillon
