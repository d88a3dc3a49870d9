// The program in the user's language: the translation files found and installed, and messages translated.
#pragma once

#include "casedata/MessageSink.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quillon {

// Where the translation files are looked for: the program data (<prefix>/share/quillon/translations) of the prefix
// the program runs from (the build tree has the same layout).
QStringList TranslationFolders(const QString& programFolder);

// Installs the program's translation for the locale (and Qt's own, for its standard buttons) and routes the
// core's texts through it. Returns false when the program has no translation for that language: it stays English.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& programFolder);

// Passes every message on with its text and caption translated: a message that is one marked text comes out in
// the user's language; one the core composed of data and translated words passes unchanged.
class CTranslatingMessageSink final : public IMessageSink
{
public:
    explicit CTranslatingMessageSink(IMessageSink& inner) : m_inner(&inner) {}
    using IMessageSink::Show;
    void Show(const Message& message) override;
    // While held, messages are dropped, not shown.
    void SetHeld(bool held) { m_bHeld = held; }

private:
    IMessageSink* m_inner;
    bool m_bHeld = false;
};

} // namespace quillon
