// Texts with a count (%n), in the form the user's language gives the number: "1 analysis", "2 analyses".
#pragma once

#include <string>

// Marks a text with a count, %n, for the translators' forms of each number.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

namespace quillon {

// The form of a counted text for the number `n` in the installed language, "%n" replaced by the number; empty when
// the language has no translation of it.
using CountTranslator = std::string (*)(const char* context, const char* source, int n);

// Installs the translator of counted texts (nullptr: English only).
void SetCountTranslator(CountTranslator translator);

// A counted text: `plural` (the marked source, with %n) in the form the user's language gives the number `n`. In
// English, and in a language without a translation of it, `singular` for 1 and `plural` otherwise.
std::string translateCount(const char* context, const char* singular, const char* plural, int n);

} // namespace quillon
