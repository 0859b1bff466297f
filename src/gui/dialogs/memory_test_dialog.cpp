#include "gui/dialogs/memory_test_dialog.h"
#include "gui/dialogs/button_texts.h"

#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "ui_memory_test_dialog.h"

namespace orbisk {
namespace {

// The form (memory_test_dialog.ui) holds the window and its controls as first drawn; sizes grow
// from there when the platform's font needs it.
constexpr int kMemoFontPixels = 13;
constexpr int kMargin = 16;  // right of the widest control and below the buttons

QStringList warning() {
  return {
      TForm6::tr("Внимание!"),
      TForm6::tr("При тестировании памяти весь"),
      TForm6::tr("буфер событий будет очищен"),
      QString(),
      TForm6::tr("Продолжить?"),
  };
}
QStringList valuesStored() {
  return {
      TForm6::tr("В память занесены тестовые значения"),
      TForm6::tr("Выключите на некоторое время приемник и"),
      TForm6::tr("включите вновь. После 2-го сигнала (~5 сек)"),
      TForm6::tr("нажмите Читать"),
  };
}
QStringList passed() { return {TForm6::tr("Тест успешно завершен!"), QString(), QString()}; }
QStringList faulty() { return {TForm6::tr("Ошибка!"), TForm6::tr("Приемник неисправен. Удачи!"), QString()}; }
QStringList noAnswer() { return {TForm6::tr("Не отвечает"), TForm6::tr("Попробуйте еще"), QString()}; }

}  // namespace

TForm6::TForm6(Step step1, Step step2, QWidget* parent)
    : QDialog(parent), step1_(std::move(step1)), step2_(std::move(step2)) {
  Ui::TForm6 form;
  form.setupUi(this);
  Memo1 = form.Memo1;
  BTpamyes = form.BTpamyes;
  BTpamread = form.BTpamread;
  BTpamok = form.BTpamok;
  BTpamcan = form.BTpamcan;

  QFont f = Memo1->font();
  f.setPixelSize(kMemoFontPixels);
  Memo1->setFont(f);
  QPalette pal = Memo1->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Window));
  Memo1->setPalette(pal);

  // The captions are the ones every dialog shares.
  BTpamyes->setText(ui::ButtonTexts::yesEnglishButton());
  BTpamread->setText(ui::ButtonTexts::readButton());
  BTpamok->setText(ui::ButtonTexts::okButton());
  BTpamcan->setText(ui::ButtonTexts::noEnglishButton());
  BTpamread->hide();
  BTpamok->hide();
  connect(BTpamyes, &QPushButton::clicked, this, &TForm6::BTpamyesClick);
  connect(BTpamread, &QPushButton::clicked, this, &TForm6::BTpamreadClick);
  connect(BTpamok, &QPushButton::clicked, this, &TForm6::BTpamokClick);
  connect(BTpamcan, &QPushButton::clicked, this, &TForm6::BTpamcanClick);

  placeControls();
}

void TForm6::placeControls() {
  // As the form draws them, before anything grows.
  const QRect memo = Memo1->geometry(), yes = BTpamyes->geometry();
  const int okLeft = BTpamok->x(), cancelLeft = BTpamcan->x(), memoToButtons = yes.top() - memo.bottom() - 1;
  const QSize drawn = size();

  // The memo holds its longest text without wrapping or scrolling.
  const QFontMetrics fm(Memo1->font());
  int textWidth = 0;
  qsizetype lines = 0;
  for (const QStringList& text : {warning(), valuesStored(), passed(), faulty(), noAnswer()}) {
    for (const QString& line : text) textWidth = std::max(textWidth, fm.horizontalAdvance(line));
    lines = std::max(lines, text.size());
  }
  const int pad = 2 * static_cast<int>(Memo1->document()->documentMargin()) + 4;
  const int memoWidth = std::max(memo.width(), textWidth + pad);
  const int memoHeight = std::max(memo.height(), static_cast<int>(lines) * fm.lineSpacing() + pad);
  Memo1->setGeometry(memo.left(), memo.top(), memoWidth, memoHeight);

  // Captions change on activation, so measure the widest any button will carry.
  QPushButton probe;
  probe.setFont(BTpamyes->font());
  int buttonWidth = yes.width();
  int buttonHeight = yes.height();
  for (const QString& caption :
       {ui::ButtonTexts::yesEnglishButton(), ui::ButtonTexts::yesButton(), ui::ButtonTexts::readButton(),
        ui::ButtonTexts::okButton(), ui::ButtonTexts::noEnglishButton(), ui::ButtonTexts::noButton(),
        ui::ButtonTexts::cancelButton()}) {
    probe.setText(caption);
    buttonWidth = std::max(buttonWidth, probe.sizeHint().width());
    buttonHeight = std::max(buttonHeight, probe.sizeHint().height());
  }
  // Wider buttons keep their arrangement: the gaps grow with them.
  const int top = memo.top() + memoHeight + memoToButtons;
  const auto left = [&](int drawnLeft) { return yes.left() + (drawnLeft - yes.left()) * buttonWidth / yes.width(); };
  BTpamyes->setGeometry(left(yes.left()), top, buttonWidth, buttonHeight);
  BTpamread->setGeometry(left(yes.left()), top, buttonWidth, buttonHeight);
  BTpamok->setGeometry(left(okLeft), top, buttonWidth, buttonHeight);
  BTpamcan->setGeometry(left(cancelLeft), top, buttonWidth, buttonHeight);

  const QSize least(std::max(memo.left() + memoWidth, left(cancelLeft) + buttonWidth) + kMargin,
                    top + buttonHeight + kMargin);
  setMinimumSize(least);
  resize(drawn.expandedTo(least));
}

void TForm6::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TForm6::FormActivate() {
  BTpamyes->show();
  BTpamcan->show();
  BTpamread->hide();
  BTpamok->hide();
  BTpamyes->setText(ui::ButtonTexts::yesButton());
  BTpamcan->setText(ui::ButtonTexts::noButton());
  makeDefault(BTpamcan);
  zapmemo0();
}

void TForm6::makeDefault(QPushButton* button) {
  for (QPushButton* b : {BTpamyes, BTpamread, BTpamok, BTpamcan}) b->setDefault(b == button);
}

void TForm6::setLines(const QStringList& lines) { Memo1->setPlainText(lines.join(QLatin1Char('\n'))); }

void TForm6::zapmemo0() { setLines(warning()); }

void TForm6::zapmemo1() {
  setLines(valuesStored());
  BTpamyes->hide();
  BTpamcan->setText(ui::ButtonTexts::cancelButton());
  BTpamcan->show();
  BTpamread->show();
}

void TForm6::zapmemo2() {
  setLines(passed());
  BTpamok->show();
  BTpamread->hide();
  BTpamcan->hide();
  makeDefault(BTpamok);  // the only button left: Enter closes
}

void TForm6::zapmemo3() {
  setLines(faulty());
  BTpamread->hide();
  BTpamok->show();
  BTpamcan->hide();
  makeDefault(BTpamok);
}

void TForm6::zapmemo4() { setLines(noAnswer()); }

void TForm6::BTpamyesClick() {
  if (!step1_) return;
  switch (step1_()) {
    case MemoryTestResult::Done:
      zapmemo1();
      break;
    case MemoryTestResult::NotStarted:  // another conversation is running
      break;
    case MemoryTestResult::NoAnswer:
    case MemoryTestResult::Faulty:
      zapmemo4();
      break;
  }
}

void TForm6::BTpamreadClick() {
  if (!step2_) return;
  switch (step2_()) {
    case MemoryTestResult::Done:
      zapmemo2();
      break;
    case MemoryTestResult::Faulty:
      zapmemo3();
      break;
    case MemoryTestResult::NoAnswer:
      zapmemo4();
      break;
    case MemoryTestResult::NotStarted:
      break;
  }
}

void TForm6::BTpamokClick() { accept(); }

void TForm6::BTpamcanClick() { reject(); }

}  // namespace orbisk
