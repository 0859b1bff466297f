// The real message boxes and file dialogs, driven while they are open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>

#include "gui/main_window/qt_prompter.h"
#include "gui/main_window/qt_translations.h"
#include "support/qt_print.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

// Runs act on the modal window once it is up, then lets the caller's exec() return.
void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* w = nullptr;
    (void)QTest::qWaitFor([&] { return (w = QApplication::activeModalWidget()) != nullptr; }, 5000);
    act(w);
  });
}

// The names the dialog lists in its folder under the filter now chosen.
QStringList listed(QFileDialog* dlg, const QString& folder) {
  auto* model = dlg->findChild<QFileSystemModel*>();
  QStringList names;
  if (!model) return names;
  (void)QTest::qWaitFor([&] { return model->rowCount(model->index(folder)) > 0; }, 5000);
  const QModelIndex parent = model->index(folder);
  for (int r = 0; r < model->rowCount(parent); ++r) names << model->index(r, 0, parent).data().toString();
  names.sort();
  return names;
}

void typeAndAccept(QFileDialog* dlg, const QString& name) {
  auto* edit = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(edit, nullptr);
  edit->setText(name);
  QMetaObject::invokeMethod(dlg, "accept");
}

class PrompterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"siteA", "siteB.vqm", "old.rcf"}) {
      QFile f(dir.path(QString::fromLatin1(name)));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
  }
  TempCwd dir;
  QtPrompter prompter{nullptr};
};

TEST_F(PrompterTest, OpenListsAndOpensFilesWithoutAnExtension) {
#ifdef _WIN32
  GTEST_SKIP() << "Qt's own file dialog (offscreen under Wine) takes *.* for names with a dot; the Windows "
                  "dialog the program uses there lists every file: not tried under Wine";
#endif
  QStringList filters, withRcf, withAll;
  whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dlg, nullptr);
    // The program's filter texts, as they have always read.
    auto* combo = dlg->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int i = 0; combo && i < combo->count(); ++i) filters << combo->itemText(i);
    withRcf = listed(dlg, dir.root());
    dlg->selectNameFilter(dlg->nameFilters().at(1));
    // The model applies a new filter a moment later.
    (void)QTest::qWaitFor([&] { return listed(dlg, dir.root()).size() > 1; }, 3000);
    withAll = listed(dlg, dir.root());
    typeAndAccept(dlg, QStringLiteral("siteA"));
  });
  EXPECT_EQ(prompter.openFile(dir.root()), dir.path("siteA"));
  EXPECT_EQ(filters, QStringList({"WardenyDATA (*.rcf)", "Все файлы (*.*)"}));
  EXPECT_EQ(withRcf, QStringList({"old.rcf"}));
  EXPECT_EQ(withAll, QStringList({"old.rcf", "siteA", "siteB.vqm"}));
}

TEST_F(PrompterTest, OpenAddsTheDefaultExtensionOnlyWhenTheTypedNameIsMissing) {
  whenModal([&](QWidget* w) { typeAndAccept(qobject_cast<QFileDialog*>(w), QStringLiteral("siteB")); });
  EXPECT_EQ(prompter.openFile(dir.root()), dir.path("siteB.vqm"));
  whenModal([&](QWidget* w) { typeAndAccept(qobject_cast<QFileDialog*>(w), QStringLiteral("old.rcf")); });
  EXPECT_EQ(prompter.openFile(dir.root()), dir.path("old.rcf"));
}

TEST(QtTranslations, QtSpeaksRussianButTheProgramsButtonsKeepTheirTexts) {
#ifdef _WIN32
  GTEST_SKIP() << "the Qt for MinGW has no translations of its own; the Windows package carries Debian's";
#endif
  TempCwd empty;
  // Nothing there: no translation, no error, Qt stays English.
  EXPECT_FALSE(installQtTranslations(*QCoreApplication::instance(), empty.root()));
  EXPECT_EQ(QFileDialog::tr("Look in:"), QStringLiteral("Look in:"));

  ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance())) << "qt6-translations-l10n is missing";
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
  EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));

  QtPrompter prompter(nullptr);
  QStringList plain, question;
  whenModal([&](QWidget* w) {
    for (auto* b : w->findChildren<QAbstractButton*>()) plain << b->text();
    qobject_cast<QMessageBox*>(w)->accept();
  });
  prompter.message(QStringLiteral("Не могу открыть файл"));
  whenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    for (auto* b : box->buttons()) question << b->text();
    box->escapeButton()->click();
  });
  EXPECT_EQ(prompter.ask(QStringLiteral("Файл был изменен. Сохранить изменения?")), Answer::Cancel);
  plain.sort();
  question.sort();
  EXPECT_EQ(plain, QStringList({"OK"}));
  EXPECT_EQ(question, QStringList({"Cancel", "No", "Yes"}));
  // Later tests expect Qt's own English texts again.
  for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
}

TEST(QtPrompterLater, TheAnswerComesAfterTheCallerHasGoneOn) {
  QWidget parent;
  QtPrompter p(&parent);
  std::vector<Answer> answers;
  p.askLater(QStringLiteral("Прервать?"), [&](Answer a) { answers.push_back(a); });
  EXPECT_TRUE(answers.empty());  // nothing waited for the box
  QMessageBox* box = parent.findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  for (QAbstractButton* b : box->buttons())
    if (box->buttonRole(b) == QMessageBox::YesRole) b->click();
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0], Answer::Yes);
}

}  // namespace
}  // namespace orbisk::test

namespace orbisk::test {

// Why a save failed is shown below the program's own text, which stays as it is.
TEST(QtPrompterBoxes, AFailedSaveShowsItsCauseBelowTheText) {
  QWidget parent;
  QtPrompter p(&parent);
  QString text, detail, caption;
  whenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    text = box->text();
    detail = box->informativeText();
    caption = box->windowTitle();
    box->accept();
  });
  p.messageWithDetail(QStringLiteral("Не сохраняется"), QStringLiteral("нет места на диске"));
  EXPECT_EQ(text, QStringLiteral("Не сохраняется"));
  EXPECT_EQ(detail, QStringLiteral("нет места на диске"));
  EXPECT_EQ(caption, QStringLiteral("Orbisk1_14"));
}

}  // namespace orbisk::test
