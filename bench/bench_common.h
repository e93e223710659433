#pragma once
// What every benchmark shares: its --runs option and the median it reports.
#include <QStringList>
#include <algorithm>
#include <vector>

// --runs N from the command line, at least 1; fallback without it.
inline int RunsOption(const QStringList& args, int fallback) {
  const auto at = args.indexOf("--runs");
  return at >= 0 && at + 1 < args.size() ? std::max(1, args[at + 1].toInt()) : fallback;
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}
