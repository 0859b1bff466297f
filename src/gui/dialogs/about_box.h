// The "О программе" window; its form is about_box.ui.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace orbisk {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  ~TAboutBox() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  std::unique_ptr<Ui::TAboutBox> ui_;
};

}  // namespace orbisk
