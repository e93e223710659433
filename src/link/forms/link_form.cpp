#include "link/forms/link_form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "features/option_codec.h"
#include "link/io/port_scan.h"
#include "shell/forms/ui.h"

LinkForm::LinkForm(MDImain* main) : ChildForm(main) {
  MSC = new LinkPort(this);
  Timer1 = new LinkTimer(this);
  Timer2 = new LinkTimer(this);
  Timer3 = new LinkTimer(this);
  Timer4 = new LinkTimer(this);
  Timer1->setObjectName("Timer1");
  Timer2->setObjectName("Timer2");
  Timer3->setObjectName("Timer3");
  Timer4->setObjectName("Timer4");
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
}

void LinkForm::ConnectLink() {
  connect(MSC, &QSerialPort::readyRead, this, &LinkForm::MSC_OnComm);
  connect(MSC, &LinkPort::PortLost, this, [this] { Link().MSC_PortLost(); });
  connect(Timer1, &QTimer::timeout, this, &LinkForm::Timer1_Timer);
  connect(Timer2, &QTimer::timeout, this, &LinkForm::Timer2_Timer);
  connect(Timer3, &QTimer::timeout, this, &LinkForm::Timer3_Timer);
  connect(Timer4, &QTimer::timeout, this, &LinkForm::Timer4_Timer);
}

void LinkForm::Form_Unload() {
  Link().Shutdown();
}

void LinkForm::SetProgress(int value) {
  ProgressBar1->setValue(value);
  ProgressBar1->show();
}

void LinkForm::HideProgress() {
  ProgressBar1->hide();
}

void LinkForm::Message(const std::string& text, const std::string& title) {
  ShowLinkMessage(QString::fromStdString(text),
                  title.empty() ? QString() : QString::fromStdString(title), QString());
}

void LinkForm::ShowLinkMessage(const QString& text, const QString& title,
                               const QString& informative) {
  // While the box is up, timer ticks still arrive; a window that closes itself
  // meanwhile goes once the box is gone, not from under the code that showed it.
  const bool open = Show([&] {
    ShowMessage(text, title.isNull() ? PromptTitle(Chinese()) : title, MsgIcon::Warning,
                informative);
  });
  if (open && MessagesUp() == 0 && unloadPending_) {
    unloadPending_ = false;
    Unload();
  }
}

void LinkForm::PortOpenOutcome(const PortId& port, const PortOpenResult& result) {
  Settings().PortError = !result.Opened();
  if (!Settings().PortError) return;
#if defined(Q_OS_LINUX)
  const bool dialoutHint = true;
#else
  const bool dialoutHint = false;
#endif
  const PortMessage message = PortOpenMessage(port, result, Chinese(), dialoutHint);
  ShowLinkMessage(QString::fromStdString(message.text), QString(),
                  QString::fromStdString(message.informative));
}

PortId LinkForm::Port() {
  // Unless the port dialog did it, COMn is pinned to its device at the first transfer;
  // from then on a device that has gone is reported, never replaced by the next one.
  AppSettings& settings = Settings();
  if (settings.ComDevice.empty()) settings.ComDevice = PortDeviceName(settings.ComPort);
  return {settings.ComPort, settings.ComDevice};
}

bool LinkForm::Chinese() const {
  return ChildForm::Chinese();
}

int LinkForm::ModelCode() const {
  return Doc().ModelCode();
}

std::array<std::uint8_t, 6> LinkForm::Password() const {
  std::array<std::uint8_t, 6> digits{};
  for (std::size_t k = 0; k < digits.size(); ++k)
    digits[k] = Doc().Image().at(kPasswordCell.row, kPasswordCell.col + static_cast<int>(k));
  return digits;
}

void LinkForm::UnloadForm() {
  if (MessagesUp() > 0) {
    unloadPending_ = true;
    return;
  }
  Unload();
}

TransferForm::TransferForm(MDImain* main, const char* startName) : LinkForm(main) {
  start_ = new QPushButton(this);
  start_->setObjectName(startName);
  Command_Cancel = new QPushButton(this);
  Command_Cancel->setObjectName("Command_Cancel");
  Command_Help = new QPushButton(this);
  Command_Help->setObjectName("Command_Help");
  Label_tr_count = new QLabel(this);
  Label_tr_count->setObjectName("Label_tr_count");
  Label_tr_count->setAlignment(Qt::AlignCenter);
  for (QPushButton* button : {start_, Command_Cancel, Command_Help}) {
    button->setAutoDefault(true);
    button->setMinimumWidth(Twips(1300));
  }
  start_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addWidget(Label_tr_count);
  layout->addWidget(ProgressBar1);
  layout->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(start_);
  buttons->addStretch(1);
  buttons->addWidget(Command_Cancel);
  buttons->addStretch(1);
  buttons->addWidget(Command_Help);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  layout->addStretch(1);
}

void TransferForm::LoadTransferForm(const QString& caption, const QString& startCaption) {
  SetCaption(caption);
  start_->setText(startCaption);
  Command_Cancel->setText(Lang("取消", "Cancel"));
  Command_Help->setText(Lang("帮助", "Help"));

  const QSize frame = MainFrameSize();
  const int width = static_cast<int>(frame.width() / 1.6);
  const int height = frame.height() / 3;
  PlaceWindow((frame.width() - width) / 2, static_cast<int>((frame.height() - height) / 1.45),
              width, height);
}

void TransferForm::Form_Activate() {
  start_->setDefault(true);
  start_->setFocus();
}

void TransferForm::SetStatus(const std::string& text) {
  Label_tr_count->setText(QString::fromStdString(text));
}

void TransferForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    start_->click();
    return;
  }
  LinkForm::keyPressEvent(event);
}
