// The rules a wheel request must keep, with the message for each broken one.
#include "analysis/wheels/WheelRequest.h"

#include "analysis/tables/Errors.h"
#include "analysis/text/MessageCatalogue.h"

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
    return Text(Messages::WheelNumberTwice, number);
}

std::string NumberOutOfRange(int32_t number)
{
    return Text(Messages::WheelNumberOutOfRange, number);
}

std::string TicketSizeOutOfRange(int32_t k)
{
    return Text(Messages::TicketSizeLimits, k);
}

std::string TicketSizeAboveNumbers(int32_t k, int32_t v)
{
    return Text(Messages::TicketSizeAboveNumbers, k, v);
}

std::string MatchOutOfRange(int32_t t, int32_t k)
{
    return Text(Messages::MatchLimits, k, t);
}

std::string DrawnOutOfRange(int32_t p, int32_t t, int32_t v)
{
    return Text(Messages::DrawnLimits, t, v, p);
}

std::string TooLarge(int32_t v, int32_t p)
{
    return Text(Messages::WheelTooLarge, v, p);
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
