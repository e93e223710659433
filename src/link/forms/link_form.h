#pragma once
// What the read, write and power adjustment windows share: the port control MSC (a
// QSerialPort behind the link's port interface), Timer1 to Timer4 (precise QTimers
// behind its timer interface), ProgressBar1, the window side of LinkView, and the
// shell's process-wide values handed down to the link as its inputs.
#include <QString>

#include "link/io/link_port.h"
#include "link/serial_link.h"
#include "shell/forms/child_form.h"

class QLabel;
class QProgressBar;
class QPushButton;

class LinkForm : public ChildForm, public LinkView, public LinkInputs {
  Q_OBJECT

 public:
  explicit LinkForm(MDImain* main);

  virtual SerialLink& Link() = 0;
  // Clears the open flag; timers stop and the port is released, nothing is sent.
  void Form_Unload() override;

  void MSC_OnComm() { Link().MSC_OnComm(); }
  void Timer1_Timer() { Link().Timer1_Timer(); }
  void Timer2_Timer() { Link().Timer2_Timer(); }
  void Timer3_Timer() { Link().Timer3_Timer(); }
  void Timer4_Timer() { Link().Timer4_Timer(); }

  void SetProgress(int value) override;
  void HideProgress() override;
  void SetStatus(const std::string&) override {}
  void Message(const std::string& text, const std::string& title) override;
  // Keeps the settings' PortError and shows the port message when the port did not open.
  void PortOpenOutcome(const PortId& port, const PortOpenResult& result) override;
  void UnloadForm() override;

  // ComPort and its device, the language, the model code and the image's password cells.
  PortId Port() override;
  bool Chinese() const override;
  int ModelCode() const override;
  std::array<std::uint8_t, 6> Password() const override;

  LinkPort* MSC;
  LinkTimer* Timer1;
  LinkTimer* Timer2;
  LinkTimer* Timer3;
  LinkTimer* Timer4;
  QProgressBar* ProgressBar1;

 protected:
  SerialLink::Timers LinkTimers() { return {*Timer1, *Timer2, *Timer3, *Timer4}; }
  // The port's notifications and the timer ticks go to the link's handlers.
  void ConnectLink();

 private:
  void ShowLinkMessage(const QString& text, const QString& title, const QString& informative);

  bool unloadPending_ = false;
};

// The read and write windows: a start button, Cancel, Help and the status label.
class TransferForm : public LinkForm {
  Q_OBJECT

 public:
  TransferForm(MDImain* main, const char* startName);

  void Form_Activate() override;
  void SetStatus(const std::string& text) override;

  QPushButton* Command_Cancel;
  QPushButton* Command_Help;
  QLabel* Label_tr_count;

 protected:
  // Captions and placement shared by both windows.
  void LoadTransferForm(const QString& caption, const QString& startCaption);
  void keyPressEvent(QKeyEvent* event) override;

  QPushButton* start_;
};
