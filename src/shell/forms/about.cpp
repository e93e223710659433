#include "shell/forms/about.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

bool GetKeyValue(const QString& subKey, const QString& valueName, QString& value) {
  value.clear();
#if defined(_WIN32)
  QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\") + subKey, QSettings::NativeFormat);
  const QVariant v = key.value(valueName);
  if (!v.isValid()) return false;
  value = v.toString();
  const qsizetype zero = value.indexOf(QChar(0));
  if (zero >= 0) value.truncate(zero);
  return true;
#else
  Q_UNUSED(subKey);
  Q_UNUSED(valueName);
  return false;
#endif
}

QStringList SysInfoCandidates() {
#if defined(__APPLE__)
  return {QStringLiteral("/System/Applications/Utilities/System Information.app/Contents/MacOS/"
                         "System Information"),
          QStringLiteral("/Applications/Utilities/System Information.app/Contents/MacOS/"
                         "System Information")};
#else
  return {QStringLiteral("hardinfo2"),           QStringLiteral("hardinfo"),
          QStringLiteral("kinfocenter"),         QStringLiteral("gnome-system-monitor"),
          QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager")};
#endif
}

namespace {
QString FindSysInfoTool() {
  QString path;
  if (GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                  QStringLiteral("PATH"), path) &&
      !path.isEmpty()) {
    return path;
  }
  if (GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                  QStringLiteral("MSINFO"), path)) {
    const QString exe = path + QStringLiteral("\\MSINFO32.EXE");
    if (QFileInfo::exists(exe)) return exe;
  }
  for (const QString& candidate : SysInfoCandidates()) {
    if (QFileInfo(candidate).isAbsolute()) {
      if (QFileInfo(candidate).isExecutable()) return candidate;
      continue;
    }
    const QString found = QStandardPaths::findExecutable(candidate);
    if (!found.isEmpty()) return found;
  }
  return {};
}
}  // namespace

void StartSysInfo(bool chinese) {
  const QString tool = FindSysInfoTool();
  if (tool.isEmpty() || !QProcess::startDetached(tool, {})) {
    // The same Chinese text in both languages.
    ShowMessage(QString::fromUtf8("此时系统信息不可用"), PromptTitle(chinese), MsgIcon::None);
  }
}

frmAbout::frmAbout(MDImain* main) : ChildForm(main) {
  picIcon = Named<QLabel>(this, "picIcon");
  picIcon->setPixmap(QPixmap(":/artwork/app_icon_64.png"));
  picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  lblTitle = Named<QLabel>(this, "lblTitle");
  QFont titleFont = lblTitle->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  lblVersion = Named<QLabel>(this, "lblVersion");
  lblDescription = Named<QLabel>(this, "lblDescription");
  lblDisclaimer = Named<QLabel>(this, "lblDisclaimer");
  for (QLabel* label : {lblTitle, lblDescription, lblDisclaimer}) label->setWordWrap(true);
  cmdOK = Named<QPushButton>(this, "cmdOK");
  cmdSysInfo = Named<QPushButton>(this, "cmdSysInfo");

  auto* grid = new QGridLayout(this);
  grid->addWidget(picIcon, 0, 0, 3, 1);
  grid->addWidget(lblTitle, 0, 1);
  grid->addWidget(lblVersion, 1, 1);
  grid->addWidget(lblDescription, 2, 1);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid->addWidget(line, 3, 0, 1, 2);
  grid->addWidget(lblDisclaimer, 4, 0, 1, 2);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdSysInfo);
  grid->addLayout(buttons, 4, 2);
  grid->setColumnStretch(1, 1);
  setFixedWidth(520);

  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
  const QString version = QString::fromStdString(Settings().VersionText);
  lblTitle->setText(Lang("RT410 系列对讲机编程软件",
                         "Lindao VORLAN Electronic Co.,Ltd. RT410 series program software. "));
  lblVersion->setText(Chinese() ? version + QString::fromUtf8(" 版") : version);
  lblDescription->setText(
      Lang("本软件由林岛沃岚电子有限公司设计开发。",
           "This software was designed and developed by Lindao VORLAN Electronic Co.,Ltd."));
  lblDisclaimer->setText(
      Lang("警告：本软件仅用于 RT410 系列对讲机的编程。写入前请确认频率符合当地无线电管理规定。",
           "Warning: this software programs RT410 series radios only. Before writing, make sure "
           "the frequencies are permitted by your local radio regulations."));
  cmdOK->setText(Lang("确定", "Confirm"));
  cmdSysInfo->setText(Lang("系统信息(&S)...", "System Information(&S)..."));
  SetCaption(Lang("关于", "About"));
  // The designed size; only the position follows the main window.
  const QSize size = DesignedSize().expandedTo(QSize(540, 260));
  const QSize client = ClientSize();
  PlaceWindow((client.width() - size.width()) / 2,
              (client.height() - size.height()) / 2 - Twips(500), size.width(), size.height());
}
