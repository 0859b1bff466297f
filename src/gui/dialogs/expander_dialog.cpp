#include "gui/dialogs/expander_dialog.h"

#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "gui/dialogs/sim_number_entry.h"
#include "gui/dialogs/button_texts.h"

namespace orbisk {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 180;
constexpr int kOffsetLeft = 80;
constexpr int kOffsetTop = 60;
constexpr int kLargeFontPixels = 16;
constexpr int kCallAreaHeight = 150;

QString caption() { return TForm3::tr("Расширитель "); }
QString noNumberMessage() { return TForm3::tr("Введите телефонный номер SIM карты в расширителе"); }

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
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(caption());
  setModal(true);
  buildShownPart();
  buildCallArea();
  fitShownPart();
}

// The drawn size, or more where a wider font needs it for the caption: never a clipped caption.
void TForm3::fitShownPart() {
  const QSize size = QSize(kWidth, kHeight).expandedTo(shown_->minimumSizeHint());
  shown_->resize(size);
  setFixedSize(size);
}

void TForm3::buildShownPart() {
  shown_ = new QWidget(this);
  QWidget* shown = shown_;
  shown->setGeometry(0, 0, kWidth, kHeight);

  Label2 = new QLabel(tr("Номер телефона SIM карты в расширителе:"), shown);
  Label2->setObjectName(QStringLiteral("Label2"));
  setPixelFont(Label2, kLargeFontPixels);

  Edit1 = new QLineEdit(shown);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  setPixelFont(Edit1, kLargeFontPixels);
  Edit1->setValidator(new NumberEntryValidator(kSimEntryLimit, Edit1));
  // Room for the longest number the field takes, with a little to spare.
  Edit1->setMinimumWidth(Edit1->fontMetrics().horizontalAdvance(QString(kSimEntryLimit + 2, QLatin1Char('0'))));
  Edit1->installEventFilter(this);
  Label2->setBuddy(Edit1);

  Button1 = new QPushButton(ui::ButtonTexts::okButton(), shown);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(ui::ButtonTexts::cancelButton(), shown);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

  auto* grid = new QGridLayout(shown);
  grid->setContentsMargins(16, 16, 16, 16);
  grid->addWidget(Label2, 0, 0, 1, 3);
  grid->addWidget(Edit1, 1, 0, 1, 3, Qt::AlignLeft);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
  grid->addWidget(Button1, 3, 1);
  grid->addWidget(Button2, 3, 2);
}

void TForm3::buildCallArea() {
  callArea = new QWidget(this);
  callArea->setGeometry(0, kHeight, kWidth, kCallAreaHeight);

  Edit2 = new QLineEdit(QStringLiteral("+7"), callArea);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setValidator(new NumberEntryValidator(0, Edit2));
  Edit2->installEventFilter(this);
  Button3 = new QPushButton(tr("Вызов CLIP"), callArea);
  Button3->setObjectName(QStringLiteral("Button3"));
  Button3->setAutoDefault(false);
  Button4 = new QPushButton(tr("Вызов DATA"), callArea);
  Button4->setObjectName(QStringLiteral("Button4"));
  Button4->setAutoDefault(false);
  MemDial = new QPlainTextEdit(callArea);
  MemDial->setObjectName(QStringLiteral("MemDial"));
  MemDial->setReadOnly(true);
  MemDial->setFrameShape(QFrame::NoFrame);
  MemDial->setPlainText(tr("Чтобы проверить наличие \nуслуг CLIP и DATA, сделайте \nпробный вызов"));

  auto* grid = new QGridLayout(callArea);
  grid->addWidget(Edit2, 0, 0);
  grid->addWidget(Button3, 0, 1);
  grid->addWidget(Button4, 0, 2);
  grid->addWidget(MemDial, 1, 0, 1, 3);
  // Nothing reveals it, so keep it out of the tab chain as well as out of sight.
  callArea->hide();
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
  setWindowTitle(caption());
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
    prompter_.message(noNumberMessage());
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
