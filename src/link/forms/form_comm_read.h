#pragma once
// Form_Comm_Read: reads the radio's 64 blocks into image rows 0 to 63.
#include <memory>

#include "link/comm_read.h"
#include "link/forms/link_form.h"

class QCheckBox;

class Form_Comm_Read : public TransferForm {
  Q_OBJECT

 public:
  explicit Form_Comm_Read(MDImain* main);
  ~Form_Comm_Read() override;

  ReadLink& Link() override { return *link_; }
  void Form_Load() override;
  // The radio is read into a copy; only a complete read enters the document. The read
  // takes the check box's choice at each start.
  void Command_read_Click();
  void Command_Cancel_Click() { link_->Command_Cancel_Click(); }
  // Backs the image read up and hands it to the document.
  bool ImageRead() override;

  QPushButton* Command_read;
  QCheckBox* Check_Verify;

 private:
  RadioImage read_;
  std::unique_ptr<ReadLink> link_;
};
