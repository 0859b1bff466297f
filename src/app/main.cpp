#include <QApplication>

#include "app/tform1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orbisk1_14"));
  QApplication::setApplicationDisplayName(QString());
  orbisk::TForm1 form;
  form.show();
  return QApplication::exec();
}
