// Fonts shipped beside the program: the report is laid out in DejaVu, which Windows lacks, and
// Qt's offscreen platform on Windows finds no system fonts at all (pages without text).
#pragma once

#include <QString>

namespace orbisk {

// Adds every .ttf in dir (by default the folder "fonts" beside the program) to the
// application's fonts; returns how many were added. Needs a QGuiApplication.
int loadBundledFonts(const QString& dir = QString());

}  // namespace orbisk
