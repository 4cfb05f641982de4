#include "analysis/results_grid.h"

#include <cassert>
#include <cstddef>

namespace velmora {
namespace {

constexpr char kInitialCaption[] = "STRATEGY ANALYSIS ";

size_t Index(int i) {
    return static_cast<size_t>(i);
}

}  // namespace

ResultsGrid::ResultsGrid() : caption_(kInitialCaption) {
    widths_.fill(kDefaultColumnWidth);
    heights_.fill(kDefaultRowHeight);
    heights_[1] = kFirstDataRowHeight;
}

const std::string& ResultsGrid::Cell(int column, int row) const {
    assert(IsColumn(column) && IsRow(row));
    return cells_[Index(column)][Index(row)];
}

void ResultsGrid::SetCell(int column, int row, std::string_view text) {
    assert(IsColumn(column) && IsRow(row));
    cells_[Index(column)][Index(row)] = text;
}

int ResultsGrid::ColumnWidth(int column) const {
    assert(IsColumn(column));
    return widths_[Index(column)];
}

void ResultsGrid::SetColumnWidth(int column, int width) {
    assert(IsColumn(column) && width >= 0);
    widths_[Index(column)] = width;
}

int ResultsGrid::RowHeight(int row) const {
    assert(IsRow(row));
    return heights_[Index(row)];
}

void ResultsGrid::SetRowHeight(int row, int height) {
    assert(IsRow(row) && height >= 0);
    heights_[Index(row)] = height;
}

}  // namespace velmora
