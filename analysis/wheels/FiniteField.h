#pragma once

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// The finite field of order p^n (p prime, p^n <= 128), its elements numbered
// 0..p^n-1 (0 is zero, 1 is one) and multiplied through a primitive element
// found by trying polynomials, so that no table of the field is written in.
class TFiniteField {
public:
    TFiniteField(int32_t p, int32_t n);

    int32_t order() const { return order_; }
    int32_t add(int32_t a, int32_t b) const;
    int32_t negate(int32_t a) const;
    int32_t subtract(int32_t a, int32_t b) const { return add(a, negate(b)); }
    int32_t multiply(int32_t a, int32_t b) const;
    int32_t inverse(int32_t a) const; // a != 0
    int32_t power(int32_t a, int32_t e) const;

private:
    int32_t p_, n_, order_;
    std::vector<int32_t> log_, exp_; // exp_[i] = g^i; log_[exp_[i]] = i
};

} // namespace Main::WheelDetail
