#pragma once

// Reading a chart page back in tests: the cells of its table on the 12 × 25 grid, with the texts
// of their paragraphs.

#include <regex>
#include <string>
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

// The text of some markup without its tags.
inline std::wstring WithoutTags(const std::wstring& html) {
  static const std::wregex kTag(L"<[^>]*>");
  return std::regex_replace(html, kTag, L"");
}

// The cells of the table up to the row that fixes the column widths, placed on the grid as a
// browser places them (a cell takes the first grid column of its row that no cell above spans);
// `covered` counts for each grid position the cells covering it.
inline std::vector<TableCell> TableCells(const std::wstring& page,
                                         std::vector<std::vector<int>>* covered = nullptr) {
  std::vector<TableCell> cells;
  const std::size_t start = page.find(L"<table");
  const std::size_t end = page.find(L"<![if !supportMisalignedColumns]>");
  if (start == std::wstring::npos || end == std::wstring::npos) {
    return cells;
  }
  const std::wstring table = page.substr(start, end - start);
  std::vector<std::vector<int>> grid(12, std::vector<int>(25, 0));
  static const std::wregex kRow(L"<tr>([\\s\\S]*?)</tr>");
  static const std::wregex kCell(
      L"<td(?: colspan=(\\d+))?(?: rowspan=(\\d+))?[^>]*>([\\s\\S]*?)</td>");
  static const std::wregex kParagraph(L"<p [^>]*>([\\s\\S]*?)</p>");
  int row = 0;
  for (std::wsregex_iterator r(table.begin(), table.end(), kRow), rEnd; r != rEnd; ++r, ++row) {
    const std::wstring rowHtml = (*r)[1].str();
    int column = 0;
    for (std::wsregex_iterator c(rowHtml.begin(), rowHtml.end(), kCell), cEnd; c != cEnd; ++c) {
      TableCell cell;
      cell.row = row;
      cell.columns = (*c)[1].matched ? std::stoi((*c)[1].str()) : 1;
      cell.rows = (*c)[2].matched ? std::stoi((*c)[2].str()) : 1;
      cell.html = (*c)[3].str();
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
      for (std::wsregex_iterator p(cell.html.begin(), cell.html.end(), kParagraph), pEnd;
           p != pEnd; ++p) {
        cell.paragraphs.push_back(WithoutTags((*p)[1].str()));
      }
      cells.push_back(cell);
    }
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
