// Keeps a run of identical messages within one operation from flooding the screen: the first
// few are shown as boxes, the rest are counted and reported in one closing box.
#pragma once

#include <string>
#include <vector>

#include "seams/Ui.h"

namespace skyrig::gui {

struct MessageBoxText {
  std::string text;
  MessageIcon icon = MessageIcon::Exclamation;
  friend bool operator==(const MessageBoxText&, const MessageBoxText&) = default;
};

class RepeatedMessages {
 public:
  static constexpr int kShownRepeats = 3;  // boxes shown for one run of identical messages

  // The boxes to show now for one message (the closing box of an earlier run comes first).
  std::vector<MessageBoxText> add(const std::string& text, MessageIcon icon);
  // Ends the operation: the closing box of the current run, if any messages were held back.
  std::vector<MessageBoxText> finish();

  // The closing box text: how many more times `text` came.
  static std::string summaryText(const std::string& text, int moreCount);

 private:
  MessageBoxText last_;
  int runLength_ = 0;  // messages in the current run of identical ones
  int held_ = 0;       // of these, not shown
};

}  // namespace skyrig::gui
