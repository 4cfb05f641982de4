#include "analysis/grid_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "analysis/show_analysis.h"

namespace velmora {
namespace {

std::string_view TrimRight(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

struct TextColumn {
    int column = 0;
    size_t chars = 0;
};

std::vector<TextColumn> ShownColumns(const ResultsGrid& grid) {
    std::vector<TextColumn> shown;
    for (int c = 0; c < ResultsGrid::kColumns; ++c) {
        const int width = grid.ColumnWidth(c);
        if (width <= kWidestOmittedColumn) continue;
        size_t chars = static_cast<size_t>((width + kPixelsPerChar - 1) / kPixelsPerChar);
        for (int r = 0; r < ResultsGrid::kRows; ++r) {
            chars = std::max(chars, TrimRight(grid.Cell(c, r)).size() + 1);
        }
        shown.push_back({c, chars});
    }
    return shown;
}

}  // namespace

std::string RenderGridText(const ResultsGrid& grid) {
    const std::vector<TextColumn> columns = ShownColumns(grid);
    std::string out(TrimRight(grid.Caption()));
    out += '\n';
    for (int r = 0; r < ResultsGrid::kRows; ++r) {
        std::string line;
        for (const TextColumn& col : columns) {
            const std::string_view text = TrimRight(grid.Cell(col.column, r));
            line += text;
            line.append(col.chars - text.size(), ' ');
        }
        out += TrimRight(line);
        out += '\n';
    }
    return out;
}

std::string RenderAllFormats(Game& game) {
    const uint8_t savedScreen = game.ResultsScreen;
    const bool savedRefresh = game.AnalysisTitleRefresh;
    // One grid for all formats, as in the window: widths set by one format carry on.
    ResultsGrid grid;
    InitAnalysisGrid(grid);
    std::string out;
    game.ResultsScreen = kStatisticsScreen;
    game.AnalysisTitleRefresh = true;
    // The window's clicks, from the statistics round to them again (in the
    // single-strategy view a click changes nothing).
    do {
        ShowAnalysis(game, grid);
        if (!out.empty()) out += '\n';
        out += RenderGridText(grid);
    } while (FormClick(game) && game.ResultsScreen != kStatisticsScreen);
    game.ResultsScreen = savedScreen;
    game.AnalysisTitleRefresh = savedRefresh;
    return out;
}

}  // namespace velmora
