// Qt's own dialogs (print dialog, overwrite question) in Russian while one is open.
#pragma once

#include <QTranslator>

namespace orbisk {

class QtRussian {
 public:
  QtRussian();
  ~QtRussian();
  QtRussian(const QtRussian&) = delete;
  QtRussian& operator=(const QtRussian&) = delete;

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace orbisk
