#include "link/forms/form_comm_verify.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "fleet/radio_check.h"
#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

Form_Comm_Verify::Form_Comm_Verify(MDImain* main)
    : TransferForm(main, "Command_Verify"),
      Command_Verify(start_),
      List_Diff(Named<QListWidget>(this, "List_Diff")),
      link_(std::make_unique<ReadLink>(*MSC, LinkTimers(), *this, *this, read_)) {
  ConnectLink();
  // Under the progress bar, above the buttons.
  static_cast<QVBoxLayout*>(layout())->insertWidget(3, List_Diff, 4);
  List_Diff->hide();
  connect(Command_Verify, &QPushButton::clicked, this, &Form_Comm_Verify::Command_Verify_Click);
  connect(Command_Cancel, &QPushButton::clicked, this, &Form_Comm_Verify::Command_Cancel_Click);
}

Form_Comm_Verify::~Form_Comm_Verify() = default;

// Without the read window's close timer: the result stays on screen.
void Form_Comm_Verify::Form_Load() {
  LoadTransferForm(Lang("校验对讲机", "Verify Radio"), Lang("校验", "Verify"));
}

void Form_Comm_Verify::Command_Verify_Click() {
  // A completed read leaves its link done; each verify reads afresh.
  if (!link_->Busy()) {
    link_ = std::make_unique<ReadLink>(*MSC, LinkTimers(), *this, *this, read_);
    result_.clear();
    List_Diff->clear();
    List_Diff->hide();
  }
  link_->Command_read_Click();
}

bool Form_Comm_Verify::ImageRead() {
  const std::vector<std::string> lines =
      RadioDifferenceLines(read_, AsWritten(Doc().Image(), ModelCode()), Chinese());
  for (const std::string& line : lines) List_Diff->addItem(QString::fromStdString(line));
  List_Diff->setVisible(!lines.empty());
  result_ = lines.empty()
                ? Lang("对讲机数据与当前数据一致", "The radio holds the current data")
                : Lang("对讲机数据与当前数据不同：", "The radio differs from the current data: ") +
                      QString::number(lines.size());
  return true;
}

void Form_Comm_Verify::SetStatus(const std::string& text) {
  TransferForm::SetStatus(result_.isEmpty() ? text : result_.toStdString());
}
