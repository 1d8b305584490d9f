#pragma once

#include <cstdint>

namespace demo {

// Sale price of a cost in 0.0001 R$, a multiplier in hundredths and a whole
// unit divisor, in 0.0001 R$: cost × multiplier ÷ divisor, rounded to the
// nearest, ties to even, as the register stores prices.
std::int64_t salePrice(std::int64_t cost, int multiplier, int divisor);

// True when that price lies exactly halfway between two stored values; the
// demo avoids such costs so that any correct rounding finds the stored price.
bool priceIsATie(std::int64_t cost, int multiplier, int divisor);

}  // namespace demo
