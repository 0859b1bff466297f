// The "О программе" window; its form is about_box.ui.
#pragma once

#include <QDialog>

namespace orbisk {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
};

}  // namespace orbisk
