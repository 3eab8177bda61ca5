#include "score_grid.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <algorithm>

namespace cv {

std::vector<GridColumn> ParseGridFormat(const QString& format) {
  std::vector<GridColumn> columns;
  for (QString text : format.split('|')) {
    Qt::Alignment align = Qt::AlignLeft;
    if (text.startsWith('<')) {
      text.remove(0, 1);
    } else if (text.startsWith('^')) {
      align = Qt::AlignHCenter;
      text.remove(0, 1);
    }
    columns.push_back({text, align | Qt::AlignVCenter});
  }
  return columns;
}

QTableWidget* MakeScoreGrid(const QString& name, const QString& format, int rows, QWidget* parent,
                            const std::vector<int>& minWidths) {
  const std::vector<GridColumn> columns = ParseGridFormat(format);
  auto* grid = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
  grid->setObjectName(name);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  QHeaderView* header = grid->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setHighlightSections(false);
  QFont bold = header->font();
  bold.setBold(true);
  header->setFont(bold);
  const QFontMetrics boldMetrics(bold);
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    // The blanks only set the width: the text is shown without them.
    auto* item = new QTableWidgetItem(columns[c].text.trimmed());
    item->setTextAlignment(columns[c].align);
    grid->setHorizontalHeaderItem(c, item);
    const int least = c < static_cast<int>(minWidths.size()) ? minWidths[c] : 0;
    const int textWidth = boldMetrics.horizontalAdvance(columns[c].text.trimmed()) + 16;
    grid->setColumnWidth(c, std::max({least, textWidth, boldMetrics.horizontalAdvance(columns[c].text)}));
    for (int r = 0; r < rows; ++r) {
      auto* cell = new QTableWidgetItem;
      cell->setTextAlignment(columns[c].align);
      grid->setItem(r, c, cell);
    }
  }
  return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  if (QTableWidgetItem* item = grid->item(row - 1, column)) item->setText(text);
}

QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row - 1, column);
  return item ? item->text() : QString();
}

void SetCellColour(QTableWidget* grid, int row, int column, const QColor& colour) {
  if (QTableWidgetItem* item = grid->item(row - 1, column)) {
    item->setBackground(colour);
    item->setForeground(Qt::black);
  }
}

void ClearCells(QTableWidget* grid) {
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c)
      if (QTableWidgetItem* item = grid->item(r, c)) item->setText(QString());
}

void FitGrid(QTableWidget* grid, int extra) {
  int width = 2 * grid->frameWidth() + extra;
  for (int c = 0; c < grid->columnCount(); ++c) width += grid->columnWidth(c);
  int height = 2 * grid->frameWidth() + grid->horizontalHeader()->height();
  for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
  grid->setFixedSize(width, height);
}

void SetHeaderHeight(QTableWidget* grid, int height) { grid->horizontalHeader()->setFixedHeight(height); }

}  // namespace cv
