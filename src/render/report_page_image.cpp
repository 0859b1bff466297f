#include "render/report_page_image.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "render/report_pages.h"

namespace orbisk {

PageGeometry pageGeometry(const QPagedPaintDevice& device) {
  PageGeometry g;
  g.dpi = device.logicalDpiY();
  const QPageLayout layout = device.pageLayout();
  g.paper = layout.fullRectPixels(g.dpi);
  // The printer's own size of what it paints on, placed where its layout puts it.
  g.body = QRect(layout.paintRectPixels(g.dpi).topLeft(), QSize(device.width(), device.height()));
  return g;
}

int PageGeometryDevice::metric(PaintDeviceMetric metric) const {
  const auto mm = [this](int pixels) { return qRound(pixels * 25.4 / geometry_.dpi); };
  switch (metric) {
    case PdmWidth: return geometry_.body.width();
    case PdmHeight: return geometry_.body.height();
    case PdmWidthMM: return mm(geometry_.body.width());
    case PdmHeightMM: return mm(geometry_.body.height());
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return geometry_.dpi;
    case PdmNumColors: return 256;
    case PdmDepth: return 8;
    default: return QPaintDevice::metric(metric);
  }
}

QImage reportPageImage(const ReportPages& pages, int page, const PageGeometry& geometry, int width) {
  const qreal scale = static_cast<qreal>(width) / geometry.paper.width();
  QImage image(width, qRound(geometry.paper.height() * scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  // Fonts are sized for the printer's resolution and the whole page is then scaled down, so the
  // picture keeps the printed page's proportions exactly.
  const int dotsPerMeter = qRound(geometry.dpi / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  painter.translate(geometry.body.topLeft() - geometry.paper.topLeft());
  pages.paint(painter, page);
  painter.end();
  return image.convertToFormat(QImage::Format_Grayscale8);  // a quarter of the memory
}

}  // namespace orbisk
