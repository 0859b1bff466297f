// The port selection dialog: lists the serial ports that can be opened now and makes the chosen
// one the port every conversation with the receiver opens.
#pragma once

#include <QDialog>
#include <QRect>
#include <functional>

#include "gui/state/main_state.h"
#include "core/link/port_list.h"
#include "core/state/preferences.h"

#include <optional>

class QComboBox;
class QPushButton;

namespace orbisk {

class TForm4 : public QDialog {
  Q_OBJECT
 public:
  // showPort puts the chosen name into the main window's status panel 0.
  TForm4(MainState& st, std::function<void(const QString&)> showPort, QWidget* parent = nullptr);

  // Tests hand in fake devices; the program uses the platform's.
  void setPortSource(PortSource source) { source_ = std::move(source); }
  // Where the network ports used lately are kept; without it none are offered.
  void setPreferences(Preferences prefs) { prefs_ = std::move(prefs); }

  void FormActivate();  // on every showing: probe the ports and refill the list
  void Button1Click();  // OK: the chosen port becomes the port name
  void Button2Click();  // Cancel: nothing changes

  QComboBox* ComboBox1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void placeControls();
  QString chosenPort() const;

  MainState& st_;
  std::function<void(const QString&)> showPort_;
  PortSource source_ = nativePortSource();
  std::optional<Preferences> prefs_;
  struct Drawn {
    QRect combo, ok, cancel;
    QSize size;
  } drawn_;  // the form's geometry, before any growing
};

}  // namespace orbisk
