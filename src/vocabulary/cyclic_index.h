#pragma once

namespace vocabulary {

// Floor modulo into [0, n) for n > 0: the index of a cyclic list (stems, branches, weekdays)
// for any integer, negative years included.
constexpr int FloorMod(long long a, int n) {
  const long long r = a % n;
  return static_cast<int>(r < 0 ? r + n : r);
}

}  // namespace vocabulary
