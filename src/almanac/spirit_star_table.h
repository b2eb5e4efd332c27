#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "almanac/almanac_day.h"

namespace almanac {

// A spirit-star rule table as data: one row per star, its display name and one cell per column
// (a year stem, a year branch or a month branch). A cell lists, separated by blanks, the keys on
// which the star falls ("丑 寅", "庚午 庚子"); "" is an empty cell.
template <std::size_t Columns>
struct SpiritStarRow {
  std::wstring_view name;
  std::array<std::wstring_view, Columns> cells;
};

// A cell whose stars follow each other in an order of their own rather than in row order: the
// stars of `column` (a column name such as "午") on `dayKey`, in this order.
struct OrderedCell {
  std::wstring_view column;
  std::wstring_view dayKey;
  std::array<const wchar_t*, 8> names;  // used from the front, then null
};

// True when key is one of the blank-separated keys of cell, compared whole.
constexpr bool CellHolds(std::wstring_view cell, std::wstring_view key) {
  if (key.empty()) {
    return false;
  }
  std::size_t start = 0;
  while (start <= cell.size()) {
    std::size_t end = cell.find(L' ', start);
    if (end == std::wstring_view::npos) {
      end = cell.size();
    }
    if (cell.substr(start, end - start) == key) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

// Appends, in row order, the name of every row whose cell in `column` holds `key`.
template <std::size_t Columns, std::size_t Rows>
void AppendMatchingRows(const std::array<SpiritStarRow<Columns>, Rows>& rows, int column,
                        std::wstring_view key, SpiritStarAppender& out) {
  for (const SpiritStarRow<Columns>& row : rows) {
    if (CellHolds(row.cells[column], key)) {
      out.Append(SpiritStar(row.name));
    }
  }
}

// The ordered cell for (columnName, key), or nullptr.
template <std::size_t Count>
const OrderedCell* FindOrderedCell(const std::array<OrderedCell, Count>& cells,
                                   std::wstring_view columnName, std::wstring_view key) {
  for (const OrderedCell& cell : cells) {
    if (cell.column == columnName && cell.dayKey == key) {
      return &cell;
    }
  }
  return nullptr;
}

// Appends the names of the ordered cell for (columnName, key) when there is one, otherwise the
// names of the matching rows in row order.
template <std::size_t Columns, std::size_t Rows, std::size_t Count>
void AppendMatchingRowsInCellOrder(const std::array<SpiritStarRow<Columns>, Rows>& rows,
                                   const std::array<OrderedCell, Count>& orderedCells, int column,
                                   std::wstring_view columnName, std::wstring_view key,
                                   SpiritStarAppender& out) {
  if (const OrderedCell* ordered = FindOrderedCell(orderedCells, columnName, key)) {
    for (const wchar_t* name : ordered->names) {
      if (name != nullptr) {
        out.Append(SpiritStar(name));
      }
    }
    return;
  }
  AppendMatchingRows(rows, column, key, out);
}

// For static_assert: the names of an ordered cell are exactly the stars of the rows that match
// it (each as often as rows with that name match), so the cell only changes their order.
template <std::size_t Columns, std::size_t Rows>
constexpr bool ReordersMatchingRows(const std::array<SpiritStarRow<Columns>, Rows>& rows,
                                    const std::array<std::wstring_view, Columns>& columnNames,
                                    const OrderedCell& ordered) {
  int column = -1;
  for (std::size_t c = 0; c < Columns; ++c) {
    if (columnNames[c] == ordered.column) {
      column = static_cast<int>(c);
    }
  }
  if (column < 0) {
    return false;
  }
  int matches = 0;
  for (const SpiritStarRow<Columns>& row : rows) {
    if (!CellHolds(row.cells[column], ordered.dayKey)) {
      continue;
    }
    ++matches;
    int inRows = 0;
    for (const SpiritStarRow<Columns>& other : rows) {
      inRows += (other.name == row.name && CellHolds(other.cells[column], ordered.dayKey)) ? 1 : 0;
    }
    int inCell = 0;
    for (const wchar_t* name : ordered.names) {
      inCell += (name != nullptr && row.name == name) ? 1 : 0;
    }
    if (inRows != inCell) {
      return false;
    }
  }
  int listed = 0;
  for (const wchar_t* name : ordered.names) {
    listed += name == nullptr ? 0 : 1;
  }
  return listed == matches;
}

// For static_assert: every cell of an order table only reorders the stars of its matching rows.
template <std::size_t Columns, std::size_t Rows, std::size_t Count>
constexpr bool ReordersMatchingRows(const std::array<SpiritStarRow<Columns>, Rows>& rows,
                                    const std::array<std::wstring_view, Columns>& columnNames,
                                    const std::array<OrderedCell, Count>& orderedCells) {
  for (const OrderedCell& ordered : orderedCells) {
    if (!ReordersMatchingRows(rows, columnNames, ordered)) {
      return false;
    }
  }
  return true;
}

// Column index of a branch in a table whose columns run from "寅" (the month branches), or -1.
int MonthColumnOfBranch(const std::wstring& branch);

}  // namespace almanac
