#pragma once

// Reading a chart page back in tests: the cells of its table on the 12 × 25 grid, with the texts
// of their paragraphs.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace chart::testing {

// One cell of the page's table: where it starts on the grid, its spans, the texts of its
// paragraphs with the markup removed, and its markup.
struct TableCell {
  int row = 0;
  int column = 0;
  int columns = 1;
  int rows = 1;
  std::vector<std::wstring> paragraphs;
  std::wstring html;
};

// The text of some markup without its tags (from each "<" to the next ">").
inline std::wstring WithoutTags(std::wstring_view html) {
  std::wstring text;
  std::size_t at = 0;
  while (at < html.size()) {
    const std::size_t open = html.find(L'<', at);
    const std::size_t close = open == std::wstring_view::npos ? open : html.find(L'>', open);
    if (close == std::wstring_view::npos) {
      break;
    }
    text.append(html.substr(at, open - at));
    at = close + 1;
  }
  text.append(html.substr(at));
  return text;
}

// An element found in markup: the rest of its opening tag after the name (without the closing
// ">"), and its content.
struct Element {
  std::wstring_view attributes;
  std::wstring_view content;
};

// The elements that open with `open` (e.g. L"<tr>" or L"<p ") and end at the first `close` after
// the end of the opening tag, in order, none inside another.
inline std::vector<Element> Elements(std::wstring_view html, std::wstring_view open,
                                     std::wstring_view close) {
  std::vector<Element> elements;
  std::size_t at = 0;
  while (true) {
    const std::size_t start = html.find(open, at);
    if (start == std::wstring_view::npos) {
      break;
    }
    const std::size_t tagEnd =
        open.back() == L'>' ? start + open.size() - 1 : html.find(L'>', start + open.size());
    if (tagEnd == std::wstring_view::npos) {
      break;
    }
    const std::size_t end = html.find(close, tagEnd + 1);
    if (end == std::wstring_view::npos) {
      break;
    }
    const std::size_t named = start + open.size();
    elements.push_back({html.substr(std::min(named, tagEnd), tagEnd - std::min(named, tagEnd)),
                        html.substr(tagEnd + 1, end - tagEnd - 1)});
    at = end + close.size();
  }
  return elements;
}

// The number a tag's attributes give right at their start as `<name>=<digits>` (e.g.
// L" colspan=2"), reading past it, or `otherwise` when they start otherwise.
inline int LeadingAttribute(std::wstring_view& attributes, std::wstring_view name, int otherwise) {
  if (attributes.substr(0, name.size()) != name) {
    return otherwise;
  }
  std::size_t digits = name.size();
  while (digits < attributes.size() && attributes[digits] >= L'0' && attributes[digits] <= L'9') {
    ++digits;
  }
  if (digits == name.size()) {
    return otherwise;
  }
  const int value = std::stoi(std::wstring(attributes.substr(name.size(), digits - name.size())));
  attributes.remove_prefix(digits);
  return value;
}

// The cells of the table up to the row that fixes the column widths, placed on the grid as a
// browser places them (a cell takes the first grid column of its row that no cell above spans);
// `covered` counts for each grid position the cells covering it. A cell's spans are read when
// its tag starts with them (colspan before rowspan), as the page writes them.
inline std::vector<TableCell> TableCells(const std::wstring& page,
                                         std::vector<std::vector<int>>* covered = nullptr) {
  std::vector<TableCell> cells;
  const std::size_t start = page.find(L"<table");
  const std::size_t end = page.find(L"<![if !supportMisalignedColumns]>");
  if (start == std::wstring::npos || end == std::wstring::npos) {
    return cells;
  }
  const std::wstring_view table = std::wstring_view(page).substr(start, end - start);
  std::vector<std::vector<int>> grid(12, std::vector<int>(25, 0));
  int row = 0;
  for (const Element& rowElement : Elements(table, L"<tr>", L"</tr>")) {
    int column = 0;
    for (const Element& cellElement : Elements(rowElement.content, L"<td", L"</td>")) {
      std::wstring_view attributes = cellElement.attributes;
      TableCell cell;
      cell.row = row;
      cell.columns = LeadingAttribute(attributes, L" colspan=", 1);
      cell.rows = LeadingAttribute(attributes, L" rowspan=", 1);
      cell.html = cellElement.content;
      while (row < 12 && column < 25 && grid[row][column] > 0) {
        ++column;
      }
      cell.column = column;
      for (int y = row; y < row + cell.rows && y < 12; ++y) {
        for (int x = column; x < column + cell.columns && x < 25; ++x) {
          ++grid[y][x];
        }
      }
      column += cell.columns;
      for (const Element& paragraph : Elements(cell.html, L"<p ", L"</p>")) {
        cell.paragraphs.push_back(WithoutTags(paragraph.content));
      }
      cells.push_back(cell);
    }
    ++row;
  }
  if (covered != nullptr) {
    *covered = grid;
  }
  return cells;
}

// The cell that starts at a grid position, or nullptr.
inline const TableCell* CellAt(const std::vector<TableCell>& cells, int row, int column) {
  for (const TableCell& cell : cells) {
    if (cell.row == row && cell.column == column) {
      return &cell;
    }
  }
  return nullptr;
}

}  // namespace chart::testing
