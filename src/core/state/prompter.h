// Every message box, question and file dialog goes through here, so tests can script the answers.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace orbisk {

enum class Answer { Yes, No, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Plain message captioned with the program title and one OK button.
  virtual void message(const QString& text) = 0;
  // The same box with a second, smaller line below the text (why a file was not saved); the
  // text itself stays as it is everywhere else.
  virtual void messageWithDetail(const QString& text, const QString& detail) {
    message(detail.isEmpty() ? text : text + u'\n' + detail);
  }
  // A plain OK box with a caption of its own ("Порт занят").
  virtual void messageCaptioned(const QString& caption, const QString& text) = 0;
  // Warning box captioned "Warning"; withNo = false offers only Yes and Cancel. Closing it is Cancel.
  virtual Answer ask(const QString& text, bool withNo = true) = 0;
  // A Yes/No question with a "не спрашивать" box; dontAsk tells whether it was ticked.
  // A prompter without the box asks the plain question.
  virtual Answer askRemembered(const QString& text, const QString& /*dontAskCaption*/, bool& dontAsk) {
    dontAsk = false;
    return ask(text, true);
  }
  // A Yes/Cancel question whose answer comes later, so that whatever runs meanwhile (a transfer
  // waiting for bytes) goes on; done is called once. Without such a box it is asked at once.
  virtual void askLater(const QString& text, std::function<void(Answer)> done) { done(ask(text, false)); }
  // Empty result = cancelled.
  virtual QString openFile(const QString& startDir) = 0;
  virtual QString saveFile(const QString& startDir, const QString& proposedName) = 0;
  // The same for telephone tables in CSV files; a prompter without them cancels.
  virtual QString openCsvFile(const QString& /*startDir*/) { return {}; }
  virtual QString saveCsvFile(const QString& /*startDir*/, const QString& /*proposedName*/) { return {}; }
  // Save dialog for a PDF report (the PDF filter); empty result = cancelled.
  virtual QString savePdfFile(const QString& startDir, const QString& proposedName) = 0;
};

class FilterTexts {
  Q_DECLARE_TR_FUNCTIONS(FilterTexts)

 public:
  static QString fileFilter() { return tr("WardenyDATA (*.rcf)|*.rcf|Все файлы (*.*)|*.*"); }
  static QString csvFileFilter() {
    return tr(
        "Таблица CSV или книга Excel (*.csv *.xlsx)|*.csv *.xlsx|Таблица CSV (*.csv)|*.csv|Книга Excel (*.xlsx)|*.xlsx|"
        "Текст (*.txt)|*.txt|Все файлы (*.*)|*.*");
  }
};

}  // namespace orbisk
