#pragma once

#include <string>
#include <string_view>

namespace chart {

// Text that a user typed (a name, a sex), made safe to stand in a page's text: "&", "<", ">"
// and '"' become "&amp;", "&lt;", "&gt;" and "&quot;", every other character stays, so the
// browser shows the text as typed and it can add no markup or script to the page.
std::wstring HtmlEscape(std::wstring_view text);

}  // namespace chart
