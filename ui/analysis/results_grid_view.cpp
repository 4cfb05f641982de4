#include "ui/analysis/results_grid_view.h"

#include "analysis/results_grid.h"

#include <QPainter>
#include <QtMath>

namespace velmora {

namespace {

constexpr int kLine = 1;  // the line between two cells
const QColor kFixedTeal(0, 104, 104);
const QColor kHighlight(0, 0, 128);
const QColor kGridLine(0, 80, 80);
const QColor kBevelLight(96, 176, 176);
const QColor kBevelDark(0, 56, 56);
constexpr int kTextPadding = 2;
constexpr int kFontPixels = 12;

bool IsFixed(int column, int row) {
    return column < ResultsGrid::kFixedColumns || row < ResultsGrid::kFixedRows;
}

}  // namespace

const QColor ResultsGridView::kTeal(0, 128, 128);

QFont ResultsGridView::GridFont() {
    // A font whose blank is half a digit wide, as the grid's texts were laid out for:
    // two blanks stand in for a digit, so the numbers line up.
    QFont font("DejaVu Sans");
    font.setPixelSize(kFontPixels);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

ResultsGridView::ResultsGridView(const ResultsGrid& grid, QWidget* parent)
    : QWidget(parent), grid_(grid) {
    setObjectName("SimGrid");
    setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks belong to the window
    setFocusPolicy(Qt::NoFocus);
}

void ResultsGridView::SetScale(double scale) {
    scale_ = scale;
    const QSize logical = LogicalSize();
    resize(qCeil(logical.width() * scale_), qCeil(logical.height() * scale_));
    update();
}

QSize ResultsGridView::LogicalSize() const {
    int width = 0, height = 0;
    for (int c = 0; c < ResultsGrid::kColumns; ++c) width += grid_.ColumnWidth(c) + kLine;
    for (int r = 0; r < ResultsGrid::kRows; ++r) height += grid_.RowHeight(r) + kLine;
    return QSize(width, height);
}

QRect ResultsGridView::CellRect(int column, int row) const {
    int x = 0, y = 0;
    for (int c = 0; c < column; ++c) x += grid_.ColumnWidth(c) + kLine;
    for (int r = 0; r < row; ++r) y += grid_.RowHeight(r) + kLine;
    return QRect(x, y, grid_.ColumnWidth(column), grid_.RowHeight(row));
}

QPoint ResultsGridView::CellAt(QPoint pos) const {
    const QPointF logical = QPointF(pos) / scale_;
    for (int c = 0; c < ResultsGrid::kColumns; ++c)
        for (int r = 0; r < ResultsGrid::kRows; ++r)
            if (CellRect(c, r).contains(logical.toPoint())) return QPoint(c, r);
    return QPoint(-1, -1);
}

void ResultsGridView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale_, scale_);
    p.setFont(GridFont());
    // Lines one screen pixel wide whatever the scale, so all of them look alike.
    auto pen = [](const QColor& color) {
        QPen cosmetic(color, 0);
        cosmetic.setCosmetic(true);
        return cosmetic;
    };

    const GridSelection& sel = grid_.Selection();
    for (int c = 0; c < ResultsGrid::kColumns; ++c) {
        // A hidden strategy column keeps one pixel: only its lines show.
        if (grid_.ColumnWidth(c) <= ResultsGrid::kHiddenColumnWidth) continue;
        for (int r = 0; r < ResultsGrid::kRows; ++r) {
            const QRect cell = CellRect(c, r);
            const bool fixed = IsFixed(c, r);
            const bool selected = !fixed && c >= sel.Left && c <= sel.Right && r >= sel.Top &&
                                  r <= sel.Bottom;
            // The fill reaches over the line after the cell, so no gap is left between
            // cells when the scale does not fall on whole pixels.
            p.fillRect(QRectF(cell).adjusted(0, 0, kLine, kLine),
                       fixed ? kFixedTeal : selected ? kHighlight : kTeal);
            const std::string& text = grid_.Cell(c, r);
            if (text.empty()) continue;
            p.setPen(Qt::white);
            p.save();
            p.setClipRect(cell);
            p.drawText(cell.adjusted(kTextPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(text));
            p.restore();
        }
    }

    // The lines between the cells, then the raised edges of the fixed cells.
    const QSize size = LogicalSize();
    p.setPen(pen(kGridLine));
    for (int c = 0, x = 0; c < ResultsGrid::kColumns; ++c) {
        x += grid_.ColumnWidth(c);
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, size.height()));
        x += kLine;
    }
    for (int r = 0, y = 0; r < ResultsGrid::kRows; ++r) {
        y += grid_.RowHeight(r);
        p.drawLine(QPointF(0, y + 0.5), QPointF(size.width(), y + 0.5));
        y += kLine;
    }
    for (int c = 0; c < ResultsGrid::kColumns; ++c) {
        if (grid_.ColumnWidth(c) <= ResultsGrid::kHiddenColumnWidth) continue;
        for (int r = 0; r < ResultsGrid::kRows; ++r) {
            if (!IsFixed(c, r)) continue;
            const QRectF cell = QRectF(CellRect(c, r)).adjusted(0.5, 0.5, -0.5, -0.5);
            p.setPen(pen(kBevelLight));
            p.drawLine(cell.topLeft(), cell.topRight());
            p.drawLine(cell.topLeft(), cell.bottomLeft());
            p.setPen(pen(kBevelDark));
            p.drawLine(cell.bottomLeft(), cell.bottomRight());
            p.drawLine(cell.topRight(), cell.bottomRight());
        }
    }
}

}  // namespace velmora
