#include "fleet/io/clone_io.h"

#include <QDateTime>

#include "features/option_codec.h"

CloneCable::CloneCable(const PortId& id, std::string shownName, const QElapsedTimer& clock)
    : name(std::move(shownName)),
      port(nullptr),
      t1(nullptr),
      t2(nullptr),
      t3(nullptr),
      t4(nullptr),
      clone(id, port, {t1, t2, t3, t4},
            [&clock] { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }) {
  QObject::connect(&port, &QSerialPort::readyRead, [this] { clone.MSC_OnComm(); });
  QObject::connect(&port, &LinkPort::PortLost, [this] { clone.MSC_PortLost(); });
  QObject::connect(&t1, &QTimer::timeout, [this] { clone.Timer1_Timer(); });
  QObject::connect(&t2, &QTimer::timeout, [this] { clone.Timer2_Timer(); });
  QObject::connect(&t3, &QTimer::timeout, [this] { clone.Timer3_Timer(); });
  QObject::connect(&t4, &QTimer::timeout, [this] { clone.Timer4_Timer(); });
}

namespace {

// A field quoted when a spreadsheet would split it.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string CloneReportText(const ClonePortReport& r, bool chinese) {
  std::string text = CloneResultText(r.result, chinese);
  if (r.message.empty()) return text;
  text += chinese ? "：" : ": ";
  return text += r.message;
}

std::string CloneAniKept(const ClonePortReport& r, const ClonePlan& plan) {
  if (r.result != CloneResult::Success && r.result != CloneResult::Verified) return {};
  return r.ani.empty() ? AniText(plan.image) : r.ani;
}

bool CloneLog::Open(const std::string& path, bool chinese, std::string& error) {
  file_.close();
  file_.setFileName(QString::fromStdString(path));
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
    error = path + ": " + file_.errorString().toStdString();
    return false;
  }
  // The byte order mark tells a spreadsheet the Chinese texts are UTF-8.
  if (file_.size() == 0)
    Write(std::string("\xEF\xBB\xBF") +
          (chinese ? "时间,端口,设备,文件,ANI,结果,不同的块\r\n"
                   : "time,port,device,file,ANI,result,differing blocks\r\n"));
  return true;
}

void CloneLog::Add(const CloneCable& cable, const std::string& plan, const std::string& ani,
                   bool chinese) {
  const ClonePortReport& r = cable.clone.Report();
  const std::string blocks = BlockList(r.differingBlocks, " ");
  const std::string time =
      QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString();
  Write(CsvField(time) + "," + CsvField(cable.name) + "," + CsvField(cable.clone.Id().device) +
        "," + CsvField(plan) + "," + CsvField(ani) + "," + CsvField(CloneReportText(r, chinese)) +
        "," + CsvField(blocks) + "\r\n");
}

void CloneLog::Write(const std::string& line) {
  file_.write(line.data(), static_cast<qint64>(line.size()));
  file_.flush();
}
