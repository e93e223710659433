// Channels in and out: the File menu's CSV import and export and channel sheet through
// a stand-in file dialog, the sheet read back from its PDF, and a file given at start-up.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

TEST_F(InterchangeTest, ImportReplacesTheChannelsInOneUndoStepAndOpenEditorsShowIt) {
  StoreSample(TheImage());
  Image(60, 0) = 7;  // not a channel: kept
  const RadioImage before = TheImage();
  auto* grid = Open<frm_chann>("frm_chann");
  ASSERT_NE(grid, nullptr);
  WriteFile("plan.csv",
            "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Power\r\n"
            "1,446.006250,,0,Tone,88.5,NFM,Low\r\n"
            "3,438.003,,0,,88.5,FM,High\r\n"
            "20,446.1,,0,,88.5,FM,High\r\n");
  answer = PathOf("plan.csv");
  main->File_import_csv->trigger();
  ProcessEvents();

  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].mode, FileDialogMode::Open);
  EXPECT_TRUE(requests[0].filter.contains("*.csv"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  EXPECT_TRUE(messages[0].text.startsWith("2 channels imported from the file"))
      << messages[0].text.toStdString();
  EXPECT_TRUE(messages[0].text.contains("\"438.003\": stored on the channel raster as 438.00000"))
      << messages[0].text.toStdString();
  EXPECT_TRUE(messages[0].text.contains("skipped, the radio has channels 1 to 16"))
      << messages[0].text.toStdString();

  // What the same CSV does to the same image in the core, and nothing else.
  RadioImage expected = before;
  ASSERT_TRUE(ImportChirpCsv(ReadFile(answer).toStdString(), Doc().Limits(), expected).Imported());
  EXPECT_TRUE(TheImage() == expected);
  EXPECT_EQ(Image(2, 0), 0xFF);  // not named: empty
  EXPECT_EQ(Image(60, 0), 7);
  // The open grid shows it at once.
  EXPECT_EQ(grid->TextMatrix(1, 1), "446.00625");
  EXPECT_EQ(grid->TextMatrix(2, 1), "");
  EXPECT_EQ(grid->TextMatrix(3, 1), "438.00000");

  main->Edit_undo->trigger();
  EXPECT_TRUE(TheImage() == before);
  EXPECT_EQ(grid->TextMatrix(2, 1), "136.12500");
  main->Edit_redo->trigger();
  EXPECT_TRUE(TheImage() == expected);
}

TEST_F(InterchangeTest, ImportWithProblemsListsThemAllAndChangesNothing) {
  StoreSample(TheImage());
  const RadioImage before = TheImage();
  WriteFile("bad.csv",
            "Location,Frequency,Mode\n"
            "1,446.1,FM\n"
            "2,300,FM\n"
            "3,446,AM\n");
  answer = PathOf("bad.csv");
  main->File_import_csv->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
  const QStringList lines = messages[0].text.split('\n');
  ASSERT_EQ(lines.size(), 3) << messages[0].text.toStdString();
  EXPECT_TRUE(lines[0].endsWith("no channel was imported:")) << lines[0].toStdString();
  EXPECT_EQ(lines[1], "line 3, Frequency \"300\": frequency outside the band");
  EXPECT_EQ(lines[2], "line 4, Mode \"AM\": mode other than FM or NFM");
  EXPECT_TRUE(TheImage() == before);

  // Checked against the limits of the moment, not the band of the file.
  Doc().UseBand({{Freq10Hz::MHz(136), Freq10Hz::MHz(175)}});
  messages.clear();
  main->File_import_csv->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(
      messages[0].text.contains("\nline 2, Frequency \"446.1\": frequency outside the band\n"))
      << messages[0].text.toStdString();
  EXPECT_TRUE(TheImage() == before);
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
