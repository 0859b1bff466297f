#include "gui/views/settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/image/settings_lists.h"
#include "gui/views/service_shortcut.h"
#include "core/image/view_texts.h"

namespace orbisk {
namespace {

constexpr int kPanelWidth = 534;
constexpr int kPanelHeight = 318;
constexpr int kClockFontPixels = 13;
constexpr int kClockLabelHeight = 25;

QString reportHint() { return SettingsPanel::tr("Номер, который отображается в отчете в Ravelstat"); }

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(true);
  // Typed text that names no item is "no selection", never a new item.
  c->setInsertPolicy(QComboBox::NoInsert);
  c->addItems(items);
  c->setToolTip(reportHint());
  return c;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& text, const QString& hint) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) c->setToolTip(hint);
  return c;
}

}  // namespace

SettingsPanel::SettingsPanel(MainState& st, QWidget* parent) : QWidget(parent), st_(st) {
  setObjectName(QStringLiteral("Panel1"));
  buildControls();
  buildLayout();
}

// The drawn size is the least; a larger window gives the panel more room, and so does a font
// whose captions need more than the drawn size (a wider system font, a larger text setting).
QSize SettingsPanel::minimumSizeHint() const {
  return QWidget::minimumSizeHint().expandedTo(QSize(kPanelWidth, kPanelHeight));
}

QSize SettingsPanel::sizeHint() const { return QWidget::sizeHint().expandedTo(minimumSizeHint()); }

void SettingsPanel::buildControls() {
  Label2 = makeLabel(this, "Label2", view::ViewTexts::receiverNumberLabel());
  Label2->setToolTip(reportHint());
  ComboBox1 = makeCombo(this, "ComboBox1",
                        items::kReceiverNumbers);
  Label3 = makeLabel(this, "Label3", view::ViewTexts::pcFormatLabel());
  Cbformat = makeCombo(this, "Cbformat", items::kPcFormats);
  Label9 = makeLabel(this, "Label9", view::ViewTexts::handshakeLabel());
  Cbhandshake = makeCombo(this, "Cbhandshake", items::kHandshakes);
  Label12 = makeLabel(this, "Label12", view::ViewTexts::ringsLabel());
  Cbnumberring = makeCombo(this, "Cbnumberring", items::kOneToFive);
  Label10 = makeLabel(this, "Label10", view::ViewTexts::ackWaitLabel());
  Cblisten = makeCombo(this, "Cblisten", items::kOneToFive);

  Cbheart = makeCheck(this, "Cbheart", view::ViewTexts::heartbeatCaption(),
                      tr("Отправка контрольного сигнала в РС каждые 30 сек"));
  Cbspamdata = makeCheck(this, "Cbspamdata", view::ViewTexts::spamDataCaption(),
                         tr("При отключенной опции принимаются все входящие звонки в DATA режиме"));
  Cbsms = makeCheck(this, "Cbsms", view::ViewTexts::smsCaption(), tr("Разрешить прием SMS"));
  Cbspamsms = makeCheck(this, "Cbspamsms", view::ViewTexts::spamSmsCaption(),
                        tr("При отключенной опции SMS принимаются с любых телефонов"));
  Cbprinter = makeCheck(this, "Cbprinter", view::ViewTexts::speakerCaption(),
                        tr("Не включайте опцию, если не подключен принтер"));
  Cbruslang = makeCheck(this, "Cbruslang", view::ViewTexts::russianCaption(),
                        tr("Информация на дисплее на русском языке ( в Wardeny D2, Pollux )"));
  Cbcomment = makeCheck(this, "Cbcomment", view::ViewTexts::commentsCaption(), QString());
  Cbled = makeCheck(this, "Cbled", view::ViewTexts::backlightCaption(), QString());
  for (QCheckBox* c : {Cbprinter, Cbruslang, Cbspamsms, Cbcomment, Cbled}) c->setEnabled(false);

  Label4 = makeLabel(this, "Label4", QString());
  Label5 = makeLabel(this, "Label5", QString());
  for (QLabel* l : {Label4, Label5}) {
    QFont f = l->font();
    f.setPixelSize(kClockFontPixels);
    l->setFont(f);
    l->setFixedHeight(kClockLabelHeight);
  }

  for (QComboBox* c : {ComboBox1, Cbformat, Cbhandshake, Cbnumberring, Cblisten})
    connect(c, &QComboBox::editTextChanged, this, [this] { nastr(); });
  for (QCheckBox* c : {Cbheart, Cbspamdata, Cbsms, Cbspamsms, Cbprinter, Cbruslang, Cbcomment, Cbled})
    connect(c, &QCheckBox::clicked, this, [this] { nastr(); });
  Cbruslang->installEventFilter(this);
}

void SettingsPanel::buildLayout() {
  auto* combos = new QVBoxLayout;
  const std::pair<QLabel*, QComboBox*> rows[] = {
      {Label2, ComboBox1}, {Label3, Cbformat}, {Label9, Cbhandshake}, {Label12, Cbnumberring}, {Label10, Cblisten}};
  for (const auto& [label, box] : rows) {
    combos->addWidget(label);
    combos->addWidget(box);
    combos->addSpacing(4);
  }
  combos->addStretch();

  auto* second = new QVBoxLayout;
  for (QCheckBox* c : {Cbheart, Cbspamdata, Cbsms, Cbspamsms}) second->addWidget(c);
  auto* third = new QVBoxLayout;
  for (QCheckBox* c : {Cbprinter, Cbruslang, Cbcomment, Cbled}) third->addWidget(c);
  auto* checks = new QHBoxLayout;
  checks->addLayout(second);
  checks->addSpacing(16);
  checks->addLayout(third);
  checks->addStretch();

  auto* right = new QVBoxLayout;
  right->addSpacing(8);
  right->addLayout(checks);
  right->addSpacing(24);
  right->addWidget(Label4);
  right->addWidget(Label5);
  right->addStretch();

  auto* root = new QHBoxLayout(this);
  root->setContentsMargins(8, 8, 8, 8);
  root->addLayout(combos);
  root->addSpacing(24);
  root->addLayout(right, 1);
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
