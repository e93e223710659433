#include "channels/forms/frm_chann.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

#include "channels/channel_edit_rules.h"
#include "channels/channel_texts.h"
#include "channels/forms/channel_widgets.h"
#include "codec/channel_record.h"
#include "shell/forms/controls.h"
#include "shell/forms/main_window.h"
#include "shell/forms/ui.h"

namespace {
QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
}  // namespace

frm_chann::frm_chann(MDImain* main) : ChildForm(main) {
  MSF_Chann = new QTableWidget(kRows - 1, kCols, this);
  MSF_Chann->setObjectName("MSF_Chann");
  MSF_Chann->verticalHeader()->hide();
  MSF_Chann->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MSF_Chann->setSelectionMode(QAbstractItemView::SingleSelection);
  MSF_Chann->setTabKeyNavigation(false);
  MSF_Chann->setWordWrap(false);
  // A click must not scroll the grid under the editor it is placing.
  MSF_Chann->setAutoScroll(false);
  QHeaderView* header = MSF_Chann->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionsClickable(false);
  header->setHighlightSections(false);
  for (int row = 0; row < kRows - 1; ++row) {
    for (int c = 0; c < kCols; ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignCenter);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      MSF_Chann->setItem(row, c, item);
    }
  }

  Text_Edit = new TextBox(this);
  Text_Edit->setObjectName("Text_Edit");
  Text_Edit->setAlignment(Qt::AlignCenter);
  Text_Edit->hide();
  Combo_edit = new ComboBox(this);
  Combo_edit->setObjectName("Combo_edit");
  Combo_edit->SetEditable(true);
  Combo_edit->setCompleter(nullptr);
  Combo_edit->lineEdit()->setAlignment(Qt::AlignCenter);
  Combo_edit->setMaxVisibleItems(16);
  Combo_edit->hide();

  Command_Clear = new QPushButton(this);
  Command_Clear->setObjectName("Command_Clear");
  Command_Edit = new QPushButton(this);
  Command_Edit->setObjectName("Command_Edit");
  Command_Close = new QPushButton(this);
  Command_Close->setObjectName("Command_Close");
  Command_Help = new QPushButton(this);
  Command_Help->setObjectName("Command_Help");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 8);
  layout->addWidget(MSF_Chann, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {Command_Clear, Command_Edit, Command_Close, Command_Help}) {
    b->setMinimumWidth(100);
    buttons->addWidget(b);
    buttons->addSpacing(24);
  }
  buttons->addStretch();
  layout->addLayout(buttons);

  rowHeight_ = std::max(Combo_edit->sizeHint().height(), Text_Edit->sizeHint().height());
  MSF_Chann->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  MSF_Chann->verticalHeader()->setMinimumSectionSize(rowHeight_);
  MSF_Chann->verticalHeader()->setDefaultSectionSize(rowHeight_);

  connect(MSF_Chann, &QTableWidget::currentCellChanged, this,
          [this](int, int, int previousRow, int previousColumn) {
            if (previousRow >= 0 && previousColumn >= 0) {
              MSF_Chann_LeaveCell(ChannelRow(previousRow), previousColumn);
            }
          });
  // The press, not the release: a message shown while leaving the old cell must
  // not swallow the click on the new one.
  connect(MSF_Chann, &QTableWidget::cellPressed, this, [this] { MSF_Chann_Click(); });
  connect(MSF_Chann->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &frm_chann::MSF_Chann_Scroll);
  connect(MSF_Chann->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          &frm_chann::MSF_Chann_Scroll);
  for (QHeaderView* h : {header, MSF_Chann->verticalHeader()}) {
    connect(h, &QHeaderView::sectionResized, this, [this] {
      if (!editCell_) return;
      if (Text_Edit->isVisible()) PlaceOver(Text_Edit, *editCell_);
      if (Combo_edit->isVisible()) PlaceOver(Combo_edit, *editCell_);
    });
  }
  MSF_Chann->viewport()->installEventFilter(this);
  Combo_edit->installEventFilter(this);
  Combo_edit->lineEdit()->installEventFilter(this);
  Text_Edit->installEventFilter(this);

  Text_Edit->SetKeyPress([this](QKeyEvent* e) {
    const int key = KeyAscii(e);
    return key != 0 && Text_Edit_KeyPress(key);
  });
  Combo_edit->SetKeyPress([this](QKeyEvent* e) {
    const int key = KeyAscii(e);
    return key != 0 && Combo_edit_KeyPress(key);
  });
  connect(Combo_edit, &ComboBox::Click, this, &frm_chann::Combo_edit_Click);
  connect(Combo_edit, &ComboBox::Change, this, &frm_chann::Combo_edit_Change);
  connect(Command_Clear, &QPushButton::clicked, this, &frm_chann::Command_Clear_Click);
  connect(Command_Edit, &QPushButton::clicked, this, &frm_chann::Command_Edit_Click);
  connect(Command_Close, &QPushButton::clicked, this, &frm_chann::Command_Close_Click);
  if (main) {
    connect(main->MdiArea(), &QMdiArea::subWindowActivated, this, &frm_chann::OtherWindowActivated);
  }
}

// --- The grid's own numbering ---------------------------------------------------

int frm_chann::Row() const {
  const int row = MSF_Chann->currentRow();
  return row < 0 ? 0 : ChannelRow(row);
}

int frm_chann::Col() const {
  return MSF_Chann->currentColumn();
}

void frm_chann::SetCurrentCell(int r, int c) {
  MSF_Chann->setCurrentCell(RowIndex(r), c);
}

QString frm_chann::TextMatrix(int r, int c) const {
  if (r == 0) {
    const QTableWidgetItem* item = MSF_Chann->horizontalHeaderItem(c);
    return item ? item->text() : QString();
  }
  const QTableWidgetItem* item = MSF_Chann->item(RowIndex(r), c);
  return item ? item->text() : QString();
}

void frm_chann::SetTextMatrix(int r, int c, const QString& text) {
  if (QTableWidgetItem* item = MSF_Chann->item(RowIndex(r), c)) item->setText(text);
}

QRect frm_chann::CellRect(int r, int c) const {
  const QRect cell = MSF_Chann->visualItemRect(MSF_Chann->item(RowIndex(r), c));
  return {MSF_Chann->viewport()->mapTo(this, cell.topLeft()), cell.size()};
}

// --- Window ----------------------------------------------------------------------

void frm_chann::Form_Load() {
  SetFormatString(Q(ChannelGridFormatString(Chinese())));
  Command_Clear->setText(Lang("清除", "Clear"));
  Command_Edit->setText(Lang("信道编辑", "Channel Edit"));
  Command_Close->setText(Lang("关闭", "Close"));
  Command_Help->setText(Lang("帮助", "Help"));

  const QSize frame = MainFrameSize();
  const QSize client = ClientSize();
  const int width = static_cast<int>(frame.width() / 1.15);
  const int height = static_cast<int>(frame.height() / 1.3);
  PlaceWindow((client.width() - width) / 2, (client.height() - height) / 8, width, height);

  Text_Edit->hide();
  for (int r = 1; r < kRows; ++r) SetTextMatrix(r, 0, QString::number(r));
  Doc().Cur_Chann = 1;
  for (int n = 1; n <= kChannelCount; ++n) Read_Chann(n);
  SetCaption(Lang("信道参数编辑", "Channel Information"));
  {
    const QSignalBlocker quiet(MSF_Chann);
    SetCurrentCell(1, 0);
  }
  FitGrid();
}

void frm_chann::Form_Activate() {
  for (int n = 1; n <= kChannelCount; ++n) Read_Chann(n);
  if (!editCell_) return;
  if (Text_Edit->isVisible() && Text_Edit->isModified()) {
    PlaceOver(Text_Edit, *editCell_);  // the typing is the user's and stays
    return;
  }
  // An untouched editor shows what the image holds now.
  editCell_.reset();
  HideEditors();
  Show_Editor();
}

void frm_chann::Form_Unload() {
  CommitOpenEdit();
}

void frm_chann::OtherWindowActivated(QMdiSubWindow* window) {
  // Null is a message box or another program taking the focus: nothing was left.
  if (!window || window == SubWindow() || Unloaded()) return;
  CommitOpenEdit();
}

void frm_chann::CommitOpenEdit() {
  if (editCell_) MSF_Chann_LeaveCell(editCell_->r, editCell_->c);
}

void frm_chann::ShowChannelCaption(int n) {
  SetCaption(Lang("信道参数编辑 [ 信道 - ", "Channel Information [ Channel - ") +
             Q(NumberTextSpaced(n)) + QStringLiteral(" ]"));
}

void frm_chann::SetFormatString(const QString& format) {
  const QStringList columns = format.split(QLatin1Char('|'));
  for (int c = 0; c < kCols && c < columns.size(); ++c) {
    QString text = columns[c];
    // "^" centres the column; every column here is centred.
    if (text.startsWith(QLatin1Char('^'))) text.remove(0, 1);
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    MSF_Chann->setHorizontalHeaderItem(c, item);
  }
}

void frm_chann::FitGrid() {
  const QFontMetrics cellMetrics(MSF_Chann->font());
  const QFontMetrics headerMetrics(MSF_Chann->horizontalHeader()->font());
  constexpr int kPadding = 18;
  auto textWidth = [&](const QString& text) {
    return cellMetrics.horizontalAdvance(text) + kPadding;
  };
  auto comboWidth = [&](const QStringList& entries) {
    int widest = 0;
    for (const QString& e : entries) widest = std::max(widest, cellMetrics.horizontalAdvance(e));
    QStyleOptionComboBox option;
    option.initFrom(Combo_edit);
    option.editable = true;
    option.frame = true;
    return Combo_edit->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, cellMetrics.height()),
                           Combo_edit)
        .width();
  };
  auto words = [](std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* w : list) out << QString::fromUtf8(w);
    return out;
  };

  QStringList toneTexts = ToneListEntries(QStringLiteral("OFF"));
  for (int i = 0; i <= kToneLast; ++i) toneTexts << Q(ToneTableEntry(i));
  const std::array<QStringList, kCols> contents = {
      words({"16"}),
      words({"999.999999"}),
      words({"999.999999"}),
      toneTexts,
      toneTexts,
      words({"关", "Off", "OFF", "载波", "Carrier", "QT/DQT"}),
      words({"低", "高", "Low", "High"}),
      words({"宽带", "窄带", "Wide", "Narrow"}),
      words({"是", "否", "Yes", "NO", "No"}),
  };

  std::array<int, kCols> widths{};
  int total = 0;
  for (int c = 0; c < kCols; ++c) {
    int w = headerMetrics.horizontalAdvance(TextMatrix(0, c)) + kPadding;
    for (const QString& text : contents[static_cast<std::size_t>(c)]) {
      w = std::max(w, textWidth(text));
    }
    if (c >= 3) w = std::max(w, comboWidth(contents[static_cast<std::size_t>(c)]));
    widths[static_cast<std::size_t>(c)] = w;
    total += w;
  }
  // Room to spare is shared out, so the table fills the window.
  const int spare = MSF_Chann->viewport()->width() - total;
  if (spare > 0) {
    for (int c = 0; c < kCols; ++c) {
      widths[static_cast<std::size_t>(c)] += spare / kCols + (c < spare % kCols ? 1 : 0);
    }
  }
  for (int c = 0; c < kCols; ++c) {
    MSF_Chann->horizontalHeader()->resizeSection(c, widths[static_cast<std::size_t>(c)]);
  }
  // Rows share the height too, but never get lower than an editor.
  const int rowHeight = std::max(rowHeight_, MSF_Chann->viewport()->height() / (kRows - 1));
  for (int row = 0; row < kRows - 1; ++row) {
    if (MSF_Chann->rowHeight(row) != rowHeight)
      MSF_Chann->verticalHeader()->resizeSection(row, rowHeight);
  }
}

bool frm_chann::eventFilter(QObject* watched, QEvent* event) {
  const bool editor =
      watched == Text_Edit || watched == Combo_edit || watched == Combo_edit->lineEdit();
  if (editor && event->type() == QEvent::KeyPress) {
    // Tab from an editor is Enter, and Shift+Tab Enter backwards: the focus never
    // leaves the grid for the buttons below it.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      if (watched != Text_Edit || !EnterDiscarded()) CommitAndMove(key == Qt::Key_Tab);
      return true;
    }
  }
  if (watched == Combo_edit && event->type() == QEvent::FocusIn) {
    Combo_edit_GotFocus();
  } else if (watched == MSF_Chann->viewport()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        // Only the left button clicks a cell.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return true;
        break;
      case QEvent::MouseMove:
        // Dragging must not carry the current cell away from the editor just placed.
        if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton) return true;
        break;
      case QEvent::Resize:
        FitGrid();
        break;
      default:
        break;
    }
  }
  return ChildForm::eventFilter(watched, event);
}

// --- Drawing rows from the image -------------------------------------------------

void frm_chann::Read_Chann(int n) {
  const RadioImage& image = Doc().Image();
  for (int c = 1; c < kCols; ++c) {
    // Busy-lock bits 10 have no text: the cell keeps what it showed.
    if (c == kBusyLockColumn && !ChannelEmpty(image, n) &&
        ChannelBusyLock(image, n) == BusyLock::Unknown)
      continue;
    SetTextMatrix(n, c, Q(ChannelCellText(image, n, c, Chinese())));
  }
}

// --- Placing the editors -----------------------------------------------------------

void frm_chann::PlaceOver(QWidget* editor, Cell cell) {
  editor->setGeometry(CellRect(cell.r, cell.c));
  editor->raise();
}

void frm_chann::HideEditors() {
  Text_Edit->hide();
  Combo_edit->hide();
}

void frm_chann::Show_Editor() {
  const int r = Row();
  const int c = Col();
  if (r < 1 || r > kChannelCount || c < 0 || c >= kCols) return;
  MSF_Chann->scrollToItem(MSF_Chann->item(RowIndex(r), c));
  savedText_ = TextMatrix(r, c);
  if (c == 1 || c == 2) {
    Combo_edit->hide();
    PlaceOver(Text_Edit, {r, c});
    Text_Edit->setText(TextMatrix(r, c));
    Text_Edit->show();
    Text_Edit->setFocus();
    // Typing replaces what the cell shows instead of running into the length guard.
    Text_Edit->selectAll();
    editCell_ = Cell{r, c};
    return;
  }
  if (c < 3 || ChannelEmpty(Doc().Image(), r)) return;
  if (c == 4 && !ChannelHasTx(Doc().Image(), r)) {
    // No encode tone without a transmit frequency.
    HideEditors();
    return;
  }
  Text_Edit->hide();
  PlaceOver(Combo_edit, {r, c});
  Combo_edit->setEditText(TextMatrix(r, c));
  Combo_edit->show();
  Combo_edit->setFocus();
  Combo_edit->clear();
  FillComboList(c);
  // The arrow keys start from the entry the cell shows.
  Combo_edit->setCurrentIndex(
      Combo_edit->findText(TextMatrix(r, c).trimmed(), Qt::MatchFixedString));
  Combo_edit->setEditText(TextMatrix(r, c));
  Combo_edit->lineEdit()->selectAll();
  editCell_ = Cell{r, c};
}

void frm_chann::FillComboList(int c) {
  switch (c) {
    case 3:
    case 4:
      Combo_edit->addItems(ToneListEntries(Lang("关", "OFF")));
      break;
    case 5:
      Combo_edit->addItems({Lang("关", "OFF"), Lang("载波", "Carrier"), QStringLiteral("QT/DQT")});
      break;
    case 6:
      Combo_edit->addItems({Lang("低", "Low"), Lang("高", "High")});
      break;
    case 7:
      Combo_edit->addItems({Lang("窄带", "Narrow"), Lang("宽带", "Wide")});
      break;
    case 8:
      Combo_edit->addItems({Lang("是", "Yes"), Lang("否", "No")});
      break;
    default:
      break;
  }
}

// --- Grid events -------------------------------------------------------------------

void frm_chann::MSF_Chann_Click() {
  Show_Editor();
  if (Row() >= 1) Doc().Cur_Chann = Row();
  SetCaption(Lang("信道参数编辑", "Channel Information"));
}

void frm_chann::MSF_Chann_Scroll() {
  // Scrolling leaves the cell being edited.
  CommitOpenEdit();
  Text_Edit->hide();
}

void frm_chann::MSF_Chann_LeaveCell(int r, int c) {
  Text_Edit->hide();
  const std::optional<Cell> session = std::exchange(editCell_, std::nullopt);
  // Only an editor laid over this very cell has anything to commit; moving through
  // cells with the keyboard, or leaving an untouched editor, stores nothing.
  const bool open = session && *session == Cell{r, c};
  if (c == 1 || c == 2) {
    if (open && Text_Edit->isModified()) CommitFreq(r, c);
  } else if (c > 2 && open) {
    SetTextMatrix(r, c, Combo_edit->currentText().trimmed());
  }
  HideEditors();
  Text_Edit->clear();
  Combo_edit->clearEditText();
}

// --- Text_Edit -------------------------------------------------------------------

bool frm_chann::EnterDiscarded() const {
  return Text_Edit->text().trimmed().size() > 9;
}

bool frm_chann::Text_Edit_KeyPress(int keyAscii) {
  if (EnterDiscarded() && keyAscii != kKeyBackspace) return true;
  if (keyAscii != kKeyEnter) return false;
  CommitAndMove(true);
  return true;
}

void frm_chann::CommitAndMove(bool forward) {
  const int r = Row();
  const int c = Col();
  if (r < 1) return;
  if (c == 1 || c == 2) {
    // This is the commit: leaving the cell on the way to the next one adds nothing.
    editCell_.reset();
    Text_Edit->hide();
    // A cell the user did not change is passed, not stored again: a frequency
    // outside the band from a file or a radio stays as it is.
    if (Text_Edit->isModified()) {
      CommitFreq(r, c);
      if (Unloaded()) return;  // closed under its message
      // A new or transmit-less channel transmits on its receive frequency.
      if (c == 1 && TransmitOnReceive(Doc().EditImage(), r)) Read_Chann(r);
    }
  }
  const GridPos next = forward ? NextCellOnEnter(Doc().Image(), r, c) : PreviousCell(Doc().Image(), r, c);
  if (next != GridPos{r, c}) SetCurrentCell(next.row, next.column);
  Show_Editor();
}

void frm_chann::CommitFreq(int r, int c) {
  const CommitResult done = CommitTypedFrequency(*this, r, c == 1 ? FreqField::Rx : FreqField::Tx,
                                                 Text_Edit->text(), RangeRule::Grid);
  if (done.outcome != CommitOutcome::Refused) Read_Chann(r);
}

// --- Combo_edit ------------------------------------------------------------------

void frm_chann::Combo_edit_GotFocus() {
  savedText_ = Combo_edit->currentText();
}

void frm_chann::Combo_edit_Change() {
  // Typing has no effect: a value is only ever chosen from the list.
  if (!Combo_edit->isVisible()) return;
  Combo_edit->setFocus();
  Combo_edit->setEditText(savedText_);
}

void frm_chann::Combo_edit_Click() {
  savedText_ = Combo_edit->currentText();
  const int r = Row();
  const int c = Col();
  // A choice belongs to the cell the list was laid over.
  if (!editCell_ || *editCell_ != Cell{r, c}) return;
  StoreGridChoice(Doc().EditImage(), r, c, Combo_edit->currentIndex());
}

bool frm_chann::Combo_edit_KeyPress(int keyAscii) {
  if (keyAscii != kKeyEnter) return false;
  if (Col() > 2) CommitAndMove(true);
  return true;
}

// --- Buttons ---------------------------------------------------------------------

void frm_chann::Command_Clear_Click() {
  ClearAllChannels(Doc().EditImage());
  for (int n = 1; n <= kChannelCount; ++n) Read_Chann(n);
  editCell_.reset();
  Text_Edit->clear();
  Combo_edit->clearEditText();
  HideEditors();
}

void frm_chann::Command_Edit_Click() {
  if (Main()) Main()->OpenChild(QStringLiteral("Form_Chann_Edit"));
}

void frm_chann::Command_Close_Click() {
  MDImain* main = Main();
  Unload();
  if (!main) return;
  for (const char* name : {"Form_Chann_Edit", "Form_open_chann", "Form_save_chann"}) {
    main->UnloadChild(QString::fromLatin1(name));
  }
}
