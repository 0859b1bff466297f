// The telephone commands and the expander-dialog triggers of the main window.
#include <QAction>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/main_window/tform1.h"
#include "gui/main_window/phone_commands.h"
#include "gui/dialogs/tform2.h"
#include "gui/main_window/daily_work_texts.h"

namespace orbisk {

void TForm1::wirePhoneCommands() {
  PhoneEditor = new TForm2(st_, *prompter_, this);
  phones_ = std::make_unique<PhoneCommands>(
      st_, *prompter_, [this] { return PhoneEditor->exec() == QDialog::Accepted; }, [this] { obrfile(); },
      [this] { updt1(); }, [this] { v_.TreeView1->setFocus(); });

  auto onAdd = [this] { recordChange(ui::kStepAddPhone, [this] { phones_->BdobtelClick(); }); };
  auto onChange = [this] { recordChange(ui::kStepChangePhone, [this] { phones_->BizmtelClick(); }); };
  // Every selected row goes, in one step.
  auto onDelete = [this] { deletePhoneRows(); };
  connect(v_.Bdobtel, &QPushButton::clicked, this, onAdd);
  connect(v_.Bizmtel, &QPushButton::clicked, this, onChange);
  connect(v_.Budaltel, &QPushButton::clicked, this, onDelete);
  connect(v_.Ndobav, &QAction::triggered, this, onAdd);
  connect(v_.Nizm, &QAction::triggered, this, onChange);
  connect(v_.Nudal, &QAction::triggered, this, onDelete);
  connect(a_.addPhoneItem, &QAction::triggered, this, onAdd);
  connect(a_.changePhoneItem, &QAction::triggered, this, onChange);
  connect(a_.deletePhoneItem, &QAction::triggered, this, onDelete);
  // The row under the double click is selected (lvclick) before Change runs.
  connect(v_.ListView1, &QTreeWidget::itemDoubleClicked, this, [this] {
    lvclick();
    recordChange(ui::kStepChangePhone, [this] { phones_->BizmtelClick(); });
  });
}

}  // namespace orbisk
