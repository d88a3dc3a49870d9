// Translations.
#include "controls/Translation.h"

#include "casedata/CountedText.h"
#include "casedata/Translatable.h"
#include "controls/DisplayText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace quillon {
namespace {

std::string QtTextTranslator(const char* context, const char* source)
{
    return ToData(QCoreApplication::translate(context, source));
}

// The numerus form of a counted text, or nothing when the installed translation has none.
std::string QtCountTranslator(const char* context, const char* source, int n)
{
    const QString untranslated = QString::fromLatin1(source).replace(QLatin1String("%n"), QString::number(n));
    const QString text = QCoreApplication::translate(context, source, nullptr, n);
    return text == untranslated ? std::string() : ToData(text);
}

std::string TranslatedMessageText(const std::string& text)
{
    if (text.empty())
        return text;
    // Message texts are ASCII in the program's source; one with other bytes came from the data and stays.
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return text;
    }
    return ToData(QCoreApplication::translate(kMessageContext, text.c_str()));
}

} // namespace

QStringList TranslationFolders(const QString& programFolder)
{
    // Program data, in the build tree as once installed.
    return {QDir::cleanPath(QDir(programFolder).absoluteFilePath(QStringLiteral("../share/quillon/translations")))};
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& programFolder)
{
    bool found = false;
    auto* program = new QTranslator(&app);
    for (const QString& folder : TranslationFolders(programFolder)) {
        if (program->load(locale, QStringLiteral("quillon"), QStringLiteral("_"), folder)) {
            found = true;
            break;
        }
    }
    if (!found) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    auto* qt = new QTranslator(&app);
    if (qt->load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    SetTextTranslator(&QtTextTranslator);
    SetCountTranslator(&QtCountTranslator);
    return true;
}

void CTranslatingMessageSink::Show(const Message& message)
{
    if (m_bHeld)
        return;
    m_inner->Show(Message{TranslatedMessageText(message.text), TranslatedMessageText(message.caption), message.icon});
}

} // namespace quillon
