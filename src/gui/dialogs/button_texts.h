// Button captions that several windows carry, defined once.
#pragma once

#include <QString>

namespace orbisk::ui {

inline const QString kOkButton = QStringLiteral("OK");
inline const QString kCancelButton = QStringLiteral("Отмена");
inline const QString kCloseButton = QStringLiteral("Закрыть");

// The memory test's buttons, as they are set at each of its steps.
inline const QString kYesEnglishButton = QStringLiteral("Yes");
inline const QString kNoEnglishButton = QStringLiteral("No");
inline const QString kYesButton = QStringLiteral("Да");
inline const QString kNoButton = QStringLiteral("Нет");
inline const QString kReadButton = QStringLiteral("Читать");

}  // namespace orbisk::ui
