#pragma once
// frmAbout: product title, version and legal texts, and a button that starts the
// operating system's system-information tool.
#include <QString>
#include <QStringList>

#include "shell/forms/child_form.h"

class QLabel;
class QPushButton;

// Reads a registry value under HKEY_LOCAL_MACHINE (Windows only; elsewhere false).
bool GetKeyValue(const QString& subKey, const QString& valueName, QString& value);
// Starts the system-information tool without waiting, or says it is unavailable.
void StartSysInfo(bool chinese);
// Programs tried, in order, on platforms without the registry entries.
QStringList SysInfoCandidates();

class frmAbout : public ChildForm {
  Q_OBJECT

 public:
  explicit frmAbout(MDImain* main);

  void Form_Load() override;
  void cmdOK_Click() { Unload(); }
  void cmdSysInfo_Click() {
    Show([this] { StartSysInfo(Chinese()); });
  }

  QLabel* picIcon;
  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblDescription;
  QLabel* lblDisclaimer;
  QPushButton* cmdOK;
  QPushButton* cmdSysInfo;
};
