#include "analysis/text/Messages.h"

#include <atomic>

namespace Main {

namespace {
// Read by searches running off the interface thread.
std::atomic<TMessageLanguage> Language { TMessageLanguage::Russian };
} // namespace

void SetMessageLanguage(TMessageLanguage language)
{
    Language.store(language, std::memory_order_relaxed);
}

TMessageLanguage MessageLanguage()
{
    return Language.load(std::memory_order_relaxed);
}

std::string FormatMessage(const TMessageText& message, std::span<const std::string> arguments)
{
    const std::string_view pattern = MessageLanguage() == TMessageLanguage::English ? message.English : message.Russian;
    std::string text;
    text.reserve(pattern.size() + 16 * arguments.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < arguments.size()) {
                text += arguments[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

} // namespace Main
