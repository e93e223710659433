#pragma once
// The clone's Qt adapters, for the window and the command line alike: a cable (a
// QSerialPort and four QTimers wired to its clone port) and the CSV log.
#include <QElapsedTimer>
#include <QFile>
#include <string>

#include "fleet/clone_round.h"
#include "link/io/link_port.h"

class CloneCable {
 public:
  // name: how the port is shown (COMn, or the device as given); clock: the round's.
  CloneCable(const PortId& id, std::string name, const QElapsedTimer& clock);

  const std::string name;
  LinkPort port;
  LinkTimer t1, t2, t3, t4;
  ClonePort clone;
};

// Appends one line per radio; a new or empty file gets a header first.
class CloneLog {
 public:
  // False, with the reason in error, when the file cannot be opened for appending.
  bool Open(const std::string& path, bool chinese, std::string& error);
  bool IsOpen() const { return file_.isOpen(); }
  void Close() { file_.close(); }
  // time, port, device, file, ANI, result, differing blocks.
  void Add(const CloneCable& cable, const std::string& plan, const std::string& ani, bool chinese);

 private:
  void Write(const std::string& line);
  QFile file_;
};

// "verified", or "failed: " and the link's message.
std::string CloneReportText(const ClonePortReport& r, bool chinese);
// The code a radio holds after its round: the one given, or the plan's own; empty
// when it did not succeed.
std::string CloneAniKept(const ClonePortReport& r, const ClonePlan& plan);
