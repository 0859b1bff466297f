#include "gui/dialogs/about_box.h"
#include "gui/dialogs/button_texts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orbisk {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TAboutBox"));
  setWindowTitle(QStringLiteral("О программе"));
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  auto* inner = new QVBoxLayout(panel);
  inner->addWidget(new QLabel(QStringLiteral("Программа: Orbisk"), panel));
  inner->addWidget(new QLabel(QStringLiteral("Версия:  1.14.02"), panel));
  inner->setContentsMargins(24, 16, 24, 16);
  auto* ok = new QPushButton(ui::kOkButton, this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // fixed-size dialog
}

}  // namespace orbisk

namespace orbisk {

void TAboutBox::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Centred on the screen, not on the main window.
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace orbisk
