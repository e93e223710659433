// rt410 sheet: the channel sheet of a file as PDF, the same the window program exports.
#include <QDate>
#include <QString>

#include "cli/cli.h"
#include "files/channel_sheet.h"
#include "files/io/sheet_pdf.h"
#include "shell/model_band.h"

namespace cli {

int Sheet(const Args& args) {
  const auto output = args.Value("output");
  if (!output) return UsageError(args, args.T("缺少 -o OUT.pdf。", "-o OUT.pdf is missing."));
  const auto image = LoadChannFile(args.settings, args.positional[0]);
  if (!image) return kUsage;
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  QString error;
  if (!WriteChannelSheetPdf(BuildChannelSheet(*image, kModelName, today, args.Chinese()),
                            QString::fromStdString(*output), error)) {
    Err(std::string(args.T("无法写入文件 ", "The file ")) + *output +
        args.T("，原有文件保持不变：",
               " could not be written; an existing file was left unchanged: ") +
        error.toStdString());
    return kUsage;
  }
  return kSuccess;
}

}  // namespace cli
