#include "chart/html_escape.h"

namespace chart {

std::wstring HtmlEscape(std::wstring_view text) {
  std::wstring escaped;
  escaped.reserve(text.size());
  for (const wchar_t c : text) {
    switch (c) {
      case L'&':
        escaped += L"&amp;";
        break;
      case L'<':
        escaped += L"&lt;";
        break;
      case L'>':
        escaped += L"&gt;";
        break;
      case L'"':
        escaped += L"&quot;";
        break;
      default:
        escaped += c;
        break;
    }
  }
  return escaped;
}

}  // namespace chart
