#include "gui/main_window/preview_sheets.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace orbisk {

void PreviewSheets::reset(int count, QSizeF paper) {
  images_.assign(static_cast<size_t>(std::max(count, 0)), QImage());
  if (!paper.isEmpty()) paper_ = paper;
  arrived_ = 0;
  fitSize();
}

void PreviewSheets::setPage(int page, const QImage& image) {
  if (page < 0 || page >= count()) return;
  QImage& slot = images_[static_cast<size_t>(page)];
  if (slot.isNull()) ++arrived_;
  slot = image;
  update(sheetRect(page));
}

void PreviewSheets::setSheetWidth(int width) {
  sheetWidth_ = std::max(width, 50);
  fitSize();
}

int PreviewSheets::sheetHeight() const { return qRound(sheetWidth_ * paper_.height() / paper_.width()); }

QRect PreviewSheets::sheetRect(int page) const {
  const int x = std::max(kGap, (width() - sheetWidth_) / 2);
  return QRect(x, kGap + page * (sheetHeight() + kGap), sheetWidth_, sheetHeight());
}

int PreviewSheets::pageAt(int y) const {
  if (count() == 0) return 0;
  return std::clamp((y - kGap / 2) / (sheetHeight() + kGap), 0, count() - 1);
}

void PreviewSheets::fitSize() {
  // As wide as the view around it, so the sheets stand in its middle; as tall as they need.
  const int room = parentWidget() ? parentWidget()->width() : 0;
  resize(std::max(room, sheetWidth_ + 2 * kGap), kGap + count() * (sheetHeight() + kGap));
  update();
}

void PreviewSheets::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), QColor(0x80, 0x80, 0x80));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Only the sheets in sight: a long report has dozens.
  const int first = pageAt(event->rect().top());
  const int last = pageAt(event->rect().bottom());
  for (int page = first; page <= last && page < count(); ++page) {
    const QRect sheet = sheetRect(page);
    const QImage& image = images_[static_cast<size_t>(page)];
    if (image.isNull())
      painter.fillRect(sheet, Qt::white);
    else
      painter.drawImage(sheet, image);
  }
}

}  // namespace orbisk
