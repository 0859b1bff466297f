// The preview's pages one below the other on a grey ground, each drawn from its picture when it
// is in sight; a page whose picture has not arrived yet is a blank sheet.
#pragma once

#include <QImage>
#include <QSizeF>
#include <QWidget>
#include <vector>

namespace orbisk {

class PreviewSheets : public QWidget {
 public:
  explicit PreviewSheets(QWidget* parent = nullptr) : QWidget(parent) {}

  // count blank sheets of this shape (width by height, any unit).
  void reset(int count, QSizeF paper);
  void setPage(int page, const QImage& image);
  int count() const { return static_cast<int>(images_.size()); }
  int arrived() const { return arrived_; }
  // The width of a sheet on the screen, in pixels.
  void setSheetWidth(int width);
  int sheetWidth() const { return sheetWidth_; }
  // The page at the height y of this widget (from 0).
  int pageAt(int y) const;
  // Takes the width of the view around it (after the view was resized).
  void fitSize();
  static constexpr int kGap = 12;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int sheetHeight() const;
  QRect sheetRect(int page) const;

  std::vector<QImage> images_;
  QSizeF paper_{210, 297};
  int sheetWidth_ = 600;
  int arrived_ = 0;
};

}  // namespace orbisk
