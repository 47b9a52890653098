// Arithmetic in a small finite field, for the designs built from geometry.
#include "analysis/wheels/FiniteField.h"

#include <stdexcept>

namespace Main::WheelDetail {

namespace {

// Elements are polynomials over GF(p) of degree < n, written in base p.
int32_t Digit(int32_t a, int32_t i, int32_t p)
{
    for (; i > 0; --i)
        a /= p;
    return a % p;
}

} // namespace

int32_t TFiniteField::add(int32_t a, int32_t b) const
{
    int32_t sum = 0;
    for (int32_t i = 0, weight = 1; i < n_; ++i, weight *= p_)
        sum += (Digit(a, i, p_) + Digit(b, i, p_)) % p_ * weight;
    return sum;
}

int32_t TFiniteField::negate(int32_t a) const
{
    int32_t result = 0;
    for (int32_t i = 0, weight = 1; i < n_; ++i, weight *= p_)
        result += (p_ - Digit(a, i, p_)) % p_ * weight;
    return result;
}

int32_t TFiniteField::multiply(int32_t a, int32_t b) const
{
    if (a == 0 || b == 0)
        return 0;
    return exp_[static_cast<std::size_t>(
        (log_[static_cast<std::size_t>(a)] + log_[static_cast<std::size_t>(b)]) % (order_ - 1))];
}

int32_t TFiniteField::inverse(int32_t a) const
{
    return exp_[static_cast<std::size_t>((order_ - 1 - log_[static_cast<std::size_t>(a)]) % (order_ - 1))];
}

int32_t TFiniteField::power(int32_t a, int32_t e) const
{
    int32_t result = 1;
    for (int32_t i = 0; i < e; ++i)
        result = multiply(result, a);
    return result;
}

TFiniteField::TFiniteField(int32_t p, int32_t n)
    : p_(p)
    , n_(n)
    , order_(1)
{
    for (int32_t i = 0; i < n; ++i)
        order_ *= p;
    log_.assign(static_cast<std::size_t>(order_), 0);
    exp_.assign(static_cast<std::size_t>(order_), 0);
    // Tries each monic polynomial f of degree n (its lower coefficients in
    // base p) until x has order p^n - 1 modulo f: then f is primitive and x
    // generates the multiplicative group.
    for (int32_t lower = 0; lower < order_; ++lower) {
        int32_t x = 1;
        bool primitive = true;
        for (int32_t i = 0; i < order_ - 1; ++i) {
            exp_[static_cast<std::size_t>(i)] = x;
            if (i > 0 && x == 1) {
                primitive = false;
                break;
            }
            // x <- x * X mod f: shift the digits up; the digit leaving
            // position n comes back as -lead * (the lower coefficients).
            const int32_t lead = Digit(x, n - 1, p);
            int32_t shifted = 0;
            for (int32_t j = n - 1, weight = order_ / p; j >= 1; --j, weight /= p)
                shifted += Digit(x, j - 1, p) * weight;
            for (int32_t j = 0, weight = 1; j < n; ++j, weight *= p)
                shifted = shifted - Digit(shifted, j, p) * weight
                    + (Digit(shifted, j, p) + (p - lead) * Digit(lower, j, p)) % p * weight;
            x = shifted;
        }
        if (primitive && x == 1) {
            for (int32_t i = 0; i < order_ - 1; ++i)
                log_[static_cast<std::size_t>(exp_[static_cast<std::size_t>(i)])] = i;
            return;
        }
    }
    throw std::logic_error("no primitive polynomial");
}

} // namespace Main::WheelDetail
