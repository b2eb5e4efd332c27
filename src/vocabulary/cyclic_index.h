#pragma once

namespace vocabulary {

// Floor division: rounds towards minus infinity, so FloorDiv(-1, 12) == -1.
constexpr long long FloorDiv(long long a, long long n) {
  const long long q = a / n;
  return (a % n != 0 && ((a < 0) != (n < 0))) ? q - 1 : q;
}

// Floor modulo into [0, n) for n > 0: the index of a cyclic list (stems, branches, weekdays)
// for any integer, negative years included.
constexpr int FloorMod(long long a, int n) {
  const long long r = a % n;
  return static_cast<int>(r < 0 ? r + n : r);
}

}  // namespace vocabulary
