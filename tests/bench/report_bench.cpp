// The configuration report of 16 x 200 telephones (scripts/bench_report.sh; not a test):
//   pdf       processor time of the rich-text layout it replaced and of the painted pages, one run;
//   window    the view refresh and a search of 3,200 telephones, then the longest the main window's
//             event loop stood still while "Экспорт в PDF..." ran;
//   preview   the longest the main window stood still while "Предварительный просмотр..." filled.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPdfWriter>
#include <QPixmap>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>

#include "gui/main_window/exchange_controller.h"
#include "core/report/config_report.h"
#include "core/report/report_content.h"
#include "core/state/prompter.h"
#include "gui/main_window/report_controller.h"
#include "gui/main_window/tform1.h"
#include "render/report_document.h"
#include "render/report_pages.h"
#include "sim/sample_config.h"
#include "support/loop_gap_meter.h"

using namespace orbisk;

namespace {

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

ReportSource fullSource() {
  ReportSource src;
  src.shortName = QStringLiteral("full");
  src.fullPath = QStringLiteral("/tmp/full.rcf");
  src.made = QDateTime::currentDateTime();
  src.modelText = QStringLiteral("Halvorn 3320");
  return src;
}

void a4(QPdfWriter& pdf) {
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  pdf.setResolution(300);
}

// The way the report was laid out before: one rich-text document printed on the writer.
void richText(const ConfigImage& img, const QString& path) {
  QPdfWriter pdf(path);
  a4(pdf);
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  doc.setHtml(reportHtml(img, fullSource()));
  doc.print(&pdf);
}

int painted(const ConfigImage& img, const QString& path) {
  const ReportContent content = reportContent(img, fullSource());
  SaveCause error = SaveCause::None;
  int pages = 0;
  writeReportPdf(content, path, error, [&pages](int done, int) { return (pages = done) > 0; });
  return pages;
}

int benchPdf(const QString& dir) {
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  double t0 = cpuSeconds();
  richText(*img, dir + QStringLiteral("/rich.pdf"));
  const double richCpu = cpuSeconds() - t0;
  t0 = cpuSeconds();
  const int after = painted(*img, dir + QStringLiteral("/painted.pdf"));
  const double paintedCpu = cpuSeconds() - t0;
  std::printf("16 x 200 to PDF, processor time: rich text %.2f s, painted %.3f s (%d pages), %.0fx\n", richCpu,
              paintedCpu, after, richCpu / paintedCpu);
  return 0;
}

class PdfPrompter : public Prompter {
 public:
  explicit PdfPrompter(QString path) : path_(std::move(path)) {}
  void message(const QString& t) override { std::fprintf(stderr, "%s\n", qPrintable(t)); }
  void messageCaptioned(const QString&, const QString& t) override { message(t); }
  Answer ask(const QString&, bool) override { return Answer::No; }
  QString openFile(const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&) override { return {}; }
  QString savePdfFile(const QString&, const QString&) override { return path_; }

 private:
  QString path_;
};

int benchWindow(const QString& dir, const QString& shot) {
  PdfPrompter prompter(dir + QStringLiteral("/window.pdf"));
  TForm1 form(&prompter, Preferences(dir + QStringLiteral("/prefs.ini")));
  form.state().activated = true;  // no read of a receiver at the first activation
  sim::buildFull(form.state().image);
  QElapsedTimer clock;
  clock.start();
  form.obrfile();  // the view refresh that ends an Open
  const qint64 refresh = clock.elapsed();
  form.show();
  clock.restart();
  form.exchange().findNextPhone(QStringLiteral("+79031015199"));  // the last of 3,200 telephones
  std::printf("view refresh of 16 x 200: %lld ms; finding the last of 3,200 telephones: %lld ms\n",
              static_cast<long long>(refresh), static_cast<long long>(clock.elapsed()));
  qint64 last = 0, longest = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    longest = std::max(longest, clock.elapsed() - last);
    last = clock.elapsed();
  });
  tick.start(10);
  // A picture of the screen while the pages are made: the progress window over the main window.
  if (!shot.isEmpty())
    QTimer::singleShot(380, [&shot] { QGuiApplication::primaryScreen()->grabWindow(0).save(shot); });
  clock.start();
  form.report().exportPdf();
  const qint64 total = clock.elapsed();
  std::printf("\"Экспорт в PDF...\" of 16 x 200: %lld ms in all, the window stood still at most %lld ms\n",
              static_cast<long long>(total), static_cast<long long>(longest));
  return 0;
}

// Opens the preview of 16 x 200 and closes it once every page is shown (or after 10 s).
int benchPreview(const QString& dir, const QString& shot) {
  PdfPrompter prompter(QString{});
  TForm1 form(&prompter, Preferences(dir + QStringLiteral("/prefs.ini")));
  form.state().activated = true;
  sim::buildFull(form.state().image);
  form.obrfile();
  form.show();
  // The main window's own first drawing is not the preview's.
  QEventLoop settle;
  QTimer::singleShot(1000, &settle, &QEventLoop::quit);
  settle.exec();
  QElapsedTimer clock;
  test::LoopGapMeter gaps;
  qint64 longest = -1, filled = -1;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* preview = QApplication::activeModalWidget();
    if (!preview || (!preview->property("filled").toBool() && clock.elapsed() < 10000)) return;
    longest = gaps.longestMs();  // before the picture, which takes its own time
    filled = clock.elapsed();
    if (!shot.isEmpty()) preview->grab().save(shot);
    preview->close();
  });
  poll.start(50);
  clock.start();
  gaps.restart();
  form.report().preview();
  std::printf("\"Предварительный просмотр...\" of 16 x 200: filled after %lld ms, "
              "the window stood still at most %lld ms\n",
              static_cast<long long>(filled), static_cast<long long>(longest));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QStringList modes{QStringLiteral("pdf"), QStringLiteral("window"), QStringLiteral("preview")};
  if (args.size() < 3 || !modes.contains(args[1])) {
    std::fprintf(stderr, "usage: orbisk-report-bench pdf DIR | window DIR [SCREENSHOT.png] | preview DIR [SCREENSHOT.png]\n");
    return 2;
  }
  if (args[1] == QLatin1String("pdf")) return benchPdf(args[2]);
  if (args[1] == QLatin1String("preview")) return benchPreview(args[2], args.value(3));
  return benchWindow(args[2], args.value(3));
}
