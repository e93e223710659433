#include "link/forms/form_comm_write.h"

#include <QPushButton>

#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

Form_Comm_Write::Form_Comm_Write(MDImain* main)
    : TransferForm(main, "Command_Write"),
      Command_Write(start_),
      link_(std::make_unique<WriteLink>(*MSC, LinkTimers(), *this, *this, write_)) {
  ConnectLink();
  connect(Command_Write, &QPushButton::clicked, this, &Form_Comm_Write::Command_Write_Click);
  connect(Command_Cancel, &QPushButton::clicked, this, &Form_Comm_Write::Command_Cancel_Click);
}

Form_Comm_Write::~Form_Comm_Write() = default;

void Form_Comm_Write::Form_Load() {
  LoadTransferForm(Lang("写数据到对讲机", "Write Data to Radio"), Lang("写入", "Write"));
}

void Form_Comm_Write::ImageWritten() {
  // The model code stamped for the write stays in the image, as saved.
  Doc().EditImage() = write_;
  Doc().MarkSaved();
}
