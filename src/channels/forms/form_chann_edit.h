#pragma once
// Form_Chann_Edit: one channel at a time as a form. It shows channel Cur_Chann,
// steps through the channels with a number box and a wrap-around scroll bar, and
// writes each committed field straight into that channel's record.
#include "channels/channel_edit_rules.h"
#include "shell/forms/child_form.h"

class ComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class TextBox;

class Form_Chann_Edit : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_Chann_Edit(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

  // Key handlers return true when the key is discarded.
  bool Text_CHN_KeyPress(int keyAscii);
  void Text_CHN_Change();
  void Text_CHN_LostFocus();
  void VScroll1_Change();
  bool Text_RX_Freq_KeyPress(int keyAscii);
  void Text_RX_Freq_LostFocus();
  bool Text_TX_Freq_KeyPress(int keyAscii) { return Text_RX_Freq_KeyPress(keyAscii); }
  void Text_TX_Freq_LostFocus();
  void Combo_Decode_Click();
  void Combo_Encode_Click();
  void Combo_TXP_Click();
  void Combo_WN_Click();
  // The drop-downs take no typed characters; arrow keys still choose entries.
  static bool Combo_KeyPress(int keyAscii) { return keyAscii != 0; }
  void Command_Close_Click() { Unload(); }

  // Shows channel n's record and makes it the channel edits go to.
  void ShowChannel(int n);
  int ShownChannel() const { return shown_; }

  QLabel* Label_CHN;
  TextBox* Text_CHN;
  QScrollBar* VScroll1;
  QLabel* Label_RX_freq;
  TextBox* Text_RX_Freq;
  QLabel* Label_TX_freq;
  TextBox* Text_TX_Freq;
  QLabel* Label_Decode;
  ComboBox* Combo_Decode;
  QLabel* Label_Encode;
  ComboBox* Combo_Encode;
  QLabel* Label_TXP;
  ComboBox* Combo_TXP;
  QLabel* Label_WN;
  ComboBox* Combo_WN;
  QLabel* Label_Name;
  TextBox* Text_Name;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 private:
  void FillLists();
  void UpdateGridCaption();
  // Commits what was typed into the frequency boxes, before the channel changes
  // or the window closes.
  void CommitTypedFrequencies();
  // Commits a frequency box the user changed, by the dialog's rules.
  void CommitBox(TextBox* box, FreqField field);
  void ShowNumber(int n);

  int shown_ = 1;
  bool settingNumber_ = false;
};
