#include "analysis/results_grid_view.h"

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
    p.fillRect(QRect(QPoint(0, 0), LogicalSize()), kGridLine);
    p.setFont(GridFont());

    const GridSelection& sel = grid_.Selection();
    for (int c = 0; c < ResultsGrid::kColumns; ++c) {
        if (grid_.ColumnWidth(c) <= 0) continue;
        for (int r = 0; r < ResultsGrid::kRows; ++r) {
            const QRect cell = CellRect(c, r);
            const bool fixed = IsFixed(c, r);
            const bool selected = !fixed && c >= sel.Left && c <= sel.Right && r >= sel.Top &&
                                  r <= sel.Bottom;
            p.fillRect(cell, fixed ? kFixedTeal : selected ? kHighlight : kTeal);
            if (fixed) {
                // Raised, as the heads of a string grid are.
                p.setPen(kBevelLight);
                p.drawLine(cell.topLeft(), cell.topRight());
                p.drawLine(cell.topLeft(), cell.bottomLeft());
                p.setPen(kBevelDark);
                p.drawLine(cell.bottomLeft(), cell.bottomRight());
                p.drawLine(cell.topRight(), cell.bottomRight());
            }
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
}

}  // namespace velmora
