#include "fleet/forms/form_clone.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "features/option_codec.h"
#include "link/io/port_scan.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

namespace {
constexpr int kComPorts = 8;
}  // namespace

Form_Clone::Form_Clone(MDImain* main) : ChildForm(main) {
  std::vector<PortId> ids;
  for (int n = 1; n <= kComPorts; ++n) ids.push_back({n, PortDeviceName(n)});
  // The run's own device (rt410-cps --port, or the one COM1 was pinned to), when no
  // COM number stands for it.
  const AppSettings& settings = Settings();
  const std::string& own = settings.PortGiven.empty() ? settings.ComDevice : settings.PortGiven;
  if (!own.empty() &&
      std::none_of(ids.begin(), ids.end(), [&](const PortId& id) { return id.device == own; }))
    ids.push_back({0, own});

  auto* grid = new QGridLayout;
  Label_Port = Named<QLabel>(this, "Label_Port");
  Label_DeviceHead = Named<QLabel>(this, "Label_DeviceHead");
  Label_ResultHead = Named<QLabel>(this, "Label_ResultHead");
  grid->addWidget(Label_Port, 0, 0);
  grid->addWidget(Label_DeviceHead, 0, 1);
  grid->addWidget(Label_ResultHead, 0, 3);
  grid->addWidget(new QLabel("ANI", this), 0, 4);
  for (const PortId& id : ids) {
    const std::size_t i = rows.size();
    const std::string suffix = std::to_string(i + 1);
    PortRow row{
        Named<QCheckBox>(this, ("Check_Port" + suffix).c_str()),
        Named<QLabel>(this, ("Label_Device" + suffix).c_str()),
        Named<QProgressBar>(this, ("ProgressBar_Port" + suffix).c_str()),
        Named<QLabel>(this, ("Label_Result" + suffix).c_str()),
        Named<QLabel>(this, ("Label_ANI" + suffix).c_str()),
    };
    const std::string name = id.number > 0 ? "COM" + std::to_string(id.number) : id.device;
    row.Check_Port->setText(QString::fromStdString(name));
    row.Check_Port->setEnabled(!id.device.empty());
    // Checked: the device of --port, else the COM port of the port dialog.
    const bool chosen = settings.PortGiven.empty() ? id.number == settings.ComPort
                                                   : id.device == settings.PortGiven;
    row.Check_Port->setChecked(!id.device.empty() && chosen);
    row.ProgressBar_Port->setRange(0, 100);
    row.ProgressBar_Port->setValue(0);
    row.ProgressBar_Port->setTextVisible(false);
    const int r = static_cast<int>(i) + 1;
    grid->addWidget(row.Check_Port, r, 0);
    grid->addWidget(row.Label_Device, r, 1);
    grid->addWidget(row.ProgressBar_Port, r, 2);
    grid->addWidget(row.Label_Result, r, 3);
    grid->addWidget(row.Label_ANI, r, 4);
    rows.push_back(row);
    cables_.push_back(std::make_unique<CloneCable>(id, name, clock_));
    cables_.back()->clone.onChange = [this, i] { ShowRow(i); };
  }
  grid->setColumnStretch(3, 1);

  Check_Verify = Named<QCheckBox>(this, "Check_Verify");
  Label_FirstAni = Named<QLabel>(this, "Label_FirstAni");
  Text_FirstAni = Named<QLineEdit>(this, "Text_FirstAni");
  Text_FirstAni->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{0,8}"), Text_FirstAni));
  // As the ANI box takes them: small letters become capitals.
  connect(Text_FirstAni, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text != text.toUpper()) Text_FirstAni->setText(text.toUpper());
  });
  Command_Log = Named<QPushButton>(this, "Command_Log");
  Label_LogFile = Named<QLabel>(this, "Label_LogFile");
  Label_Done = Named<QLabel>(this, "Label_Done");
  Label_Failed = Named<QLabel>(this, "Label_Failed");
  Command_Start = Named<QPushButton>(this, "Command_Start");
  Command_Close = Named<QPushButton>(this, "Command_Close");
  Command_Help = Named<QPushButton>(this, "Command_Help");
  Command_Start->setDefault(true);

  auto* options = new QHBoxLayout;
  options->addWidget(Check_Verify);
  options->addSpacing(Twips(400));
  options->addWidget(Label_FirstAni);
  options->addWidget(Text_FirstAni);
  options->addSpacing(Twips(400));
  options->addWidget(Command_Log);
  options->addWidget(Label_LogFile, 1);
  auto* totals = new QHBoxLayout;
  totals->addWidget(Label_Done);
  totals->addSpacing(Twips(600));
  totals->addWidget(Label_Failed);
  totals->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(options);
  layout->addLayout(totals);
  layout->addLayout(CentredRow({Command_Start, Command_Close, Command_Help}));

  connect(Command_Start, &QPushButton::clicked, this, &Form_Clone::Command_Start_Click);
  connect(Command_Log, &QPushButton::clicked, this, &Form_Clone::Command_Log_Click);
  connect(Command_Close, &QPushButton::clicked, this, &Form_Clone::Command_Close_Click);
}

Form_Clone::~Form_Clone() = default;

void Form_Clone::Form_Load() {
  SetCaptions();
  for (std::size_t i = 0; i < rows.size(); ++i) ShowRow(i);
  ShowTotals();
  PlaceInMainFrame(1.5, 1.6, Twips(300));
}

// Not reloaded by a language switch, which would end a round: captioned anew here.
void Form_Clone::Form_Activate() {
  SetCaptions();
  ShowTotals();
}

void Form_Clone::SetCaptions() {
  SetCaption(Lang("批量写入", "Clone to Radios"));
  Label_Port->setText(Lang("端口", "Port"));
  Label_DeviceHead->setText(Lang("设备", "Device"));
  Label_ResultHead->setText(Lang("结果", "Result"));
  Check_Verify->setText(Lang("校验", "Verify after writing"));
  Label_FirstAni->setText(Lang("ANI 起始", "First ANI"));
  Command_Log->setText(Lang("日志...", "Log..."));
  Command_Start->setText(Lang("开始", "Start"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string& device = cables_[i]->clone.Id().device;
    rows[i].Label_Device->setText(device.empty() ? Lang("（无设备）", "(no device)")
                                                 : QString::fromStdString(device));
  }
  Label_LogFile->setText(logPath_.isEmpty() ? Lang("（无日志）", "(no log)")
                                            : QDir::toNativeSeparators(logPath_));
}

void Form_Clone::ShowRow(std::size_t i) {
  const ClonePort& port = cables_[i]->clone;
  const ClonePortReport& r = port.Report();
  PortRow& row = rows[i];
  row.ProgressBar_Port->setValue(port.Progress());
  const bool running = r.result == CloneResult::Running;
  const QString result =
      QString::fromStdString(running ? port.Status() : CloneReportText(r, Chinese()));
  row.Label_Result->setText(result);
  // A long message is cut at the window's edge; all of it stands in the tooltip.
  row.Label_Result->setToolTip(result);
  row.Label_ANI->setText(QString::fromStdString(running ? r.ani : CloneAniKept(r, plan_)));
  if (round_ && !ended_ && !round_->Running()) RoundEnded();
}

void Form_Clone::ShowTotals() {
  Label_Done->setText(Lang("完成：", "Done: ") + QString::number(totals_.done));
  Label_Failed->setText(Lang("失败：", "Failed: ") + QString::number(totals_.failed));
}

bool Form_Clone::Running() const {
  return round_ && round_->Running();
}

void Form_Clone::Command_Start_Click() {
  if (Running()) return;
  std::vector<ClonePort*> ports;
  used_.clear();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].Check_Port->isChecked() || !rows[i].Check_Port->isEnabled()) continue;
    ports.push_back(&cables_[i]->clone);
    used_.push_back(i);
  }
  if (ports.empty()) {
    Warn(Lang("请至少选择一个端口。", "Choose at least one port."));
    return;
  }
  const QString first = Text_FirstAni->text();
  if (first.isEmpty()) {
    codes_.reset();
  } else if (!codes_ || first != nextCode_) {
    // The box was typed into: the count starts there.
    codes_ = std::make_unique<AniSequence>(*AniCode(first.toStdString()));
  }
  plan_ = {};
  plan_.image = Doc().Image();
  plan_.modelCode = Doc().ModelCode();
  plan_.verify = Check_Verify->isChecked();
  plan_.chinese = Chinese();
  for (std::size_t k = 0; k < plan_.password.size(); ++k)
    plan_.password[k] = plan_.image.at(kPasswordCell.row, kPasswordCell.col + static_cast<int>(k));
  if (!logPath_.isEmpty() && !log_.IsOpen()) {
    std::string error;
    if (!log_.Open(logPath_.toStdString(), Chinese(), error)) {
      Warn(QString::fromStdString(error));
      return;
    }
  }
  round_ = std::make_unique<CloneRound>(ports, plan_, codes_.get());
  for (const std::size_t i : used_) rows[i].Label_ANI->clear();
  ended_ = false;
  clock_.start();
  Lock(true);
  if (const std::string refusal = round_->Start(); !refusal.empty()) {
    ended_ = true;
    Lock(false);
    Warn(QString::fromStdString(refusal));
    return;
  }
  if (!round_->Running()) RoundEnded();
}

void Form_Clone::RoundEnded() {
  ended_ = true;
  const std::string plan = Doc().FileName();
  for (const std::size_t i : used_) {
    const CloneCable& cable = *cables_[i];
    if (log_.IsOpen()) log_.Add(cable, plan, CloneAniKept(cable.clone.Report(), plan_), Chinese());
  }
  round_->Finish(totals_);
  if (codes_) {
    if (const std::optional<std::string> next = codes_->Take()) {
      codes_->GiveBack(*next);
      nextCode_ = QString::fromStdString(*next);
    } else {
      nextCode_.clear();
    }
    Text_FirstAni->setText(nextCode_);
  }
  ShowTotals();
  Lock(false);
}

void Form_Clone::Lock(bool running) {
  for (PortRow& row : rows) row.Check_Port->setAttribute(Qt::WA_TransparentForMouseEvents, running);
  for (QWidget* w :
       std::initializer_list<QWidget*>{Command_Start, Check_Verify, Text_FirstAni, Command_Log})
    w->setEnabled(!running);
}

void Form_Clone::Command_Log_Click() {
  FileRequest request;
  request.mode = FileDialogMode::Save;
  request.caption = Lang("日志文件", "Log File");
  request.start = logPath_;
  request.filter = Lang("CSV 文件 (*.csv)", "CSV files (*.csv)");
  request.defaultSuffix = "csv";
  const QString path = ChooseFile(request);
  if (path.isEmpty()) return;
  log_.Close();
  logPath_ = path;
  SetCaptions();
}

void Form_Clone::closeEvent(QCloseEvent* event) {
  if (Running()) {
    const int answer =
        ShowQuestion(Lang("正在写入对讲机。停止所有端口并关闭窗口吗？",
                          "Radios are being written. Stop every port and close the window?"),
                     {Lang("停止", "Stop"), Lang("继续写入", "Go on")}, PromptTitle(Chinese()));
    if (answer != 0) {
      event->ignore();
      return;
    }
    round_->Stop(Chinese() ? "已停止" : "stopped");
  }
  ChildForm::closeEvent(event);
}

void Form_Clone::Form_Unload() {
  if (Running()) round_->Stop(Chinese() ? "已停止" : "stopped");
  log_.Close();
}
