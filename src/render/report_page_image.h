// The report's pages as pictures for the screen: laid out exactly as a printer would take them,
// painted on a worker thread without touching the printer.
#pragma once

#include <QImage>
#include <QPaintDevice>
#include <QRect>

class QPagedPaintDevice;

namespace orbisk {

class ReportPages;

// A printer's sheet in its own pixels, copied so that another thread can use it.
struct PageGeometry {
  QRect paper;   // the whole sheet
  QRect body;    // the part the printer paints on, within paper
  int dpi = 72;
  bool operator==(const PageGeometry& other) const {
    return paper == other.paper && body == other.body && dpi == other.dpi;
  }
};

PageGeometry pageGeometry(const QPagedPaintDevice& device);

// Stands in for the printer while the pages are laid out: the same size and resolution, so the
// same page breaks. Nothing can be painted on it.
class PageGeometryDevice : public QPaintDevice {
 public:
  explicit PageGeometryDevice(const PageGeometry& geometry) : geometry_(geometry) {}
  QPaintEngine* paintEngine() const override { return nullptr; }

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  PageGeometry geometry_;
};

// Page (from 0) of pages, laid out for geometry, as a grey picture of the whole sheet width
// pixels wide.
QImage reportPageImage(const ReportPages& pages, int page, const PageGeometry& geometry, int width);

}  // namespace orbisk
