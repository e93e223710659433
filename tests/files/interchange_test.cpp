// Channels in and out: the File menu's CSV import and export and channel sheet through
// a stand-in file dialog, the sheet read back from its PDF, and a file given at start-up.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "channels/forms/frm_chann.h"
#include "codec/channel_record.h"
#include "features/option_codec.h"
#include "files/channel_file.h"
#include "files/channel_sheet.h"
#include "files/chirp_csv.h"
#include "files/forms/chann_forms.h"
#include "files/image_report.h"
#include "files/io/sheet_pdf.h"
#include "shell/forms/form_import_csv.h"
#include "support/gui_test.h"
#include "support/sample_channel.h"

namespace {

QString U(const char* s) {
  return QString::fromUtf8(s);
}

// Channel 2 of the CSV layout's own example, and channel 5 with the start-up defaults.
void StoreSample(RadioImage& image) {
  StoreExampleChannel(image);
  std::string five = "446.00625";
  StoreFreqText(image, five, 5, kRxFreqCol);
  New_Chann(image, 5);
  StoreFreqText(image, five, 5, kTxFreqCol);
}

// The PDF's text as pdftotext lays it out, each run of blanks made one.
QStringList PdfLines(const QString& path) {
  QProcess process;
  process.start("pdftotext", {"-layout", path, "-"});
  if (!process.waitForFinished(30'000)) return {};
  QStringList lines;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
    const QString simple = line.simplified();
    if (!simple.isEmpty()) lines << simple;
  }
  return lines;
}

QString PdfInfo(const QString& path) {
  QProcess process;
  process.start("pdfinfo", {path});
  process.waitForFinished(30'000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

class InterchangeTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    main->Language_eng->trigger();
    SetFileDialogHook([this](const FileRequest& request) {
      requests.push_back(request);
      return answer;
    });
  }
  void TearDown() override {
    SetFileDialogHook(nullptr);
    GuiTest::TearDown();
  }
  QString PathOf(const char* name) const { return QDir(dir.path()).filePath(name); }
  void WriteFile(const char* name, const QByteArray& bytes) const {
    QFile file(PathOf(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray ReadFile(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir;
  QString answer;  // what the file dialog returns
  std::vector<FileRequest> requests;
};

TEST_F(InterchangeTest, ThreeItemsAfterSaveAsWithCaptionsInTheLanguage) {
  for (const bool chinese : {true, false}) {
    (chinese ? main->Language_chn : main->Language_eng)->trigger();
    const QList<QAction*> items = main->File->actions();
    const auto at = items.indexOf(main->File_saveas);
    ASSERT_GE(at, 0);
    ASSERT_GT(items.size(), at + 3);
    EXPECT_EQ(items[at + 1], main->File_import_csv);
    EXPECT_EQ(items[at + 2], main->File_export_csv);
    EXPECT_EQ(items[at + 3], main->File_export_sheet);
    EXPECT_EQ(main->File_import_csv->text(), chinese ? U("导入 CSV...") : "Import CSV...");
    EXPECT_EQ(main->File_export_csv->text(), chinese ? U("导出 CSV...") : "Export CSV...");
    EXPECT_EQ(main->File_export_sheet->text(),
              chinese ? U("导出信道表 PDF...") : "Export Channel Sheet PDF...");
  }
}

// A mixed list: rows that cannot be stored shown with their reason and never checked,
// two rows for one channel marked, numbered in order, Import as one undo step; a list
// with no row refused; Cancel changes nothing.
TEST_F(InterchangeTest, ImportDialogTakesTheCheckedRowsInOneUndoStep) {
  StoreSample(TheImage());
  Image(60, 0) = 7;
  const RadioImage before = TheImage();
  auto* grid = Open<frm_chann>("frm_chann");
  ASSERT_NE(grid, nullptr);
  WriteFile("empty.csv", "# nothing\r\nLocation,Frequency\r\n0,0\r\n");
  answer = PathOf("empty.csv");
  main->File_import_csv->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.endsWith("the file holds no channel that can be imported"));
  EXPECT_EQ(main->FindChildAs<Form_import_csv>(), nullptr);
  messages.clear();

  WriteFile("plan.csv",
            "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Power\r\n"
            "0,446.006250,,0,Tone,88.5,NFM,1.0W\r\n"
            "3,146.52,,0,,88.5,FM,5.0W\r\n"
            "3,438.003,,0,,88.5,FM,5.0W\r\n"
            "5,446.1,,0,,88.5,AM,\r\n"
            "3,440,,0,,,FM,\r\n");
  answer = PathOf("plan.csv");
  main->File_import_csv->trigger();
  ProcessEvents();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].mode, FileDialogMode::Open);
  auto* form = main->FindChildAs<Form_import_csv>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Import CSV");
  QAbstractItemModel* model = form->Grid_rows->model();
  ASSERT_EQ(model->rowCount(), 5);
  const auto text = [&](int row, int column) {
    return model->index(row, column).data().toString();
  };
  const auto checked = [&](int row) {
    return model->index(row, CsvRowsModel::kLine).data(Qt::CheckStateRole).toInt() == Qt::Checked;
  };
  EXPECT_EQ(text(1, CsvRowsModel::kFit), "frequency outside the band");
  EXPECT_EQ(text(3, CsvRowsModel::kFit), "mode other than FM or NFM");
  EXPECT_EQ(text(2, CsvRowsModel::kRx), "438.00000");
  EXPECT_EQ(text(0, CsvRowsModel::kEncode), "88.5");
  EXPECT_EQ(text(0, CsvRowsModel::kFit), "Fits");
  EXPECT_EQ(std::vector<bool>({checked(0), checked(1), checked(2), checked(3), checked(4)}),
            std::vector<bool>({false, false, true, false, false}));
  EXPECT_FALSE(model->flags(model->index(1, CsvRowsModel::kLine)) & Qt::ItemIsUserCheckable);

  // The keyboard checks the second row for channel 3: both are marked, Import waits.
  form->Grid_rows->setFocus();
  form->Grid_rows->setCurrentIndex(model->index(4, CsvRowsModel::kLine));
  QTest::keyClick(form->Grid_rows, Qt::Key_Space);
  EXPECT_TRUE(checked(4));
  EXPECT_EQ(text(4, CsvRowsModel::kFit), "Channel 3 twice");
  EXPECT_EQ(text(2, CsvRowsModel::kFit), "Channel 3 twice");
  EXPECT_FALSE(form->Command_Import->isEnabled());

  form->Check_renumber->click();
  EXPECT_EQ(form->Check_renumber->text(), "Number in order");
  EXPECT_EQ(QStringList({text(0, 1), text(1, 1), text(2, 1), text(3, 1), text(4, 1)}),
            QStringList({"1", "", "2", "", "3"}));
  form->Grid_rows->setCurrentIndex(model->index(2, CsvRowsModel::kLine));
  QTest::keyClick(form->Grid_rows, Qt::Key_Space);  // 438.003 not wanted
  model->setData(model->index(4, CsvRowsModel::kTarget), 16, Qt::EditRole);
  EXPECT_EQ(form->Label_count->text(), "5 rows, 2 checked");

  // A language switch keeps the choice and speaks the other language at once.
  main->Language_chn->trigger();
  ASSERT_EQ(main->FindChildAs<Form_import_csv>(), form);
  EXPECT_EQ(form->windowTitle(), U("导入 CSV"));
  EXPECT_EQ(form->Label_count->text(), U("共 5 行，已选 2 行"));
  EXPECT_EQ(text(0, CsvRowsModel::kFit), U("可导入"));
  EXPECT_EQ(model->headerData(CsvRowsModel::kFit, Qt::Horizontal).toString(), U("可否导入"));
  main->Language_eng->trigger();
  grid = main->FindChildAs<frm_chann>();  // reloaded by the switch
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(text(0, CsvRowsModel::kFit), "Fits");
  EXPECT_EQ(form->Label_file->text(), "File: " + answer);
  ASSERT_TRUE(form->Command_Import->isEnabled());
  form->Command_Import->click();
  ProcessEvents();
  EXPECT_EQ(main->FindChildAs<Form_import_csv>(), nullptr);
  EXPECT_TRUE(messages.empty());

  RadioImage expected = before;
  std::vector<CsvRow> rows;
  ReadChirpCsv(ReadFile(answer).toStdString(), Doc().Limits(),
               [&](CsvRow&& row) { rows.push_back(std::move(row)); });
  StoreCsvRow(rows[0], 1, Doc().Limits(), expected);
  StoreCsvRow(rows[4], 16, Doc().Limits(), expected);
  EXPECT_TRUE(TheImage() == expected);
  EXPECT_EQ(grid->TextMatrix(1, 1), "446.00625");
  EXPECT_EQ(grid->TextMatrix(2, 1), "136.12500");
  EXPECT_EQ(grid->TextMatrix(16, 1), "440.00000");

  main->Edit_undo->trigger();
  EXPECT_TRUE(TheImage() == before);
  EXPECT_EQ(grid->TextMatrix(1, 1), "");
  main->Edit_redo->trigger();
  EXPECT_TRUE(TheImage() == expected);

  main->File_import_csv->trigger();
  form = main->FindChildAs<Form_import_csv>();
  ASSERT_NE(form, nullptr);
  form->Command_Cancel->click();
  ProcessEvents();
  EXPECT_TRUE(TheImage() == expected);
}

TEST_F(InterchangeTest, ImportDialogScreenshot) {
  const QString out = qEnvironmentVariable("RT410_SCREENSHOT_DIR");
  if (out.isEmpty()) GTEST_SKIP() << "RT410_SCREENSHOT_DIR not set";
  WriteFile("repeaters.csv",
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
            "DtcsPolarity,Mode,Power\r\n"
            "0,Call,446.006250,,0,,88.5,88.5,023,NN,NFM,0.5W\r\n"
            "1,VHF,146.520000,,0,,88.5,88.5,023,NN,FM,5.0W\r\n"
            "2,North,439.100000,-,7.600000,Tone,88.5,88.5,023,NN,FM,5.0W\r\n"
            "3,South,442.325000,+,5.000000,TSQL,100.0,100.0,023,NN,FM,5.0W\r\n"
            "3,Club,443.925000,+,5.000000,DTCS,88.5,88.5,754,NR,FM,4.0W\r\n"
            "4,Odd,445.500000,,0,Tone,69.4,88.5,023,NN,FM,5.0W\r\n"
            "5,Simplex,446.500000,,0,,88.5,88.5,023,NN,NFM,1.0W\r\n");
  // A fixed folder, so that the pictures show no temporary folder's random name.
  const QString fixed = QDir::temp().filePath(QStringLiteral("radio-files/repeaters.csv"));
  QDir().mkpath(QFileInfo(fixed).path());
  QFile::remove(fixed);
  ASSERT_TRUE(QFile::copy(PathOf("repeaters.csv"), fixed));
  answer = fixed;
  for (const bool chinese : {true, false}) {
    (chinese ? main->Language_chn : main->Language_eng)->trigger();
    main->File_import_csv->trigger();
    auto* form = main->FindChildAs<Form_import_csv>();
    ASSERT_NE(form, nullptr);
    form->Grid_rows->model()->setData(form->Grid_rows->model()->index(4, CsvRowsModel::kLine),
                                      Qt::Checked, Qt::CheckStateRole);
    ProcessEvents();
    EXPECT_TRUE(main->grab().save(
        QStringLiteral("%1/Form_import_csv-%2.png").arg(out, chinese ? "zh" : "en")));
    form->Command_Cancel->click();
  }
}

TEST_F(InterchangeTest, ExportsWriteTheCoreTextsAndRememberTheFolder) {
  StoreSample(TheImage());
  QDir(dir.path()).mkdir("out");
  answer = QDir(dir.path()).filePath("out/plan.csv");
  main->File_export_csv->trigger();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].mode, FileDialogMode::Save);
  EXPECT_EQ(requests[0].defaultSuffix, "csv");
  EXPECT_EQ(ReadFile(answer).toStdString(), ChirpCsvText(TheImage()));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);

  main->Language_chn->trigger();
  answer = QDir(dir.path()).filePath("out/sheet.pdf");
  main->File_export_sheet->trigger();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].start, QDir(dir.path()).filePath("out/channel-sheet.pdf"));
  EXPECT_TRUE(requests[1].filter.contains("*.pdf"));
  EXPECT_TRUE(PdfLines(answer).contains(U("RT410 信道表")));

  // A cancelled dialog does nothing at all.
  answer.clear();
  messages.clear();
  const RadioImage before = TheImage();
  for (QAction* item : {main->File_import_csv, main->File_export_csv, main->File_export_sheet})
    item->trigger();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(TheImage() == before);
  EXPECT_EQ(requests.back().start, QDir(dir.path()).filePath("out/channel-sheet.pdf"));
}

// The sheet read back from the PDF: one A4 page of real text, in either language.
TEST_F(InterchangeTest, SheetPdfHoldsTheGridTextsAndFeaturesAsText) {
  StoreSample(TheImage());
  struct Case {
    bool chinese;
    std::vector<const char*> lines;
  };
  const Case cases[] = {
      {false,
       {"RT410 Channel Sheet", "Model: RT410 Band: 400-470 MHz Date: 2025-01-31",
        "Channel RX Frequency TX Frequency CTCSS/DCS Dec CTCSS/DCS Enc Busy Lock TX Power W/N "
        "Scan/Add",
        "1", "2 136.12500 438.00625 D023I 88.5 QT/DQT Low Narrow NO", "3", "4",
        "5 446.00625 446.00625 OFF OFF Off High Wide Yes", "16", "Optional Features",
        "Squelch Level 5 Beep On", "Time Out Timer(S) Off Low Power 255"}},
      {true,
       {"RT410 信道表", "机型：RT410 频段：136-174 MHz 日期：2025-01-31",
        "信道号 接收频率(MHZ) 发射频率(MHZ) QT/DQT 解码 QT/DQT 编码 繁忙锁定 发射功率 信道带宽 "
        "扫描添加",
        "2 136.12500 438.00625 D023I 88.5 QT/DQT 低 窄带 否",
        "5 446.00625 446.00625 关 关 关 高 宽带 是", "可选功能", "静噪等级 5 哔声 开",
        "发射超时定时器(秒) 关 低功率 255"}},
  };
  for (const Case& c : cases) {
    // The band is the one row 59 holds.
    if (c.chinese) {
      StoreRangeEdge(136, kRangeLowCell, TheImage());
      StoreRangeEdge(174, kRangeHighCell, TheImage());
    }
    const QString path = PathOf(c.chinese ? "zh.pdf" : "en.pdf");
    QString error;
    ASSERT_TRUE(WriteChannelSheetPdf(
        BuildChannelSheet(TheImage(), "RT410", "2025-01-31", c.chinese), path, error))
        << error.toStdString();
    const QStringList lines = PdfLines(path);
    for (const char* line : c.lines)
      EXPECT_TRUE(lines.contains(U(line))) << line << "\n" << lines.join('\n').toStdString();
    const QString info = PdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
  }
}

TEST_F(InterchangeTest, AFileGivenAtStartUpLoadsSilentlyOrShowsTheOpenDialogsMessage) {
  RadioImage file;
  file.Fill(0xFF);
  StoreSample(file);
  NormaliseFeatureCells(file);  // as every image enters, so that it loads unchanged
  const QByteArray good = QByteArray::fromStdString(ChannelFileText(file));
  WriteFile("good.chann", good);
  WriteFile("good.txt", good);
  QByteArray damaged = good;
  damaged.replace(0, 3, "2x5");
  WriteFile("damaged.chann", damaged);

  struct Case {
    QStringList arguments;
    bool loads;
    const char* message;  // a piece of it
  };
  const Case cases[] = {
      {{PathOf("good.chann")}, true, nullptr},
      {{PathOf("damaged.chann")}, false, "has \"2x5\" at line 1, position 1, which is not a whole"},
      {{PathOf("missing.chann")}, false, "does not exist; no channel parameter was loaded."},
      {{PathOf("good.txt")}, false, nullptr},
      {{"--verbose", PathOf("good.chann")}, false, nullptr},
      {{PathOf("good.chann"), PathOf("good.chann")}, false, nullptr},
      {{}, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    Doc().Enter(StartupImage(), ImageSource::Start);
    const RadioImage startup = TheImage();
    messages.clear();
    OpenFileGivenAtStart(*main, c.arguments);
    if (c.message) {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_TRUE(messages[0].text.contains(c.message)) << messages[0].text.toStdString();
    } else {
      EXPECT_TRUE(messages.empty());
    }
    EXPECT_TRUE(c.loads ? SameChannelFileCells(TheImage(), file) : TheImage() == startup);
    // Where undo stops, and nothing to save.
    EXPECT_FALSE(main->ImageChanged());
    main->Edit_undo->trigger();
    EXPECT_FALSE(main->ImageChanged());
  }
}

}  // namespace
