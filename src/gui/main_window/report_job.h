// Paints a report on a worker thread (QPainter on a PDF writer or a printer is safe there) while
// a progress window with "Отмена" keeps the main window drawn and answering.
#pragma once

#include <functional>

#include "render/report_document.h"

class QWidget;

namespace orbisk {

enum class JobCancel { Offered, NotOffered };

// Runs work(progress) on a worker thread and returns when it has ended; progress answers false
// once the user has cancelled. Returns false when cancelled.
bool runReportJob(QWidget* parent, JobCancel cancel, const std::function<void(const ReportProgress&)>& work);

}  // namespace orbisk
