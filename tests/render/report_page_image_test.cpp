// The preview's stand-in for the printer breaks the pages where the printer does, on any paper,
// and a page's picture holds the whole page, head to foot, inside the paper's margins: on a
// narrow paper a long heading wraps instead of running off the sheet.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>
#include <memory>

#include "core/report/report_content.h"
#include "render/report_document.h"
#include "render/report_page_image.h"
#include "render/report_pages.h"
#include "sim/sample_config.h"

namespace orbisk::test {
namespace {

ReportContent fullContent() {
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  ReportSource src;
  src.shortName = QStringLiteral("full");
  src.fullPath = QStringLiteral("/tmp/full.rcf");
  return reportContent(*img, src);
}

// A sheet with a printer's margins of 10 mm, at a printer's resolution.
void setPaper(QPdfWriter& device, QPageSize::PageSizeId paper) {
  device.setResolution(1200);
  device.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                   QPageLayout::Millimeter));
}

TEST(ReportPageImage, StandInBreaksPagesAsThePrinterOnEveryPaper) {
  const ReportContent content = fullContent();
  QBuffer sink;
  sink.open(QIODevice::WriteOnly);
  QPdfWriter device(&sink);
  int a4 = 0;
  for (QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::A5, QPageSize::Letter}) {
    setPaper(device, paper);
    const PageGeometry geometry = pageGeometry(device);
    EXPECT_NEAR(geometry.body.left(), 472, 6);  // 10 mm at 1200 dpi (Qt keeps margins in whole points)
    EXPECT_EQ(geometry.body.size(), QSize(device.width(), device.height()));
    const int printed = reportPageCount(content, device);
    EXPECT_EQ(reportPageCount(content, PageGeometryDevice(geometry)), printed) << paper;
    if (paper == QPageSize::A4) a4 = printed;
    if (paper == QPageSize::A5) {
      EXPECT_GT(printed, a4 * 3 / 2);
    }
  }
}

TEST(ReportPageImage, PictureHoldsTheWholePageInsideTheMargins) {
  const ReportContent content = fullContent();
  QBuffer sink;
  sink.open(QIODevice::WriteOnly);
  QPdfWriter device(&sink);
  setPaper(device, QPageSize::A5);
  const PageGeometry geometry = pageGeometry(device);
  const ReportPages pages(content, PageGeometryDevice(geometry));
  const QImage image = reportPageImage(pages, 1, geometry, 600);
  ASSERT_EQ(image.width(), 600);
  EXPECT_NEAR(image.height(), 600 * 210 / 148, 2);  // the sheet's shape
  // Where the ink is: the head (file, receiver) at the top, "стр. 2 из N" at the foot, and the
  // table across the body, nothing on the paper's margins.
  int top = image.height(), bottom = -1, left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x)
      if (line[x] < 128) {
        top = std::min(top, y), bottom = std::max(bottom, y);
        left = std::min(left, x), right = std::max(right, x);
      }
  }
  const qreal scale = 600.0 / geometry.paper.width();
  const QRect body(QPoint(qRound(geometry.body.left() * scale), qRound(geometry.body.top() * scale)),
                   QPoint(qRound(geometry.body.right() * scale), qRound(geometry.body.bottom() * scale)));
  ASSERT_GE(bottom, 0) << "a blank page";
  EXPECT_TRUE(body.adjusted(-1, -1, 1, 1).contains(QRect(QPoint(left, top), QPoint(right, bottom))));
  EXPECT_LT(top, image.height() * 12 / 100);
  EXPECT_GT(bottom, image.height() * 85 / 100);
  EXPECT_GT(right - left, image.width() / 2);
}

}  // namespace
}  // namespace orbisk::test
