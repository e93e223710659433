#pragma once
// Form_Comm_Write: sends image rows 0 to 62 to the radio.
#include <memory>

#include "link/comm_write.h"
#include "link/forms/link_form.h"

class Form_Comm_Write : public TransferForm {
  Q_OBJECT

 public:
  explicit Form_Comm_Write(MDImain* main);
  ~Form_Comm_Write() override;

  WriteLink& Link() override { return *link_; }
  void Form_Load() override;
  // The link writes a copy of the image as it stands at the click.
  void Command_Write_Click() {
    write_ = Doc().Image();
    link_->Command_Write_Click();
  }
  void Command_Cancel_Click() { link_->Command_Cancel_Click(); }
  void ImageWritten() override;

  QPushButton* Command_Write;

 private:
  RadioImage write_;
  std::unique_ptr<WriteLink> link_;
};
