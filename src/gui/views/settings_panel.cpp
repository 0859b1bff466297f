#include "gui/views/settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "core/image/settings_lists.h"
#include "gui/views/service_shortcut.h"
#include "core/image/view_texts.h"
#include "ui_settings_panel.h"

namespace orbisk {
namespace {

constexpr int kPanelWidth = 534;
constexpr int kPanelHeight = 318;
constexpr int kClockFontPixels = 13;

}  // namespace

SettingsPanel::SettingsPanel(MainState& st, QWidget* parent) : QWidget(parent), st_(st) {
  Ui::SettingsPanel form;
  form.setupUi(this);
  Label2 = form.Label2;
  ComboBox1 = form.ComboBox1;
  Label3 = form.Label3;
  Cbformat = form.Cbformat;
  Label9 = form.Label9;
  Cbhandshake = form.Cbhandshake;
  Label12 = form.Label12;
  Cbnumberring = form.Cbnumberring;
  Label10 = form.Label10;
  Cblisten = form.Cblisten;
  Cbheart = form.Cbheart;
  Cbspamdata = form.Cbspamdata;
  Cbsms = form.Cbsms;
  Cbspamsms = form.Cbspamsms;
  Cbprinter = form.Cbprinter;
  Cbruslang = form.Cbruslang;
  Cbcomment = form.Cbcomment;
  Cbled = form.Cbled;
  Label4 = form.Label4;
  Label5 = form.Label5;
  fillControls();
}

// The drawn size is the least; a larger window gives the panel more room, and so does a font
// whose captions need more than the drawn size (a wider system font, a larger text setting).
QSize SettingsPanel::minimumSizeHint() const {
  return QWidget::minimumSizeHint().expandedTo(QSize(kPanelWidth, kPanelHeight));
}

QSize SettingsPanel::sizeHint() const { return QWidget::sizeHint().expandedTo(minimumSizeHint()); }

// What the form cannot hold: the captions orbisk-cli and the report share, the lists, the
// clock's font, and the wiring.
void SettingsPanel::fillControls() {
  const std::pair<QLabel*, QString> captions[] = {
      {Label2, view::ViewTexts::receiverNumberLabel()}, {Label3, view::ViewTexts::pcFormatLabel()},
      {Label9, view::ViewTexts::handshakeLabel()},      {Label12, view::ViewTexts::ringsLabel()},
      {Label10, view::ViewTexts::ackWaitLabel()}};
  for (const auto& [label, text] : captions) label->setText(text);
  // The form's lists never take typed text as an item: text that names no item is no selection.
  const std::pair<QComboBox*, QStringList> lists[] = {{ComboBox1, items::kReceiverNumbers},
                                                      {Cbformat, items::kPcFormats},
                                                      {Cbhandshake, items::kHandshakes},
                                                      {Cbnumberring, items::kOneToFive},
                                                      {Cblisten, items::kOneToFive}};
  for (const auto& [box, items] : lists) box->addItems(items);
  const QString reportHint = tr("Номер, который отображается в отчете в Ravelstat");
  Label2->setToolTip(reportHint);
  for (QComboBox* c : {ComboBox1, Cbformat, Cbhandshake, Cbnumberring, Cblisten}) c->setToolTip(reportHint);

  const std::pair<QCheckBox*, QString> checks[] = {
      {Cbheart, view::ViewTexts::heartbeatCaption()}, {Cbspamdata, view::ViewTexts::spamDataCaption()},
      {Cbsms, view::ViewTexts::smsCaption()},         {Cbspamsms, view::ViewTexts::spamSmsCaption()},
      {Cbprinter, view::ViewTexts::speakerCaption()}, {Cbruslang, view::ViewTexts::russianCaption()},
      {Cbcomment, view::ViewTexts::commentsCaption()}, {Cbled, view::ViewTexts::backlightCaption()}};
  for (const auto& [check, text] : checks) check->setText(text);

  for (QLabel* l : {Label4, Label5}) {
    QFont f = l->font();
    f.setPixelSize(kClockFontPixels);
    l->setFont(f);
  }

  for (QComboBox* c : {ComboBox1, Cbformat, Cbhandshake, Cbnumberring, Cblisten})
    connect(c, &QComboBox::editTextChanged, this, [this] { nastr(); });
  for (QCheckBox* c : {Cbheart, Cbspamdata, Cbsms, Cbspamsms, Cbprinter, Cbruslang, Cbcomment, Cbled})
    connect(c, &QCheckBox::clicked, this, [this] { nastr(); });
  Cbruslang->installEventFilter(this);
}

bool SettingsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Cbruslang && event->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (!text.isEmpty()) CbruslangKeyPress(text.at(0));
  }
  return QWidget::eventFilter(watched, event);  // the keys still reach the check box
}

void SettingsPanel::CbruslangKeyPress(QChar key) {
  if (st_.busy) return;
  if (serviceKey(st_.serviceSequence, key)) emit serviceShortcut();
}

}  // namespace orbisk
