#include "pricing.h"

namespace demo {
namespace {

struct Quotient {
  std::int64_t whole;
  std::int64_t remainder;
  std::int64_t divisor;
};

// cost × (multiplier / 100) ÷ divisor, exactly.
Quotient exactPrice(std::int64_t cost, int multiplier, int divisor) {
  const std::int64_t denominator = 100 * std::int64_t(divisor > 0 ? divisor : 1);
  const std::int64_t numerator = cost * multiplier;
  return {numerator / denominator, numerator % denominator, denominator};
}

}  // namespace

std::int64_t salePrice(std::int64_t cost, int multiplier, int divisor) {
  const Quotient q = exactPrice(cost, multiplier, divisor);
  const std::int64_t twice = 2 * q.remainder;
  if (twice > q.divisor || (twice == q.divisor && q.whole % 2 != 0)) return q.whole + 1;
  return q.whole;
}

bool priceIsATie(std::int64_t cost, int multiplier, int divisor) {
  const Quotient q = exactPrice(cost, multiplier, divisor);
  return 2 * q.remainder == q.divisor;
}

}  // namespace demo
