#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace Main {

// The language of the messages the analysis gives the user (exceptions'
// what(), import reasons and notes). The interface sets it to its own; it is
// Russian until then. The loader's messages of the runtime's kind ("File not
// found", "'%s' is not a valid integer value") are English in both.
enum class TMessageLanguage { Russian, English };
void SetMessageLanguage(TMessageLanguage language);
TMessageLanguage MessageLanguage();

// One message in both languages; %1 .. %9 stand for its arguments. Every
// message lives in analysis/text/MessageCatalogue.h.
struct TMessageText {
    const char* Russian;
    const char* English;
};

// The message in the current language with %1 .. %9 replaced by `arguments`
// (%1 by the first); a number with no argument stays as it is.
std::string FormatMessage(const TMessageText& message, std::span<const std::string> arguments);

namespace MessageDetail {
inline std::string Argument(std::string_view text)
{
    return std::string(text);
}
template <typename T>
requires std::is_integral_v<T> std::string Argument(T value)
{
    return std::to_string(value);
}
} // namespace MessageDetail

// Text(Messages::TooManyDraws), Text(Messages::FieldNotNumber, field, quoted):
// integers and strings as arguments.
template <typename... TArguments> std::string Text(const TMessageText& message, const TArguments&... arguments)
{
    const std::array<std::string, sizeof...(TArguments)> texts { MessageDetail::Argument(arguments)... };
    return FormatMessage(message, texts);
}

} // namespace Main
