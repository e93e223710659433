#pragma once
// Form_Adjust_Txp: the radio's two transmit power levels, adjusted live.
#include <memory>

#include "link/adjust_txp.h"
#include "link/forms/link_form.h"

class QScrollBar;

class Form_Adjust_Txp : public LinkForm {
  Q_OBJECT

 public:
  explicit Form_Adjust_Txp(MDImain* main);
  ~Form_Adjust_Txp() override;

  PowerAdjustLink& Link() override { return *link_; }
  void Form_Load() override;
  void HScroll_L_Change();
  void HScroll_H_Change();
  void Command_Close_Click() { link_->Command_Close_Click(); }
  void ShowLevel(PowerLevel level, int value) override;

  QScrollBar* HScroll_L;
  QScrollBar* HScroll_H;
  QLabel* Label_L;
  QLabel* Label_H;
  QLabel* Label_Low;
  QLabel* Label_High;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 private:
  std::unique_ptr<PowerAdjustLink> link_;
};
