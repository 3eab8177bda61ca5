#pragma once
#include <QColor>
#include <QString>
#include <Qt>
#include <vector>

class QTableWidget;
class QWidget;

namespace cv {

// One column of a score grid as its header format gives it.
struct GridColumn {
  QString text;         // the header text, blanks included
  Qt::Alignment align;  // of the header and of the column's cells
};

// Columns of a header format: separated by "|", a leading "<" aligns the column
// left, "^" centres it; without either it is aligned left.
std::vector<GridColumn> ParseGridFormat(const QString& format);

// A read-only grid with a bold header row of the format's columns and `rows` rows
// below it; a column is as wide as its header text with its blanks, or `minWidths`.
QTableWidget* MakeScoreGrid(const QString& name, const QString& format, int rows, QWidget* parent,
                            const std::vector<int>& minWidths = {});

// A cell by the grid's own numbering: row 1 is the first row below the header.
void SetCell(QTableWidget* grid, int row, int column, const QString& text);
QString CellText(const QTableWidget* grid, int row, int column);
void SetCellColour(QTableWidget* grid, int row, int column, const QColor& colour);
// Every cell below the header emptied (colours stay).
void ClearCells(QTableWidget* grid);
// As wide as its columns plus `extra` pixels, as high as its rows.
void FitGrid(QTableWidget* grid, int extra);
void SetHeaderHeight(QTableWidget* grid, int height);

}  // namespace cv
