#include "gui/dialogs/port_dialog.h"
#include "gui/dialogs/button_texts.h"
#include "core/link/remote_port_name.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "ui_port_dialog.h"

namespace orbisk {
namespace {

// Typical names, so the box has room for them before any is listed or typed.
const QString kUnixSample = QStringLiteral("/dev/ttyUSB10");
const QString kWindowsSample = QStringLiteral("\\\\.\\COM24");

}  // namespace

TForm4::TForm4(MainState& st, std::function<void(const QString&)> showPort, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      st_(st),
      showPort_(std::move(showPort)) {
  // The form's box keeps typed names out of its list: a typed name is the choice itself.
  Ui::TForm4 form;
  form.setupUi(this);
  ComboBox1 = form.ComboBox1;
  Button1 = form.Button1;
  Button2 = form.Button2;
  // Where the form (port_dialog.ui) draws them: every later placement starts from there, growing
  // when the platform's font needs more room.
  drawn_ = {ComboBox1->geometry(), Button1->geometry(), Button2->geometry(), size()};
  Button1->setText(ui::ButtonTexts::okButton());
  Button2->setText(ui::ButtonTexts::cancelButton());
  connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);

  placeControls();
}

void TForm4::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TForm4::FormActivate() {
  PortListing listing = listPorts(source_, st_.portName);
  if (prefs_) addRecentRemotePorts(listing, prefs_->readRecentRemotePorts(), st_.portName);
  ComboBox1->clear();
  ComboBox1->addItems(listing.entries);
  ComboBox1->setCurrentIndex(listing.selected);
  // A port the list does not stand for (a pseudo-terminal typed earlier, a device busy right
  // now) stays in the field, so OK keeps it rather than losing it.
  if (listing.selected < 0 && (source_.naming == PortNaming::Unix || isRemotePortName(st_.portName)))
    ComboBox1->setEditText(st_.portName);
  placeControls();
  ComboBox1->setFocus();
}

QString TForm4::chosenPort() const {
  QString name;
  const QString typed = ComboBox1->currentText().trimmed();
  if (source_.naming == PortNaming::Unix || isRemotePortName(typed)) {
    name = typed;  // any device path may be typed, e.g. /dev/pts/3, and a network port anywhere
  } else if (ComboBox1->currentIndex() >= 0) {
    name = ComboBox1->itemText(ComboBox1->currentIndex());  // COM ports come from the list only
  }
  // An empty name would make every later conversation fail; with nothing chosen, keep the port.
  return name.isEmpty() ? st_.portName : name;
}

void TForm4::Button1Click() {
  st_.portName = chosenPort();
  if (showPort_) showPort_(st_.portName);
  if (prefs_ && isRemotePortName(st_.portName))
    prefs_->writeRecentRemotePorts(withRecentRemotePort(prefs_->readRecentRemotePorts(), st_.portName));
  accept();
}

void TForm4::Button2Click() { reject(); }

void TForm4::placeControls() {
  // Wide enough for every listed name, the text in the field and a typical name.
  const QFontMetrics fm = ComboBox1->fontMetrics();
  int textWidth = fm.horizontalAdvance(source_.naming == PortNaming::Unix ? kUnixSample : kWindowsSample);
  for (int i = 0; i < ComboBox1->count(); ++i)
    textWidth = std::max(textWidth, fm.horizontalAdvance(ComboBox1->itemText(i)));
  textWidth = std::max(textWidth, fm.horizontalAdvance(ComboBox1->currentText()));
  QStyleOptionComboBox opt;
  opt.initFrom(ComboBox1);
  opt.editable = true;
  const QSize comboNeed =
      ComboBox1->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(textWidth, fm.height()), ComboBox1);
  const QRect combo = drawn_.combo, ok = drawn_.ok, cancel = drawn_.cancel;
  const int comboWidth = std::max(combo.width(), comboNeed.width());
  const int comboHeight = std::max(ComboBox1->sizeHint().height(), comboNeed.height());

  const int buttonWidth = std::max({ok.width(), Button1->sizeHint().width(), Button2->sizeHint().width()});
  const int buttonHeight = std::max({ok.height(), Button1->sizeHint().height(), Button2->sizeHint().height()});
  const int buttonLeft = combo.left() + comboWidth + (ok.left() - combo.right() - 1);
  const int cancelTop = std::max(cancel.top(), ok.top() + buttonHeight + 8);
  // The box keeps its place between the buttons when they grow.
  const int comboTop = combo.top() + (cancelTop - cancel.top()) / 2 + (combo.height() - comboHeight) / 2;

  ComboBox1->setGeometry(combo.left(), std::max(ok.top(), comboTop), comboWidth, comboHeight);
  Button1->setGeometry(buttonLeft, ok.top(), buttonWidth, buttonHeight);
  Button2->setGeometry(buttonLeft, cancelTop, buttonWidth, buttonHeight);
  // The margins right of and below the buttons stay as drawn.
  setFixedSize(std::max(drawn_.size.width(), buttonLeft + buttonWidth + drawn_.size.width() - ok.right() - 1),
               std::max(drawn_.size.height(), cancelTop + buttonHeight + drawn_.size.height() - cancel.bottom() - 1));
}

}  // namespace orbisk
