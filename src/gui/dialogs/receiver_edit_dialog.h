// The form of one receiver of the register: name, site, port, receiver number, comment and its
// configuration file. OK keeps the form open, saying why, while the register refuses it.
#pragma once

#include <QDialog>
#include <functional>

#include "core/register/receiver_register.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace orbisk {

class ReceiverEditDialog : public QDialog {
  Q_OBJECT
 public:
  // store saves the form's receiver; it returns why not, empty when saved.
  ReceiverEditDialog(const RegisteredReceiver& r, bool adding, std::function<QString(const RegisteredReceiver&)> store,
                     QWidget* parent = nullptr);
  RegisteredReceiver receiver() const;

  QLineEdit* Name = nullptr;
  QLineEdit* Site = nullptr;
  QLineEdit* Port = nullptr;
  QComboBox* Number = nullptr;
  QLineEdit* Comment = nullptr;
  QLineEdit* Config = nullptr;
  QLabel* Problem = nullptr;  // why the register refused the form

 private:
  void accept() override;
  RegisteredReceiver base_;
  std::function<QString(const RegisteredReceiver&)> store_;
};

}  // namespace orbisk
