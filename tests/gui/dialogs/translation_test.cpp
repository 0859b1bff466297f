// A translation reaches every kind of text: each is looked up under the context lupdate filed it
// under in the catalogue. A text whose context differs would stay untranslated without a word.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include "core/link/link_texts.h"
#include "gui/dialogs/expander_dialog.h"
#include "gui/dialogs/receivers_dialog.h"
#include "gui/state/main_state.h"
#include "support/scripted_prompter.h"
#include "texts_catalogue.h"

using namespace orbisk;

namespace {

// The catalogue with every text translated as itself in angle quotes, compiled and installed.
class Translated : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile in(QStringLiteral(ORBISK_TEXTS_CATALOGUE));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QString ts = QString::fromUtf8(in.readAll());
    static const QRegularExpression unfinished(
        QStringLiteral("<source>(.*?)</source>\\s*<translation type=\"unfinished\"></translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    ts.replace(unfinished, QStringLiteral("<source>\\1</source><translation>«\\1»</translation>"));
    QFile out(dir.filePath("all.ts"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(ts.toUtf8());
    out.close();
    ASSERT_EQ(QProcess::execute(QStringLiteral(ORBISK_LRELEASE),
                                {QStringLiteral("-silent"), out.fileName(), QStringLiteral("-qm"), dir.filePath("all.qm")}),
              0);
    ASSERT_TRUE(translator.load(dir.filePath("all.qm")));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
  }
  void TearDown() override { QCoreApplication::removeTranslator(&translator); }

  QTemporaryDir dir;
  QTranslator translator;
};

TEST_F(Translated, EveryKindOfTextIsFoundUnderItsContext) {
  EXPECT_EQ(text::LinkTexts::readDone(), "«Чтение успешно завершено»");  // a texts class
  EXPECT_EQ(actionShown(QStringLiteral("read")), "«чтение»");            // QT_TRANSLATE_NOOP with a context
  MainState st;
  test::ScriptedPrompter prompter;
  TForm3 expander(st, prompter, nullptr);
  EXPECT_EQ(expander.windowTitle(), "«Расширитель »");  // a form
  EXPECT_EQ(expander.Label2->text(), "«Номер телефона SIM карты в расширителе:»");
  EXPECT_EQ(TForm3::tr("Введите телефонный номер SIM карты в расширителе"),  // a window's own tr()
            "«Введите телефонный номер SIM карты в расширителе»");
}

}  // namespace
