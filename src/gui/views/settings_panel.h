// The receiver's own settings: every control stands for a byte or a bit of the image.
#pragma once

#include <QWidget>

#include "gui/state/main_state.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace orbisk {

class SettingsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SettingsPanel(MainState& st, QWidget* parent = nullptr);

  // Controls follow the image, repairing out-of-range bytes in it on the way.
  // The caller sets st.refreshing around it; the repairs do not mark the image modified.
  void load();
  // Speaker, Russian language, comments and backlight exist only on the newer receivers.
  void applyModelRule();
  // Writes every field from every control; ignored while the views are being rebuilt.
  void nastr();

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

  // Item index as the image stores it: typed text that names no item is -1.
  static int itemIndex(const QComboBox* box);

  QLabel* Label2 = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLabel* Label3 = nullptr;
  QComboBox* Cbformat = nullptr;
  QLabel* Label9 = nullptr;
  QComboBox* Cbhandshake = nullptr;
  QLabel* Label12 = nullptr;
  QComboBox* Cbnumberring = nullptr;
  QLabel* Label10 = nullptr;
  QComboBox* Cblisten = nullptr;

  QCheckBox* Cbheart = nullptr;
  QCheckBox* Cbspamdata = nullptr;
  QCheckBox* Cbsms = nullptr;
  QCheckBox* Cbspamsms = nullptr;
  QCheckBox* Cbprinter = nullptr;
  QCheckBox* Cbruslang = nullptr;
  QCheckBox* Cbcomment = nullptr;
  QCheckBox* Cbled = nullptr;

  QLabel* Label4 = nullptr;  // receiver's time, set by the receiver link
  QLabel* Label5 = nullptr;  // computer's time

 signals:
  void aboutToEdit();      // a control is about to write the image (undo takes it as it was)
  void edited();           // the image and `modified` changed; the title must follow
  void serviceShortcut();  // the hidden key sequence was typed: open the memory test

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillControls();
  void CbruslangKeyPress(QChar key);

  MainState& st_;
};

}  // namespace orbisk
