// skyrig-cli solve --improve: the heuristic's solution of a link and a sale file, improved by
// the plan improvement engine, with a proven lower bound.
#pragma once

#include <string>

namespace skyrig::cli {

struct ImproveRequest {
  std::string linkFile;
  std::string saleFile;
  std::string pathFile;      // receives the improved solution
  std::string iterationLog;  // the heuristic's iteration log ("" for none)
  double seconds = 60;       // time limit of the improvement
};

// Prints "heuristic H improved I bound B gap G%" (bound and gap "-" when none is proven).
// Exit 0 when the improvement ran; 1 when the files cannot be read or written, the heuristic
// fails, or the input is refused (the heuristic's solution then stays in the path file).
int runImprove(const ImproveRequest& request);

}  // namespace skyrig::cli
