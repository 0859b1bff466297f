// "Предварительный просмотр": the report's pages painted on a worker and shown as they arrive,
// so the window never stands still; "Печать..." prints through the print dialog, and the
// preview follows the paper chosen there. Closing it stops the painting.
#pragma once

#include <QDialog>
#include <functional>

#include "gui/main_window/preview_painter.h"

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace orbisk {

class PreviewSheets;

class ReportPreviewDialog : public QDialog {
  Q_OBJECT
  Q_PROPERTY(bool filled READ filled)

 public:
  // The pages are laid out for printer's paper; print runs the print command on it.
  ReportPreviewDialog(PreviewPainter::MakeContent make, QPrinter& printer,
                      std::function<void(QPrinter&)> print, QWidget* parent = nullptr);

  bool filled() const;  // every page has arrived
  bool painting() const { return painter_.running(); }
  const PreviewSheets& sheets() const { return *sheets_; }

  void done(int result) override;  // stops the painting first

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintPages();
  void printPages();
  void applyScale();
  void showPosition();

  PreviewPainter::MakeContent make_;
  QPrinter& printer_;
  std::function<void(QPrinter&)> print_;
  PageGeometry geometry_;
  PreviewPainter painter_;
  QScrollArea* area_;
  PreviewSheets* sheets_;
  QComboBox* scale_;
  QLabel* position_;
  QLabel* progress_;
  bool started_ = false;
};

}  // namespace orbisk
