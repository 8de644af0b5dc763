// The progress line of a long operation as the progress dialog shows it: the share done in
// percent (from the "N of M" and "iteration N of at most M" counts of the line) and the totals
// in dollars.
#pragma once

#include <QString>
#include <string_view>

namespace skyrig::gui {

struct ProgressLine {
  QString text;
  int percent = -1;  // -1: the line says nothing about how far the operation is
};

ProgressLine wordProgress(std::string_view line);

}  // namespace skyrig::gui
