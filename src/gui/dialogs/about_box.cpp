#include "gui/dialogs/about_box.h"

#include <QScreen>

#include "gui/dialogs/button_texts.h"
#include "ui_about_box.h"

namespace orbisk {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  Ui::TAboutBox form;
  form.setupUi(this);
  form.OKButton->setText(ui::ButtonTexts::okButton());  // the buttons' texts are shared by every dialog
}

void TAboutBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Centred on the screen, not on the main window.
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace orbisk
