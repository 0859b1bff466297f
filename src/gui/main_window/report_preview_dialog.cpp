#include "gui/main_window/report_preview_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/report/report_texts.h"
#include "gui/dialogs/button_texts.h"
#include "gui/main_window/preview_sheets.h"
#include "gui/main_window/report_menu_texts.h"

namespace orbisk {
namespace {

constexpr int kFit = 0;  // the scale list's first item; the others are percents
constexpr int kScales[] = {50, 75, 100, 125};
// The pictures are painted this fine: sharp up to 125 % on a screen of 96 dpi.
constexpr int kPictureDpi = 120;

}  // namespace

ReportPreviewDialog::ReportPreviewDialog(PreviewPainter::MakeContent make, QPrinter& printer,
                                         std::function<void(QPrinter&)> print, QWidget* parent)
    : QDialog(parent), make_(std::move(make)), printer_(printer), print_(std::move(print)) {
  auto* printButton = new QPushButton(report_menu::ReportMenuTexts::printItem());
  printButton->setObjectName(QStringLiteral("PreviewPrint"));
  auto* close = new QPushButton(ui::ButtonTexts::closeButton());
  close->setObjectName(QStringLiteral("PreviewClose"));
  scale_ = new QComboBox;
  scale_->setObjectName(QStringLiteral("PreviewScale"));
  scale_->addItem(report_menu::ReportMenuTexts::fitWidth());
  for (int percent : kScales) scale_->addItem(report_menu::ReportMenuTexts::scalePercent().arg(percent), percent);
  position_ = new QLabel;
  position_->setObjectName(QStringLiteral("PreviewPosition"));
  progress_ = new QLabel;
  progress_->setObjectName(QStringLiteral("PreviewProgress"));
  auto* bar = new QHBoxLayout;
  bar->addWidget(printButton);
  bar->addSpacing(12);
  bar->addWidget(new QLabel(report_menu::ReportMenuTexts::scaleLabel()));
  bar->addWidget(scale_);
  bar->addSpacing(12);
  bar->addWidget(position_);
  bar->addStretch();
  bar->addWidget(progress_);
  bar->addSpacing(12);
  bar->addWidget(close);

  area_ = new QScrollArea;
  sheets_ = new PreviewSheets;
  area_->setWidget(sheets_);
  area_->setBackgroundRole(QPalette::Dark);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // fitting to the width does not make it come and go
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(area_, 1);

  connect(printButton, &QPushButton::clicked, this, &ReportPreviewDialog::printPages);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(scale_, &QComboBox::currentIndexChanged, this, &ReportPreviewDialog::applyScale);
  connect(area_->verticalScrollBar(), &QScrollBar::valueChanged, this, &ReportPreviewDialog::showPosition);
  connect(&painter_, &PreviewPainter::counted, this, [this](int pages) {
    sheets_->reset(pages, geometry_.paper.size());
    applyScale();
  });
  connect(&painter_, &PreviewPainter::pagePainted, this, [this](int page, const QImage& image) {
    sheets_->setPage(page, image);
    showPosition();
  });
}

bool ReportPreviewDialog::filled() const { return sheets_->count() > 0 && sheets_->arrived() == sheets_->count(); }

void ReportPreviewDialog::paintPages() {
  geometry_ = pageGeometry(printer_);
  sheets_->reset(0, geometry_.paper.size());
  const int width = qRound(geometry_.paper.width() * kPictureDpi / static_cast<qreal>(geometry_.dpi) *
                           devicePixelRatioF());
  painter_.start(make_, geometry_, width);
  showPosition();
}

void ReportPreviewDialog::printPages() {
  print_(printer_);
  // Another paper chosen in the print dialog: the preview shows the pages as they now print.
  if (!(pageGeometry(printer_) == geometry_)) paintPages();
}

void ReportPreviewDialog::applyScale() {
  const int percent = scale_->currentData().toInt();
  if (scale_->currentIndex() == kFit || percent <= 0) {
    const int room = area_->viewport()->width() - 2 * PreviewSheets::kGap;
    sheets_->setSheetWidth(room);
  } else {
    const qreal inches = geometry_.paper.width() / static_cast<qreal>(geometry_.dpi);
    sheets_->setSheetWidth(qRound(inches * logicalDpiX() * percent / 100.0));
  }
  showPosition();
}

void ReportPreviewDialog::showPosition() {
  const int count = sheets_->count();
  const int shown = sheets_->pageAt(area_->verticalScrollBar()->value() + area_->viewport()->height() / 3);
  position_->setText(count > 0 ? report::ReportTexts::pageOf().arg(shown + 1).arg(count) : QString());
  progress_->setText(count == 0 ? report_menu::ReportMenuTexts::preparing()
                     : filled() ? QString()
                                : report_menu::ReportMenuTexts::pagesPainted().arg(sheets_->arrived()).arg(count));
}

void ReportPreviewDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // Once the window is drawn: its first drawing and the worker's start do not compete.
  if (!started_) QTimer::singleShot(0, this, &ReportPreviewDialog::paintPages);
  started_ = true;
}

void ReportPreviewDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  applyScale();
}

void ReportPreviewDialog::done(int result) {
  painter_.stop();
  QDialog::done(result);
}

}  // namespace orbisk
