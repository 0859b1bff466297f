// Image to controls (load) and controls to image (nastr) for the settings panel.
#include <QCheckBox>
#include <QComboBox>

#include "core/image/settings_flags.h"
#include "gui/views/settings_panel.h"

namespace orbisk {
namespace {

// Also rewrites the edit text: typed text that named no item must not survive a reload.
void showItem(QComboBox* box, int index) {
  if (index < 0 || index >= box->count()) index = -1;
  box->setCurrentIndex(index);
  box->setEditText(index < 0 ? QString() : box->itemText(index));
}

}  // namespace

int SettingsPanel::itemIndex(const QComboBox* box) {
  // Case does not matter to the user: "a" names receiver "A".
  return box->findText(box->currentText(), Qt::MatchFixedString);
}

void SettingsPanel::applyModelRule() {
  const bool newer = st_.image.isNewerModel();
  for (QCheckBox* c : {Cbprinter, Cbruslang, Cbcomment, Cbled}) c->setEnabled(newer);
}

void SettingsPanel::load() {
  // Setting a control raises its change signal; nothing may be written back while loading.
  const bool wasRefreshing = st_.refreshing;
  st_.refreshing = true;
  ConfigImage& img = st_.image;
  repair::receiverNumber(img);
  showItem(ComboBox1, img.settings().receiverNumber());

  applyModelRule();

  repair::pcFormat(img);
  showItem(Cbformat, img.settings().pcFormat());

  const SettingsFlags f = readFlags(img);
  Cbheart->setChecked(f.heartbeat);
  Cbspamdata->setChecked(f.antispamData);
  Cbprinter->setChecked(f.speaker);
  Cbruslang->setChecked(f.russian);
  Cbsms->setChecked(f.sms);
  Cbspamsms->setEnabled(f.sms);
  Cbspamsms->setChecked(f.antispamSms);
  Cbled->setChecked(f.backlightOff);
  Cbcomment->setChecked(f.comments);

  repair::handshake(img);
  showItem(Cbhandshake, img.settings().handshake());
  repair::ackWait(img);
  showItem(Cblisten, img.settings().ackWait() - 1);
  repair::rings(img);
  showItem(Cbnumberring, img.settings().rings());
  st_.refreshing = wasRefreshing;
}

void SettingsPanel::nastr() {
  if (st_.refreshing) return;
  emit aboutToEdit();
  ConfigImage& img = st_.image;
  // No selection is stored as -1 in 8 bits; the next load repairs what the receiver cannot use.
  auto s = img.settings();
  s.setReceiverNumber(itemIndex(ComboBox1));
  s.setPcFormat(itemIndex(Cbformat));
  s.setHandshake(itemIndex(Cbhandshake), itemIndex(Cbnumberring));
  s.setAckWait(itemIndex(Cblisten) + 1);

  SettingsFlags f;
  f.heartbeat = Cbheart->isChecked();
  f.antispamData = Cbspamdata->isChecked();
  f.speaker = Cbprinter->isChecked();
  f.russian = Cbruslang->isChecked();
  f.sms = Cbsms->isChecked();
  Cbspamsms->setEnabled(f.sms);
  // Kept even while SMS reception is off, so switching it back on restores the choice.
  f.antispamSms = Cbspamsms->isChecked();
  f.backlightOff = Cbled->isChecked();
  f.comments = Cbcomment->isChecked();
  writeFlags(img, f);

  st_.modified = true;
  emit edited();
}

}  // namespace orbisk
