#include "link/forms/form_comm_read.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/io/read_backup.h"
#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

Form_Comm_Read::Form_Comm_Read(MDImain* main)
    : TransferForm(main, "Command_read"),
      Command_read(start_),
      Check_Verify(Named<QCheckBox>(this, "Check_Verify")),
      link_(std::make_unique<ReadLink>(*MSC, LinkTimers(), *this, *this, read_)) {
  // Below the progress bar, above the buttons.
  if (auto* column = qobject_cast<QVBoxLayout*>(layout())) column->insertWidget(3, Check_Verify);
  ConnectLink();
  connect(Command_read, &QPushButton::clicked, this, &Form_Comm_Read::Command_read_Click);
  connect(Command_Cancel, &QPushButton::clicked, this, &Form_Comm_Read::Command_Cancel_Click);
}

Form_Comm_Read::~Form_Comm_Read() = default;

void Form_Comm_Read::Form_Load() {
  LoadTransferForm(Lang("从对讲机读取数据", "Read Data From Radio"), Lang("读取", "Read"));
  Check_Verify->setText(Lang("读取后校验", "Verify after reading"));
  link_->Form_Load();
}

void Form_Comm_Read::Command_read_Click() {
  read_ = Doc().Image();
  link_->VerifyAfterReading(Check_Verify->isChecked());
  link_->Command_read_Click();
}

bool Form_Comm_Read::ImageRead() {
  const bool backedUp = !SaveReadBackup(read_, BackupFolder()).isEmpty();
  Doc().Enter(read_, ImageSource::Read);
  return backedUp;
}
