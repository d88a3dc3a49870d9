// Counted texts.
#include "casedata/CountedText.h"

#include <atomic>

namespace quillon {
namespace {

std::atomic<CountTranslator> g_countTranslator{nullptr};

} // namespace

void SetCountTranslator(CountTranslator translator)
{
    g_countTranslator.store(translator);
}

std::string translateCount(const char* context, const char* singular, const char* plural, int n)
{
    if (const CountTranslator translator = g_countTranslator.load()) {
        if (std::string text = translator(context, plural, n); !text.empty())
            return text;
    }
    std::string text = n == 1 ? singular : plural;
    if (const auto at = text.find("%n"); at != std::string::npos)
        text.replace(at, 2, std::to_string(n));
    return text;
}

} // namespace quillon
