#pragma once
// The results window's string grid as plain data: 7 columns x 20 rows of texts,
// the column widths and row heights in pixels, the selected range and the window's
// caption. The analysis writes it; the Qt window and the text rendering show it.
//
// Columns: 0 a narrow margin, 1 the vertical caption of formats 1 and 2, 2 the row
// labels, 3..6 betting strategies 1..4. Row 0 holds the column heads, rows 1..19
// the data. Columns 0 and 1 and row 0 are fixed (drawn as headings).

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// A selected range of cells, inclusive, in grid coordinates.
struct GridSelection {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const GridSelection&, const GridSelection&) = default;
};

class ResultsGrid {
  public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 20;
    static constexpr int kFixedColumns = 2;
    static constexpr int kFixedRows = 1;
    static constexpr int kDefaultColumnWidth = 129;
    static constexpr int kDefaultRowHeight = 18;
    static constexpr int kFirstDataRowHeight = 19;  // row 1
    // Strategy columns hidden in the single-strategy view keep this width.
    static constexpr int kHiddenColumnWidth = 1;

    ResultsGrid();

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view text) { caption_ = text; }

    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string_view text);

    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);

    const GridSelection& Selection() const { return selection_; }
    void SetSelection(const GridSelection& selection) { selection_ = selection; }

    static constexpr bool IsColumn(int c) { return c >= 0 && c < kColumns; }
    static constexpr bool IsRow(int r) { return r >= 0 && r < kRows; }

  private:
    std::string caption_;
    std::array<std::array<std::string, kRows>, kColumns> cells_{};
    std::array<int, kColumns> widths_{};
    std::array<int, kRows> heights_{};
    GridSelection selection_;
};

}  // namespace velmora
