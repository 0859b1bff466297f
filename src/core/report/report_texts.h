// Texts of the printed configuration report (print, PDF and orbisk-cli report). The settings and
// the telephone list appear under the main window's own captions (core/image/view_texts.h).
#pragma once

#include <QString>

namespace orbisk::report {

inline const QString kTitle = QStringLiteral("Конфигурация приемника");
inline const QString kFileLabel = QStringLiteral("Файл:");
inline const QString kPathLabel = QStringLiteral("Полный путь:");
inline const QString kMadeLabel = QStringLiteral("Отчет составлен:");
inline const QString kModelLabel = QStringLiteral("Приемник:");
// After the path of a configuration that was never saved, or has changes not saved yet.
inline const QString kNeverSaved = QStringLiteral("(не сохранена)");
inline const QString kUnsavedChanges = QStringLiteral("(есть несохраненные изменения)");
// An option of the settings panel, ticked or not.
inline const QString kOptionOn = QStringLiteral("да");
inline const QString kOptionOff = QStringLiteral("нет");
// A settings list whose image value has no item (the panel shows no selection).
inline const QString kNoSelection = QStringLiteral("—");
// A report that could not be written (after the file name), by the desktop and orbisk-cli.
inline const QString kCannotWrite = QStringLiteral("Не удалось записать отчет");
// The foot of every page, and the heading of an expander whose table goes on from a page before.
inline const QString kPageOf = QStringLiteral("стр. %1 из %2");
inline const QString kContinued = QStringLiteral(" (продолжение)");
inline const QString kDateTimeFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

}  // namespace orbisk::report
