// Texts the program shows, marked for the translators and translated where they are shown.
//
// The core translates nothing itself. The window installs a translator for the user's language at start-up; the
// command-line tool and the tests install none, so what they print and compare stays English. Source texts are
// English and ASCII; a translation comes back in the data's single-byte code page, like every text of the core.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translators where it is defined; the text is translated where it is shown.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace quillon {

// The context of the texts of message boxes: the window translates every message text through it.
inline constexpr const char* kMessageContext = "Message";

using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs the translator every shown text passes through (nullptr: the English source texts).
void SetTextTranslator(TextTranslator translator);

// The text to show for a marked source text (the name is the one the translators' tools look for).
std::string translate(const char* context, const char* source);

// The pattern with %1 ... %9 replaced by the arguments, in the order the translation puts them.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace quillon
