#pragma once

#include <climits>
#include <cstdint>

namespace chart {

// A sum taken in 64 bits, brought back to int: values past the int limits stay at the limit
// rather than wrapping, so weights built from unbounded user values never overflow and every
// build prints the same numbers.
constexpr int SaturatedInt(std::int64_t value) {
  if (value > INT_MAX) {
    return INT_MAX;
  }
  if (value < INT_MIN) {
    return INT_MIN;
  }
  return static_cast<int>(value);
}

}  // namespace chart
