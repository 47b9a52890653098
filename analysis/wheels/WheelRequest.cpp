// The rules a wheel request must keep, with the message for each broken one.
#include "analysis/wheels/WheelRequest.h"

#include "analysis/tables/Errors.h"

#include <algorithm>
#include <array>
#include <string>

namespace Main::WheelDetail {

namespace {

constexpr int64_t BinomialCap = int64_t { 1 } << 62;
constexpr int32_t MaxNumber = 99;
constexpr int32_t MaxTicketSize = 20;

std::string RepeatedNumber(int32_t number)
{
    return "Число " + std::to_string(number) + " указано дважды: числа колеса должны быть разными";
}

std::string NumberOutOfRange(int32_t number)
{
    return "Число " + std::to_string(number) + " вне пределов 1..99";
}

std::string TicketSizeOutOfRange(int32_t k)
{
    return "В билете может быть от 1 до 20 чисел, а указано " + std::to_string(k);
}

std::string TicketSizeAboveNumbers(int32_t k, int32_t v)
{
    return "В билете " + std::to_string(k) + " чисел, а выбрано только " + std::to_string(v)
        + ": чисел должно быть не меньше, чем в билете";
}

std::string MatchOutOfRange(int32_t t, int32_t k)
{
    return "Совпасть может от 1 до " + std::to_string(k) + " чисел билета, а указано " + std::to_string(t);
}

std::string DrawnOutOfRange(int32_t p, int32_t t, int32_t v)
{
    return "Выпавших чисел колеса должно быть от " + std::to_string(t) + " (сколько совпадает) до " + std::to_string(v)
        + " (сколько выбрано), а указано " + std::to_string(p);
}

std::string TooLarge(int32_t v, int32_t p)
{
    return "Слишком большое колесо: C(" + std::to_string(v) + ", " + std::to_string(p)
        + ") комбинаций больше 1 000 000, их не проверить; выберите меньше чисел или другое условие";
}

} // namespace

int64_t Binomial(int32_t n, int32_t r)
{
    static const auto table = [] {
        std::array<std::array<int64_t, 128>, 128> c {};
        for (std::size_t i = 0; i < 128; ++i) {
            c[i][0] = 1;
            for (std::size_t j = 1; j <= i; ++j)
                // Saturating: both terms may already stand at the cap.
                c[i][j] = c[i - 1][j - 1] >= BinomialCap - c[i - 1][j] ? BinomialCap : c[i - 1][j - 1] + c[i - 1][j];
        }
        return c;
    }();
    if (n < 0 || r < 0 || r > n || n > 127)
        return 0;
    return table[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)];
}

TWheelShape CheckRequest(const TWheelRequest& request)
{
    std::array<bool, MaxNumber + 1> seen {};
    for (int32_t number : request.Numbers) {
        if (number < 1 || number > MaxNumber)
            throw EAnalysisError(NumberOutOfRange(number));
        if (seen[static_cast<std::size_t>(number)])
            throw EAnalysisError(RepeatedNumber(number));
        seen[static_cast<std::size_t>(number)] = true;
    }
    TWheelShape shape;
    shape.V = static_cast<int32_t>(request.Numbers.size());
    shape.K = request.TicketSize;
    shape.T = request.Match;
    shape.P = request.Drawn;
    if (shape.K < 1 || shape.K > MaxTicketSize)
        throw EAnalysisError(TicketSizeOutOfRange(shape.K));
    if (shape.K > shape.V)
        throw EAnalysisError(TicketSizeAboveNumbers(shape.K, shape.V));
    if (shape.T < 1 || shape.T > shape.K)
        throw EAnalysisError(MatchOutOfRange(shape.T, shape.K));
    if (shape.P < shape.T || shape.P > shape.V)
        throw EAnalysisError(DrawnOutOfRange(shape.P, shape.T, shape.V));
    if (Binomial(shape.V, shape.P) > MaxDrawnSets)
        throw EAnalysisError(TooLarge(shape.V, shape.P));
    shape.Numbers = request.Numbers;
    std::sort(shape.Numbers.begin(), shape.Numbers.end());
    return shape;
}

} // namespace Main::WheelDetail
