#include "shell/forms/form_setup.h"
#include "shell/forms/controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/io/port_scan.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

Form_setup::Form_setup(MDImain* main) : ChildForm(main) {
  Frame1 = Named<QGroupBox>(this, "Frame1");
  group_ = new QButtonGroup(this);
  auto* options = new QGridLayout(Frame1);
  for (int n = 1; n <= 8; ++n) {
    auto* option = new QRadioButton(QStringLiteral("COM%1").arg(n), Frame1);
    option->setObjectName(QStringLiteral("Option%1").arg(n));
    group_->addButton(option, n);
    options->addWidget(option, (n - 1) / 4, (n - 1) % 4);
    Option[static_cast<std::size_t>(n - 1)] = option;
  }
  Command_ok = Named<QPushButton>(this, "Command_ok");
  Command1 = Named<QPushButton>(this, "Command1");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Frame1, 1);
  auto* buttons = CentredRow({Command_ok, Command1});
  layout->addLayout(buttons);

  connect(Command_ok, &QPushButton::clicked, this, &Form_setup::Command_ok_Click);
  connect(Command1, &QPushButton::clicked, this, &Form_setup::Command1_Click);
}

void Form_setup::Form_Load() {
  SetCaption(Lang("通讯端口设置", "Communication Port Setup"));
  Frame1->setTitle(Lang("端口设置", "Port Setup"));
  Command_ok->setText(Lang("确 定", "Confirm"));
  Command1->setText(Lang("取 消", "Cancel"));

  const QSize client = ClientSize();
  PlaceCentred(client.width() / 2, static_cast<int>(client.height() / 1.8), -Twips(500));

  group_->setExclusive(false);
  for (int n = 1; n <= 8; ++n) {
    QRadioButton* option = Option[static_cast<std::size_t>(n - 1)];
    option->setChecked(false);
    // With --port every option stands for the device given, and none can be chosen.
    const std::string& given = Settings().PortGiven;
    const std::string device = given.empty() ? PortDeviceName(n) : given;
    option->setToolTip(QString::fromStdString(PortToolTip(DescribePort(device), Chinese())));
    option->setEnabled(given.empty());
  }
  group_->setExclusive(true);
  const int port = Settings().ComPort;
  if (port >= 1 && port <= 8) Option[static_cast<std::size_t>(port - 1)]->setChecked(true);
}

void Form_setup::Command_ok_Click() {
  AppSettings& settings = Settings();
  for (int n = 1; n <= 8; ++n) {
    if (Option[static_cast<std::size_t>(n - 1)]->isChecked()) settings.ComPort = n;
  }
  // The number is pinned to the device it stands for now, until confirmed again.
  settings.ComDevice =
      settings.PortGiven.empty() ? PortDeviceName(settings.ComPort) : settings.PortGiven;
  if (Main()) Main()->SetPanelText(3, QString::fromStdString(settings.PortPanelText()));
  if (!settings.PortError) Unload();
}
