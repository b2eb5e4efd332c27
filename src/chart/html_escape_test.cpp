#include "chart/html_escape.h"

#include <gtest/gtest.h>

#include "testing/utf8.h"

namespace chart {
namespace {

TEST(HtmlEscape, MarkupCharactersBecomeEntities) {
  struct Case {
    std::wstring typed;
    std::wstring escaped;
  };
  const Case cases[] = {
      {L"王小明", L"王小明"},
      {L"", L""},
      {L"<b>王", L"&lt;b&gt;王"},
      {L"A&B", L"A&amp;B"},
      {L"\"x\"", L"&quot;x&quot;"},
      {L"<script>alert(1)</script>", L"&lt;script&gt;alert(1)&lt;/script&gt;"},
      {L"&amp;", L"&amp;amp;"},  // typed entity text shows as typed
      {L"O'Neil 男", L"O'Neil 男"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test_text::EncodeUtf8(c.typed));
    EXPECT_EQ(HtmlEscape(c.typed), c.escaped);
  }
}

}  // namespace
}  // namespace chart
