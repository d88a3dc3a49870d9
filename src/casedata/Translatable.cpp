// Translated texts.
#include "casedata/Translatable.h"

#include <atomic>
#include <vector>

namespace quillon {
namespace {

std::atomic<TextTranslator> g_translator{nullptr};

} // namespace

void SetTextTranslator(TextTranslator translator)
{
    g_translator.store(translator);
}

std::string translate(const char* context, const char* source)
{
    if (const TextTranslator translator = g_translator.load())
        return translator(context, source);
    return source;
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                text += values[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

} // namespace quillon
