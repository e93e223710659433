#pragma once
// Form_Clone: the plan in the image written into one radio on every checked port at
// once, a round at a time, each radio with the next ANI code when one is given.
#include <QElapsedTimer>
#include <memory>
#include <vector>

#include "fleet/io/clone_io.h"
#include "shell/forms/child_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class Form_Clone : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_Clone(MDImain* main);
  ~Form_Clone() override;

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;
  void Command_Start_Click();
  void Command_Log_Click();
  void Command_Close_Click() { Unload(); }
  bool Running() const;

  // One row a port: COM1 to COM8, and the run's own device when it is none of them.
  struct PortRow {
    QCheckBox* Check_Port;
    QLabel* Label_Device;
    QProgressBar* ProgressBar_Port;
    QLabel* Label_Result;
    QLabel* Label_ANI;
  };
  std::vector<PortRow> rows;
  QLabel* Label_Port;
  QLabel* Label_DeviceHead;
  QLabel* Label_ResultHead;
  QCheckBox* Check_Verify;
  QLabel* Label_FirstAni;
  QLineEdit* Text_FirstAni;
  QPushButton* Command_Log;
  QLabel* Label_LogFile;
  QLabel* Label_Done;
  QLabel* Label_Failed;
  QPushButton* Command_Start;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 protected:
  // Closing during a round asks first, then stops every link.
  void closeEvent(QCloseEvent* event) override;

 private:
  void SetCaptions();
  void ShowRow(std::size_t i);
  void ShowTotals();
  void RoundEnded();
  void Lock(bool running);

  QElapsedTimer clock_;
  std::vector<std::unique_ptr<CloneCable>> cables_;
  ClonePlan plan_;
  std::unique_ptr<AniSequence> codes_;
  QString nextCode_;  // what the ANI box shows after a round: where codes_ goes on
  std::unique_ptr<CloneRound> round_;
  std::vector<std::size_t> used_;  // the rows of the round
  CloneTotals totals_;
  QString logPath_;
  CloneLog log_;
  bool ended_ = true;
};
