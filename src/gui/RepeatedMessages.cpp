#include "RepeatedMessages.h"

namespace skyrig::gui {

std::vector<MessageBoxText> RepeatedMessages::add(const std::string& text, MessageIcon icon) {
  std::vector<MessageBoxText> boxes;
  const MessageBoxText message{text, icon};
  if (runLength_ > 0 && message == last_) {
    ++runLength_;
    if (runLength_ <= kShownRepeats)
      boxes.push_back(message);
    else
      ++held_;
    return boxes;
  }
  boxes = finish();
  last_ = message;
  runLength_ = 1;
  boxes.push_back(message);
  return boxes;
}

std::vector<MessageBoxText> RepeatedMessages::finish() {
  std::vector<MessageBoxText> boxes;
  if (held_ > 0) boxes.push_back({summaryText(last_.text, held_), last_.icon});
  runLength_ = 0;
  held_ = 0;
  return boxes;
}

std::string RepeatedMessages::summaryText(const std::string& text, int moreCount) {
  return "The message below came " + std::to_string(moreCount) + " more time" +
         (moreCount == 1 ? "" : "s") + " in this operation:\n\n" + text;
}

}  // namespace skyrig::gui
