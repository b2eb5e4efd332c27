#include "chart/decimal_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>

namespace chart {
namespace {

TEST(DecimalText, WritesAsToWstringDoes) {
  const std::int64_t values[] = {0,
                                 1,
                                 -1,
                                 9,
                                 10,
                                 -10,
                                 12345,
                                 -4,
                                 INT_MAX,
                                 INT_MIN,
                                 99999999,
                                 1000000000,
                                 std::numeric_limits<std::int64_t>::max(),
                                 std::numeric_limits<std::int64_t>::min()};
  for (const std::int64_t value : values) {
    SCOPED_TRACE(value);
    EXPECT_EQ(DecimalText(value), std::to_wstring(value));
  }
  for (std::int64_t value = -1000; value <= 1000; ++value) {
    ASSERT_EQ(DecimalText(value), std::to_wstring(value));
  }
}

}  // namespace
}  // namespace chart
