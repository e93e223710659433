// The commands that work on files alone: show, diff, export-csv, import-csv.
#include <QFileInfo>
#include <cstdio>

#include "cli/cli.h"
#include "features/option_codec.h"
#include "files/chirp_csv.h"
#include "files/image_report.h"
#include "shell/model_band.h"
#include "shell/radio_document.h"

namespace cli {

int Show(const Args& args) {
  const auto image = LoadChannFile(args.settings, args.positional[0]);
  if (!image) return kUsage;
  std::fputs(ShowText(*image, args.Chinese()).c_str(), stdout);
  return kSuccess;
}

int Diff(const Args& args) {
  const auto a = LoadChannFile(args.settings, args.positional[0]);
  if (!a) return kUsage;
  const auto b = LoadChannFile(args.settings, args.positional[1]);
  if (!b) return kUsage;
  for (const std::string& line : DiffLines(*a, *b, args.Chinese())) Out(line);
  return SameChannelFileCells(*a, *b) ? kSuccess : kFailed;
}

int ExportCsv(const Args& args) {
  const auto image = LoadChannFile(args.settings, args.positional[0]);
  if (!image) return kUsage;
  return WriteTextFile(args.settings, args.Value("output").value_or("-"), ChirpCsvText(*image),
                       true)
             ? kSuccess
             : kUsage;
}

int ImportCsv(const Args& args) {
  const auto output = args.Value("output");
  if (!output) return UsageError(args, args.T("缺少 -o FILE。", "-o FILE is missing."));
  bool badBand = false;
  const auto band = BandOption(args, badBand);
  if (badBand) return kUsage;
  if (!MayWrite(args.settings, *output, args.Flag("force"))) return kUsage;

  const std::string& path = args.positional[0];
  const auto csv = ReadTextFile(args.settings, path, kCsvMaxBytes);
  if (!csv) return kUsage;
  if (csv->size() > kCsvMaxBytes) {
    const auto size = path == "-" ? 0 : QFileInfo(QString::fromStdString(path)).size();
    const std::string name = path == "-" ? args.T("（标准输入）", "(standard input)") : path;
    Err(CsvTooBigText(name, static_cast<std::size_t>(size), args.Chinese()));
    return kUsage;
  }
  // The start-up image, or the base as File › Open leaves it.
  RadioDocument document;
  if (const auto base = args.Value("base"); base && !OpenChannFile(args.settings, *base, document))
    return kUsage;
  // Row 59 as the model dialog writes it.
  if (band) document.ApplyBand(*band);
  RadioImage image = document.Image();
  // The upper limit as after a band is applied: up to one MHz above the edge. A base
  // whose row 59 holds no decimal edges (an erased radio) keeps the start-up range.
  const BandLimits edges = DecodeBandLimits(image).value_or(*DecodeBandLimits(StartupImage()));
  const FreqRange limits{edges.low, Freq10Hz{edges.high.units + Freq10Hz::kPerMHz}};
  const CsvImport result =
      ImportChirpCsv(*csv, limits, image, {args.Flag("skip-unfit"), args.Flag("renumber")});
  for (const CsvNote& note : result.notes) Err(CsvNoteText(note, args.Chinese()));
  for (const CsvProblem& problem : result.problems) Err(CsvProblemText(problem, args.Chinese()));
  if (!result.Imported()) {
    Err(args.T("CSV 无法导入，未写入任何文件。",
               "The CSV cannot be imported; nothing was written."));
    return kUsage;
  }
  document.Enter(image, ImageSource::Import);
  if (!SaveChannFile(args.settings, *output, document.Image(), true)) return kUsage;
  Err(args.Chinese() ? "已导入 " + std::to_string(result.channels) + " 个信道到 " + *output
                     : std::to_string(result.channels) + " channels imported into " + *output);
  return kSuccess;
}

}  // namespace cli
