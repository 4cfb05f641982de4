#pragma once
// Draws a ResultsGrid as the results window's string grid: teal cells with white
// text, the fixed column heads and margins raised, the selected range highlighted.
// The grid is laid out in logical pixels (the column widths and row heights of the
// grid) and scaled with the window by the owner's `scale`.

#include <QWidget>

namespace velmora {

class ResultsGrid;

class ResultsGridView : public QWidget {
    Q_OBJECT

public:
    ResultsGridView(const ResultsGrid& grid, QWidget* parent = nullptr);

    // Logical pixels to screen pixels.
    void SetScale(double scale);
    double Scale() const { return scale_; }
    // The grid's size in logical pixels (the cells and the lines between them).
    QSize LogicalSize() const;
    // The cell under a point of the widget (logical pixels times the scale), or
    // (-1, -1) outside the cells.
    QPoint CellAt(QPoint pos) const;
    // A cell's rectangle in logical pixels.
    QRect CellRect(int column, int row) const;

    static const QColor kTeal;
    static QFont GridFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ResultsGrid& grid_;
    double scale_ = 1;
};

}  // namespace velmora
