#pragma once
// What the read, write and power adjustment windows share: the port control MSC (a
// QSerialPort behind the link's port interface), Timer1 to Timer4 (precise QTimers
// behind its timer interface), ProgressBar1, and the window side of LinkView.
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include "link/serial_link.h"
#include "shell/forms/child_form.h"

class QLabel;
class QProgressBar;
class QPushButton;

class LinkPort : public QSerialPort, public SerialPortOps {
  Q_OBJECT

 public:
  explicit LinkPort(QObject* parent);

  bool Open(int portNumber, const LineSettings& settings) override;
  void Close() override { close(); }
  bool IsOpen() const override { return isOpen(); }
  int BytesWaiting() const override { return static_cast<int>(bytesAvailable()); }
  std::uint8_t ReadByte() override;
  void WriteByte(std::uint8_t byte) override;
  void ClearInput() override;
  void ClearOutput() override;
  void DrainOutput() override;

  // Tests and the benchmark name the device instead of COMn; empty restores COMn.
  static void SetDeviceOverride(const QString& device);

 signals:
  // The device went away or failed under a transfer (cable pulled).
  void PortLost();
};

class LinkTimer : public QTimer, public TimerOps {
  Q_OBJECT

 public:
  explicit LinkTimer(QObject* parent);
  void Start(int milliseconds) override;
  void Stop() override { stop(); }
  bool IsActive() const override { return isActive(); }
};

class LinkForm : public ChildForm, public LinkView {
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
  void UnloadForm() override;

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
  int messageDepth_ = 0;
  bool unloadPending_ = false;
};

// The read and write windows: a start button, Cancel, Help and the status label.
class TransferForm : public LinkForm {
  Q_OBJECT

 public:
  TransferForm(MDImain* main, const char* startName);

  void Form_Activate() override;
  void SetStatus(const std::string& text) override;
  void Command_Help_Click() {}

  QPushButton* Command_Cancel;
  QPushButton* Command_Help;
  QLabel* Label_tr_count;

 protected:
  // Captions and placement shared by both windows.
  void LoadTransferForm(const QString& caption, const QString& startCaption);
  void keyPressEvent(QKeyEvent* event) override;

  QPushButton* start_;
};
