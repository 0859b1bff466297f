#include "gui/dialogs/expander_dialog.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "gui/dialogs/sim_number_entry.h"
#include "gui/dialogs/button_texts.h"
#include "ui_expander_dialog.h"

namespace orbisk {
namespace {

// The form (expander_dialog.ui) holds both parts as drawn: the shown one and, below its height,
// the test-call area, which stays hidden.
constexpr int kOffsetLeft = 80;
constexpr int kOffsetTop = 60;
constexpr int kLargeFontPixels = 16;

void setPixelFont(QWidget* w, int pixels) {
  QFont f = w->font();
  f.setPixelSize(pixels);
  w->setFont(f);
}

}  // namespace

TForm3::TForm3(MainState& st, Prompter& prompter, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      st_(st),
      prompter_(prompter),
      mainWindow_(mainWindow) {
  Ui::TForm3 form;
  form.setupUi(this);
  caption_ = windowTitle();
  drawn_ = size();
  shown_ = form.shown;
  Label2 = form.Label2;
  Edit1 = form.Edit1;
  Button1 = form.Button1;
  Button2 = form.Button2;
  callArea = form.callArea;
  Edit2 = form.Edit2;
  Button3 = form.Button3;
  Button4 = form.Button4;
  MemDial = form.MemDial;

  Button1->setText(ui::ButtonTexts::okButton());
  Button2->setText(ui::ButtonTexts::cancelButton());
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  setPixelFont(Label2, kLargeFontPixels);
  setPixelFont(Edit1, kLargeFontPixels);
  Edit1->setValidator(new NumberEntryValidator(kSimEntryLimit, Edit1));
  // Room for the longest number the field takes, with a little to spare.
  Edit1->setMinimumWidth(Edit1->fontMetrics().horizontalAdvance(QString(kSimEntryLimit + 2, QLatin1Char('0'))));
  Edit2->setValidator(new NumberEntryValidator(0, Edit2));
  Edit1->installEventFilter(this);
  Edit2->installEventFilter(this);
  // Nothing reveals it, so keep it out of the tab chain as well as out of sight.
  callArea->hide();
  fitShownPart();
}

// The drawn size, or more where a wider font needs it for the caption: never a clipped caption.
void TForm3::fitShownPart() {
  const QSize size = drawn_.expandedTo(shown_->minimumSizeHint());
  shown_->resize(size);
  setFixedSize(size);
}

void TForm3::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TForm3::FormActivate() {
  if (mainWindow_) move(mainWindow_->pos() + QPoint(kOffsetLeft, kOffsetTop));
  fitShownPart();
  zapol();
  Edit1->setFocus();
}

bool TForm3::expanderSelected() const {
  return st_.currentExpander >= 0 && st_.currentExpander < kSlotCount;
}

void TForm3::zapol() {
  const QByteArray number =
      expanderSelected() ? raspactel(st_.image.sim(st_.currentExpander), Decoding::MainWindow) : QByteArray();
  Edit1->setText(fromCp1251(number));
  setWindowTitle(caption_);
}

void TForm3::Button1Click() {
  if (st_.refreshing) {
    accept();
    return;
  }
  if (st_.busy) return;
  if (!expanderSelected()) {  // only the receiver is selected: there is no SIM number to write
    reject();
    return;
  }
  const QString text = Edit1->text();
  if (text.isEmpty()) {
    prompter_.message(tr("Введите телефонный номер SIM карты в расширителе"));
    Edit1->setFocus();
    return;
  }
  packtel_1(st_.image.sim(st_.currentExpander), toCp1251(text));
  st_.modified = true;
  accept();
}

void TForm3::Button2Click() { reject(); }

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress)
    return Edit1KeyPress(static_cast<QKeyEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

bool TForm3::Edit1KeyPress(const QKeyEvent* key) {
  if (key->key() == Qt::Key_Delete) return false;  // types no character, so it can always shorten
  const bool full = Edit1->text().size() >= kSimEntryLimit;  // measured on Edit1 also for Edit2
  // Pasted text loses its Latin letters in the validator; here it only meets the length rule.
  if (key->matches(QKeySequence::Paste)) return full;
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key->text();
  const bool typesCharacter = key->key() == Qt::Key_Backspace || (!text.isEmpty() && text.at(0).isPrint());
  if (!typesCharacter) return false;
  for (QChar c : text)
    if (isLatinLetter(c)) return true;
  return full;
}

}  // namespace orbisk
