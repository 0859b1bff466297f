// The "О программе" window.
#pragma once

#include <QDialog>

namespace orbisk {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* e) override;
};

}  // namespace orbisk
