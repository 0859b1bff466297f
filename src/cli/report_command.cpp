// orbisk-cli report FILE --out REPORT: the printable configuration report as PDF or HTML.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <memory>

#include "cli/commands.h"
#include "core/files/atomic_write.h"
#include "core/files/file_texts.h"
#include "core/files/rcf_file.h"
#include "core/link/receiver.h"
#include "core/report/config_report.h"
#include "core/report/report_content.h"
#include "core/report/report_texts.h"
#include "core/state/document.h"
#include "render/report_document.h"

namespace orbisk::cli {
namespace {

enum class ReportKind { Unknown, Pdf, Html };

ReportKind kindOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("pdf")) return ReportKind::Pdf;
  if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) return ReportKind::Html;
  return ReportKind::Unknown;
}

// A file does not hold the channel types, so the tree would name the receiver by its model digits.
QString fileModelText(const ConfigImage& img) {
  if (img[off::kModel] == 0) return kDefaultModelText;
  return modelTextFor(ChannelTypes{}, img);
}

}  // namespace

int runReport(const CliArgs& args, CliEnv& env) {
  const ReportKind kind = kindOf(args.out);
  if (kind == ReportKind::Unknown) {
    env.err(QStringLiteral("orbisk-cli: the report name must end in .pdf, .html or .htm: %1\n").arg(args.out));
    return status::kUsage;
  }
  // Laying out pages needs fonts, which only a GUI application (offscreen will do) provides.
  if (kind == ReportKind::Pdf && !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    env.err(QStringLiteral("orbisk-cli: a PDF report needs the Qt GUI platform\n"));
    return status::kUsage;
  }
  auto img = std::make_unique<ConfigImage>();
  if (!loadConfig(args.file, *img, env, ReadAccess::ReadOnly)) return status::kUsage;
  ReportSource src;
  src.shortName = shortFileName(args.file);
  // As the system writes paths (C:\\sites\\north.rcf on Windows), like the desktop program's.
  src.fullPath = QDir::toNativeSeparators(QFileInfo(args.file).absoluteFilePath());
  src.made = QDateTime::currentDateTime();
  src.modelText = fileModelText(*img);
  // Either way replaced only when whole, and never a device or a pipe that has the name.
  SaveCause saved = SaveCause::Failed;
  if (kind == ReportKind::Pdf) writeReportPdf(reportContent(*img, src), args.out, saved);
  else saved = writeAtomically(args.out, reportHtml(*img, src).toUtf8());
  if (saved == SaveCause::None) return status::kOk;
  env.err(args.out + QStringLiteral(": ") + report::ReportTexts::cannotWrite() + QStringLiteral(": ") +
          text::saveCauseText(saved) + u'\n');
  return status::kUsage;
}

}  // namespace orbisk::cli
