#include "popup_menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QVBoxLayout>

#include "options/topmost.h"

namespace cv {
namespace {

constexpr int kKeyRole = Qt::UserRole + 1;

// Draws an entry's caption and, in a second column, its key.
class EntryDelegate : public QStyledItemDelegate {
 public:
  EntryDelegate(int keyColumn, QObject* parent) : QStyledItemDelegate(parent), keyColumn_(keyColumn) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    const QString key = index.data(kKeyRole).toString();
    if (key.isEmpty()) return;
    painter->save();
    painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                : QPalette::Text));
    painter->drawText(option.rect.adjusted(keyColumn_, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, key);
    painter->restore();
  }

 private:
  int keyColumn_;
};

}  // namespace

PopupMenu::PopupMenu(int menu, const std::vector<MenuEntry>& entries, const QPixmap& header, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), menu_(menu) {
  setObjectName("frmMenu");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (!header.isNull()) {
    auto* top = new QLabel(this);
    top->setObjectName("imgTop");
    top->setPixmap(header);
    top->setScaledContents(true);
    top->setFixedHeight(header.height());
    layout->addWidget(top);
  }
  list_ = new QListWidget(this);
  list_->setObjectName("List1");
  list_->setMouseTracking(true);
  list_->setFrameShape(QFrame::Box);
  list_->setTextElideMode(Qt::ElideNone);  // the separators' dashes simply run to the edge
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette pal = list_->palette();
  pal.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
  pal.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
  list_->setPalette(pal);
  const QFontMetrics fm(list_->font());
  int captionWidth = 0, keyWidth = 0;
  for (const MenuEntry& e : entries) {
    if (e.separator) continue;
    captionWidth = std::max(captionWidth, fm.horizontalAdvance(QString::fromStdString(e.caption)));
    keyWidth = std::max(keyWidth, fm.horizontalAdvance(QString::fromStdString(e.key)));
  }
  const int keyColumn = captionWidth + 24;
  list_->setItemDelegate(new EntryDelegate(keyColumn, list_));
  for (const MenuEntry& e : entries) {
    auto* item = new QListWidgetItem(QString::fromStdString(e.caption), list_);
    item->setData(kKeyRole, QString::fromStdString(e.key));
    if (e.separator) item->setForeground(pal.color(QPalette::Mid));
  }
  layout->addWidget(list_);
  const int rowHeight = std::max(1, list_->sizeHintForRow(0));
  list_->setFixedHeight(static_cast<int>(entries.size()) * rowHeight + 6);
  setFixedWidth(std::max(keyColumn + keyWidth + 24, header.isNull() ? 0 : 120));
  list_->viewport()->installEventFilter(this);
  Class1 topmost;
  topmost.SetOnTop(true);
  topmost.TopForm(this);
}

bool PopupMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_->viewport()) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseMove) {
    const auto* me = static_cast<QMouseEvent*>(event);
    QListWidgetItem* item = list_->itemAt(me->position().toPoint());
    list_->setCurrentItem(item);  // none between entries
    if (!item) list_->clearSelection();
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* me = static_cast<QMouseEvent*>(event);
    const QModelIndex idx = list_->indexAt(me->position().toPoint());
    Press(idx.isValid() ? idx.row() : -1, me->globalPosition().toPoint());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void PopupMenu::Press(int row, const QPoint& globalPos) {
  index_ = row;
  if (menu_ == kOptionsMenu && row == 1) {
    QMenu sub(this);
    QAction* on = sub.addAction(tr("Game Sound On"));
    QAction* off = sub.addAction(tr("Game Sound Off"));
    sub.setDefaultAction(soundMode == 2 ? off : on);
    const QAction* picked = sub.exec(globalPos);
    const int mode = picked == on ? 0 : picked == off ? 2 : soundMode;
    if (mode == soundMode) return;  // nothing changed: the list stays open
    soundMode = mode;
  } else if (menu_ == kHelpMenu && row == 6) {
    webChoice = 0;
    QMenu sub(this);
    QAction* site = sub.addAction(tr("Corvalle Web Site"));
    QAction* ip = sub.addAction(tr("IP Address Check"));
    const QAction* picked = sub.exec(globalPos);
    webChoice = picked == site ? 1 : picked == ip ? 2 : 0;
    if (webChoice == 0) return;
  }
  chosen_ = row >= 0;
  close();
}

void PopupMenu::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    const int row = list_->currentRow();
    if (row >= 0) Press(row, mapToGlobal(list_->visualItemRect(list_->currentItem()).center()));
    return;
  }
  QWidget::keyPressEvent(event);
}

void PopupMenu::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace cv
