#pragma once
// Form_Comm_Verify: reads the radio and compares blocks 0 to 62 with the image as a
// write would send it. It changes nothing.
#include <memory>

#include "link/comm_read.h"
#include "link/forms/link_form.h"

class QListWidget;

class Form_Comm_Verify : public TransferForm {
  Q_OBJECT

 public:
  explicit Form_Comm_Verify(MDImain* main);
  ~Form_Comm_Verify() override;

  ReadLink& Link() override { return *link_; }
  void Form_Load() override;
  void Command_Verify_Click();
  void Command_Cancel_Click() { link_->Command_Cancel_Click(); }
  // The radio is read: the comparison, in place of a completed read's text.
  bool ImageRead() override;
  void SetStatus(const std::string& text) override;

  QPushButton* Command_Verify;
  // The channels and fields where the radio differs, by name.
  QListWidget* List_Diff;

 private:
  RadioImage read_;
  std::unique_ptr<ReadLink> link_;
  QString result_;  // the comparison's text once the read is complete
};
