// rt410 clone: one plan into many radios, a round at a time, every cable of a round at
// once. Each port runs its own links on its own QSerialPort and QTimers.
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>
#include <iostream>
#include <list>
#include <memory>

#include "cli/cli.h"
#include "features/option_codec.h"
#include "fleet/clone_round.h"
#include "fleet/io/clone_io.h"

namespace cli {

namespace {

// Every port's progress on one line of stderr, only when a person watches it there.
void ShowProgress(const std::list<CloneCable>& cables, std::size_t used) {
  std::string line = "\r";
  std::size_t n = 0;
  for (const CloneCable& cable : cables) {
    if (n++ == used) break;
    line += cable.name + " " + std::to_string(cable.clone.Progress()) + "%  ";
  }
  std::fputs((line + "\x1b[K").c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

int Clone(const Args& args) {
  const std::vector<std::string> given = args.Values("port");
  if (given.empty()) return UsageError(args, args.T("缺少 -p PORT。", "-p PORT is missing."));
  std::vector<PortId> ids;
  for (const std::string& value : given) {
    const PortId id = PortNamed(value);
    for (const PortId& before : ids) {
      if (!id.device.empty() && before.device == id.device)
        return UsageError(args, std::string(args.T("端口重复：", "port given twice: ")) + value);
    }
    ids.push_back(id);
  }
  const std::string file = args.positional[0];
  const std::optional<RadioImage> image = LoadChannFile(args.settings, file);
  if (!image) return kUsage;
  const std::optional<int> model = ModelCode(args, *image);
  if (!model) return kUsage;
  ClonePlan plan;
  plan.image = *image;
  plan.modelCode = *model;
  plan.verify = args.Flag("verify");
  plan.chinese = args.Chinese();
  if (!PasswordOption(args, *image, plan.password)) return kUsage;

  int count = -1;
  if (const auto value = args.Value("count")) {
    const bool digits =
        !value->empty() && value->size() < 7 &&
        std::all_of(value->begin(), value->end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(*value) < 1)
      return UsageError(
          args,
          std::string(args.T("--count 取正整数：", "--count takes a positive number: ")) + *value);
    count = std::stoi(*value);
  }
  std::unique_ptr<AniSequence> codes;
  if (const auto value = args.Value("ani-from")) {
    const std::optional<std::string> first = AniCode(*value);
    if (!first)
      return UsageError(args, std::string(args.T("--ani-from 取一到八位十六进制数字：",
                                                 "--ani-from takes 1 to 8 hexadecimal digits: ")) +
                                  *value);
    codes = std::make_unique<AniSequence>(*first);
    if (count > 0 && codes->Left(count) < count)
      return UsageError(
          args, args.Chinese() ? "从 " + *first + " 起同样位数的 ANI 编码只有 " +
                                     std::to_string(codes->Left(count)) + " 个，不够 " +
                                     std::to_string(count) + " 台。"
                               : "from " + *first + " only " + std::to_string(codes->Left(count)) +
                                     " ANI codes of its length are left, fewer than " +
                                     std::to_string(count) + " radios.");
  }
  CloneLog log;
  if (const auto path = args.Value("log")) {
    std::string error;
    if (!log.Open(*path, args.Chinese(), error)) {
      Err(error);
      return kUsage;
    }
  }

  QElapsedTimer clock;
  std::list<CloneCable> cables;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    cables.emplace_back(
        ids[i], ids[i].number > 0 ? "COM" + std::to_string(ids[i].number) : given[i], clock);
  }
  const bool watched = StderrIsTerminal();

  CloneTotals totals;
  int exit = kSuccess;
  while (count < 0 || totals.done < count) {
    std::fflush(stdout);
    std::fputs(
        args.T("接好对讲机后按回车（q 停止） ", "Connect the radios and press Enter (q stops) "),
        stderr);
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer) || answer == "q" || answer == "Q") break;

    // The last radios of a count: only as many cables as radios still wanted.
    const std::size_t used =
        count < 0 ? cables.size()
                  : std::min(cables.size(), static_cast<std::size_t>(count - totals.done));
    std::vector<ClonePort*> ports;
    for (CloneCable& cable : cables) {
      if (ports.size() < used) ports.push_back(&cable.clone);
    }
    CloneRound round(ports, plan, codes.get());
    QEventLoop loop;
    for (ClonePort* port : ports) {
      port->onChange = [&] {
        if (watched) ShowProgress(cables, used);
        if (!round.Running()) loop.quit();
      };
    }
    clock.start();
    if (const std::string refusal = round.Start(); !refusal.empty()) {
      Err(refusal);
      exit = kUsage;
      break;
    }
    if (round.Running()) loop.exec();
    if (watched) std::fputs("\r\x1b[K", stderr);

    std::size_t n = 0;
    for (const CloneCable& cable : cables) {
      if (n++ == used) break;
      const ClonePortReport& r = cable.clone.Report();
      const std::string ani = CloneAniKept(r, plan);
      Out(cable.name +
          (cable.name == cable.clone.Id().device || cable.clone.Id().device.empty()
               ? ""
               : " (" + cable.clone.Id().device + ")") +
          "  " + CloneReportText(r, args.Chinese()) + "  ANI " + (ani.empty() ? "-" : ani) + "  " +
          Seconds(r.seconds));
      if (log.IsOpen()) log.Add(cable, file, ani, args.Chinese());
    }
    round.Finish(totals);
  }
  Out(args.Chinese()
          ? "完成 " + std::to_string(totals.done) + " 台，失败 " + std::to_string(totals.failed) +
                " 台，无对讲机 " + std::to_string(totals.noRadio) + " 次"
          : "radios done: " + std::to_string(totals.done) + ", failed: " +
                std::to_string(totals.failed) + ", no radio: " + std::to_string(totals.noRadio));
  if (exit != kSuccess) return exit;
  return totals.failed == 0 ? kSuccess : kFailed;
}

}  // namespace cli
