#include "shell/forms/form_import_csv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>

#include "shell/forms/controls.h"
#include "shell/forms/ui.h"

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The channel column's editor: a drop-down of channels 1 to 16.
class ChannelDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("Combo_target"));
    for (int n = 1; n <= 16; ++n) combo->addItem(QString::number(n), n);
    return combo;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
  }
};

}  // namespace

CsvRowsModel::CsvRowsModel(QObject* parent, CsvImportChoice& choice, FreqRange limits, bool chinese)
    : QAbstractTableModel(parent), choice_(choice), limits_(limits), chinese_(chinese) {}

int CsvRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : choice_.Size();
}

int CsvRowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant CsvRowsModel::data(const QModelIndex& index, int role) const {
  const int i = index.row();
  const int target = choice_.Target(i);
  if (role == Qt::CheckStateRole && index.column() == kLine)
    return choice_.Checked(i) ? Qt::Checked : Qt::Unchecked;
  if (role == Qt::EditRole && index.column() == kTarget) return target;
  if (role == Qt::BackgroundRole && choice_.Duplicate(i) &&
      (index.column() == kTarget || index.column() == kFit))
    return QColor(255, 200, 200);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kLine:
      return choice_.Row(i).line;
    case kTarget:
      return target > 0 ? QVariant(target) : QVariant(QString());
    case kFit:
      if (choice_.Duplicate(i)) return Text("信道 %1 重复", "Channel %1 twice").arg(target);
      break;
    default:
      break;
  }
  const CsvRowTexts& texts = Texts(i);
  const std::string* shown[] = {nullptr,          nullptr,       &texts.rx,
                                &texts.tx,        &texts.decode, &texts.encode,
                                &texts.bandwidth, &texts.power,  &texts.fit};
  return Q(*shown[index.column()]).trimmed();
}

const CsvRowTexts& CsvRowsModel::Texts(int row) const {
  auto it = texts_.find(row);
  if (it == texts_.end())
    it = texts_.emplace(row, CsvRowText(choice_.Row(row), limits_, chinese_)).first;
  return it->second;
}

bool CsvRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (index.column() == kLine && role == Qt::CheckStateRole) {
    choice_.SetChecked(index.row(), value.toInt() == Qt::Checked);
  } else if (index.column() == kTarget && role == Qt::EditRole) {
    choice_.SetTarget(index.row(), value.toInt());
  } else {
    return false;
  }
  Redraw();  // a duplicate elsewhere may have come or gone
  return true;
}

Qt::ItemFlags CsvRowsModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = Qt::ItemIsSelectable;
  if (!choice_.Row(index.row()).Fits()) return flags;
  flags |= Qt::ItemIsEnabled;
  if (index.column() == kLine) flags |= Qt::ItemIsUserCheckable;
  if (index.column() == kTarget) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant CsvRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const std::pair<const char*, const char*> kCaptions[] = {{"行", "Line"},
                                                                  {"信道", "Channel"},
                                                                  {"接收频率", "RX Frequency"},
                                                                  {"发射频率", "TX Frequency"},
                                                                  {"接收亚音", "Decode"},
                                                                  {"发射亚音", "Encode"},
                                                                  {"带宽", "W/N"},
                                                                  {"功率", "TX Power"},
                                                                  {"可否导入", "Fits"}};
  return Text(kCaptions[section].first, kCaptions[section].second);
}

void CsvRowsModel::Redraw() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void CsvRowsModel::SetChinese(bool chinese) {
  if (chinese == chinese_) return;
  chinese_ = chinese;
  texts_.clear();
  emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
  Redraw();
}

Form_import_csv::Form_import_csv(MDImain* main) : ChildForm(main) {
  Label_file = Named<QLabel>(this, "Label_file");
  Grid_rows = Named<QTableView>(this, "Grid_rows");
  Check_renumber = Named<QCheckBox>(this, "Check_renumber");
  Label_count = Named<QLabel>(this, "Label_count");
  Command_Import = Named<QPushButton>(this, "Command_Import");
  Command_Cancel = Named<QPushButton>(this, "Command_Cancel");
  Command_Help = Named<QPushButton>(this, "Command_Help");

  Command_Import->setEnabled(false);
  Grid_rows->setItemDelegateForColumn(CsvRowsModel::kTarget, new ChannelDelegate(Grid_rows));
  Grid_rows->setEditTriggers(QAbstractItemView::AllEditTriggers);
  Grid_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid_rows->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid_rows->verticalHeader()->hide();
  Grid_rows->setTabKeyNavigation(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label_file);
  layout->addWidget(Grid_rows, 1);
  layout->addWidget(Check_renumber);
  layout->addWidget(Label_count);
  layout->addLayout(CentredRow({Command_Import, Command_Cancel, Command_Help}, 24));

  connect(Check_renumber, &QCheckBox::clicked, this, &Form_import_csv::Check_renumber_Click);
  connect(Command_Import, &QPushButton::clicked, this, &Form_import_csv::Command_Import_Click);
  connect(Command_Cancel, &QPushButton::clicked, this, &Form_import_csv::Command_Cancel_Click);
}

void Form_import_csv::Form_Load() {
  SetCaptions();
  PlaceInMainFrame(1.3, 1.4, 0);
}

void Form_import_csv::Form_Activate() {
  SetCaptions();
  if (!model_) return;
  model_->SetChinese(Chinese());
  Label_file->setText(Lang("文件：%1", "File: %1").arg(path_));
  ShowCount();
}

void Form_import_csv::SetCaptions() {
  SetCaption(Lang("导入 CSV", "Import CSV"));
  Check_renumber->setText(Lang("按顺序编号", "Number in order"));
  Command_Import->setText(Lang("导入", "Import"));
  Command_Cancel->setText(Lang("取消", "Cancel"));
  Command_Help->setText(Lang("帮助", "Help"));
}

void Form_import_csv::ShowRows(const QString& path, CsvImportChoice choice, FreqRange limits,
                               Storer store) {
  choice_.emplace(std::move(choice));
  limits_ = limits;
  store_ = std::move(store);
  path_ = path;
  Label_file->setText(Lang("文件：%1", "File: %1").arg(path));
  delete model_;
  model_ = new CsvRowsModel(this, *choice_, limits_, Chinese());
  Grid_rows->setModel(model_);
  Grid_rows->resizeColumnsToContents();
  Grid_rows->horizontalHeader()->setStretchLastSection(true);
  Check_renumber->setChecked(choice_->Renumbered());
  connect(model_, &QAbstractItemModel::dataChanged, this, &Form_import_csv::ShowCount);
  ShowCount();
  Grid_rows->setFocus();
  Grid_rows->setCurrentIndex(model_->index(0, CsvRowsModel::kLine));
}

void Form_import_csv::Check_renumber_Click() {
  if (!choice_) return;
  choice_->SetRenumbered(Check_renumber->isChecked());
  model_->Redraw();
}

void Form_import_csv::ShowCount() {
  const int checked = choice_ ? choice_->CheckedCount() : 0;
  Label_count->setText(Lang("共 %1 行，已选 %2 行", "%1 rows, %2 checked")
                           .arg(choice_ ? choice_->Size() : 0)
                           .arg(checked));
  Command_Import->setEnabled(choice_ && choice_->CanStore());
}

void Form_import_csv::Command_Import_Click() {
  if (!choice_ || !choice_->CanStore()) return;
  store_(*choice_, limits_);
  Unload();
}
