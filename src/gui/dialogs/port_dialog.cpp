#include "gui/dialogs/port_dialog.h"
#include "gui/dialogs/button_texts.h"
#include "core/link/remote_port_name.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace orbisk {
namespace {

// The window as first drawn; every size grows when the platform's font needs more room.
constexpr int kMinWidth = 305;
constexpr int kMinHeight = 139;
constexpr int kComboLeft = 56;
constexpr int kComboTop = 40;
constexpr int kComboMinWidth = 97;
constexpr int kComboDrawnHeight = 21;
constexpr int kComboToButtons = 47;
constexpr int kButtonRightMargin = 30;
constexpr int kOkTop = 24;
constexpr int kCancelTop = 72;
constexpr int kButtonBottomMargin = 42;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

const QString kCaption = QStringLiteral("Выбор порта");
// Typical names, so the box has room for them before any is listed or typed.
const QString kUnixSample = QStringLiteral("/dev/ttyUSB10");
const QString kWindowsSample = QStringLiteral("\\\\.\\COM24");

}  // namespace

TForm4::TForm4(MainState& st, std::function<void(const QString&)> showPort, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      st_(st),
      showPort_(std::move(showPort)) {
  setObjectName(QStringLiteral("TForm4"));
  setWindowTitle(kCaption);
  setModal(true);

  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(true);
  // A typed name is the choice itself; it is not added to the probed list.
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);

  Button1 = new QPushButton(ui::kOkButton, this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(ui::kCancelButton, this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
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
  const int comboWidth = std::max(kComboMinWidth, comboNeed.width());
  const int comboHeight = std::max(ComboBox1->sizeHint().height(), comboNeed.height());

  const int buttonWidth = std::max({kButtonWidth, Button1->sizeHint().width(), Button2->sizeHint().width()});
  const int buttonHeight = std::max({kButtonHeight, Button1->sizeHint().height(), Button2->sizeHint().height()});
  const int buttonLeft = kComboLeft + comboWidth + kComboToButtons;
  const int cancelTop = std::max(kCancelTop, kOkTop + buttonHeight + 8);
  // The box keeps its place between the buttons when they grow.
  const int comboTop = kComboTop + (cancelTop - kCancelTop) / 2 + (kComboDrawnHeight - comboHeight) / 2;

  ComboBox1->setGeometry(kComboLeft, std::max(kOkTop, comboTop), comboWidth, comboHeight);
  Button1->setGeometry(buttonLeft, kOkTop, buttonWidth, buttonHeight);
  Button2->setGeometry(buttonLeft, cancelTop, buttonWidth, buttonHeight);
  setFixedSize(std::max(kMinWidth, buttonLeft + buttonWidth + kButtonRightMargin),
               std::max(kMinHeight, cancelTop + buttonHeight + kButtonBottomMargin));
}

}  // namespace orbisk
