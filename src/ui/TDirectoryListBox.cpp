#include "ui/TDirectoryListBox.h"

#include <QDir>
#include <algorithm>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace validador::ui {

TDirectoryListBox::TDirectoryListBox(QWidget* parent)
    : QTreeView(parent), model_(new QFileSystemModel(this)) {
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QString());
  setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  header()->hide();
  setUniformRowHeights(true);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnCurrentChanged(current); });
}

void TDirectoryListBox::SetDirectory(const QString& folder) {
  const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  const QModelIndex index = model_->index(clean);
  directory_ = clean;
  if (index.isValid()) {
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) expand(up);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
  }
  emit DirectoryChanged(directory_);
}

void TDirectoryListBox::OnCurrentChanged(const QModelIndex& current) {
  if (!current.isValid()) return;
  const QString folder = model_->filePath(current);
  if (folder == directory_) return;
  directory_ = folder;
  emit DirectoryChanged(directory_);
}

// The name's room is its cell, less the icon and the margins the style puts around
// them, and no more than the part of the list that shows.
bool TDirectoryListBox::NameIsCut(const QModelIndex& index) const {
  const QRect cell = visualRect(index);
  const int shown = std::min(cell.right(), viewport()->width() - 1) - cell.left() + 1;
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int needed = iconSize().width() + 4 * margin +
                     fontMetrics().horizontalAdvance(index.data(Qt::DisplayRole).toString());
  return needed > shown;
}

QString TDirectoryListBox::TooltipAt(const QPoint& viewportPoint) const {
  const QModelIndex index = indexAt(viewportPoint);
  if (!index.isValid() || !NameIsCut(index)) return {};
  return QDir::toNativeSeparators(model_->filePath(index));
}

bool TDirectoryListBox::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = TooltipAt(help->pos());
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(indexAt(help->pos())));
  }
  return true;
}

QColor TDirectoryListBox::FocusFrameColour() { return {0, 0, 160}; }

void TDirectoryListBox::paintEvent(QPaintEvent* event) {
  QTreeView::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(viewport());
  QPen pen(FocusFrameColour(), kFocusFrameWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  const int inset = kFocusFrameWidth / 2;
  painter.drawRect(viewport()->rect().adjusted(inset, inset, -inset, -inset));
}

void TDirectoryListBox::focusInEvent(QFocusEvent* event) {
  QTreeView::focusInEvent(event);
  viewport()->update();
}

void TDirectoryListBox::focusOutEvent(QFocusEvent* event) {
  QTreeView::focusOutEvent(event);
  viewport()->update();
}

}  // namespace validador::ui
