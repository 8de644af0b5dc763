// A literal implementation of the solver's Prepare and heuristic, step by step as the
// procedure is written: bubble passes of the gap sort, linear node searches, a full
// re-initialisation and outgoing-index rebuild for every search, a candidate list rescanned on
// every pick, a linear Find link, and path texts of 7-character fields. It is the reference
// the fast solver is compared with (byte for byte) and the baseline of the benchmarks.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "seams/Random.h"

namespace literal {

struct Link {
  std::string from;
  std::string to;
  float variableCost = 0;
  float fixedCost = 0;
};

struct Sale {
  std::string entry;
  std::string destination;
  float volume = 0;
  std::int16_t period = 0;
};

struct Result {
  bool solved = false;                // the heuristic ran
  std::vector<std::string> messages;  // "message stop: TEXT" / "message exclamation: TEXT"
  bool pathFileWritten = false;
  std::string pathFile;               // last content written
  std::string log;                    // empty when no log was asked for
  float bestTotal = 0;
  int bestIteration = 0;
  int iterations = 0;
  int nodeCount = 0;
  std::vector<std::string> nodeNames;  // 1..nodeCount
  std::vector<Link> sortedLinks;       // 1..n after Prepare
  std::vector<Sale> sortedSales;       // 1..m after Prepare
  std::vector<float> flows;            // 1..n, as left by the solve
};

class Solver {
 public:
  Solver(std::vector<Link> links, std::vector<Sale> sales, skyrig::Random& random, bool withLog)
      : random_(random), withLog_(withLog) {
    n_ = static_cast<int>(links.size());
    m_ = static_cast<int>(sales.size());
    links_.resize(n_ + 1);
    for (int i = 1; i <= n_; ++i) links_[i] = links[i - 1];
    sales_.resize(m_ + 1);
    for (int i = 1; i <= m_; ++i) sales_[i] = sales[i - 1];
  }

  Result run() {
    prepare();
    result_.nodeCount = nodeCount_;
    result_.nodeNames = nodeNames_;
    result_.sortedLinks = links_;
    result_.sortedSales = sales_;
    // Solve.
    bestIteration_ = 0;
    iteration_ = 0;
    bestTotal_ = 1.0e19f;
    for (int i = 1; i <= m_; ++i) {
      if (saleEntry_[i] == 0 || saleDest_[i] == 0) {
        message("stop", "Some sale data are not appropriate. Please check your sale data.");
        return finish();
      }
    }
    if (m_ < 1) return finish();
    adjustCosts();
    heuristic();
    result_.solved = true;
    return finish();
  }

 private:
  Result finish() {
    result_.bestTotal = bestTotal_;
    result_.bestIteration = bestIteration_;
    result_.iterations = iteration_;
    result_.flows = flow_;
    return result_;
  }

  void message(const char* icon, const std::string& text) {
    result_.messages.push_back(std::string("message ") + icon + ": " + text);
  }

  // ---- Prepare -------------------------------------------------------------------------

  void prepare() {
    // 1. Gap sort of the links by from-node name.
    std::vector<int> key(n_ + 1);
    for (int i = 1; i <= n_; ++i) key[i] = i;
    for (int gap = n_ / 2; gap >= 1; gap /= 2) {
      bool exchanged;
      do {
        exchanged = false;
        for (int i = 1; i <= n_ - gap; ++i) {
          if (std::strcmp(links_[key[i]].from.c_str(), links_[key[i + gap]].from.c_str()) > 0) {
            std::swap(key[i], key[i + gap]);
            exchanged = true;
          }
        }
      } while (exchanged);
    }
    std::vector<Link> sorted(n_ + 1);
    for (int i = 1; i <= n_; ++i) sorted[i] = links_[key[i]];
    links_ = sorted;

    // 2. From-nodes.
    nodeNames_.assign(2 * n_ + 2, std::string());
    from_.assign(n_ + 1, 0);
    to_.assign(n_ + 1, 0);
    int count = 0;
    std::string previous;  // the empty sentinel name of record 0
    for (int i = 1; i <= n_; ++i) {
      if (links_[i].from != previous) {
        ++count;
        nodeNames_[count] = links_[i].from;
      }
      from_[i] = count;
      previous = links_[i].from;
    }
    // 3. To-nodes by linear search.
    for (int i = 1; i <= n_; ++i) {
      int found = 0;
      for (int k = 1; k <= count; ++k)
        if (nodeNames_[k] == links_[i].to) {
          found = k;
          break;
        }
      if (found == 0) {
        ++count;
        nodeNames_[count] = links_[i].to;
        found = count;
      }
      to_[i] = found;
    }
    // 4.
    nodeCount_ = count;
    nodeNames_.resize(nodeCount_ + 1);
    // 5.
    if (m_ == 0) message("stop", "No sale data are available. Please check your sale file.");
    // 6. Sales by period.
    std::vector<int> order(m_ + 1);
    for (int i = 1; i <= m_; ++i) order[i] = i;
    gapSortRange(order, 1, m_, [&](int a, int b) { return sales_[a].period > sales_[b].period; });
    std::vector<Sale> byPeriod(m_ + 1);
    for (int i = 1; i <= m_; ++i) byPeriod[i] = sales_[order[i]];
    sales_ = byPeriod;
    // 7. Runs of equal period by volume, descending.
    for (int i = 1; i <= m_; ++i) order[i] = i;
    int s = 1;
    while (s <= m_) {
      int e = s;
      while (e + 1 <= m_ && sales_[e + 1].period == sales_[s].period) ++e;
      if (e > s)
        gapSortRange(order, s, e - s + 1,
                     [&](int a, int b) { return sales_[a].volume < sales_[b].volume; });
      s = e + 1;
    }
    std::vector<Sale> byVolume(m_ + 1);
    for (int i = 1; i <= m_; ++i) byVolume[i] = sales_[order[i]];
    sales_ = byVolume;
    // 8. Entry and destination lookups.
    saleEntry_.assign(m_ + 1, 0);
    saleDest_.assign(m_ + 1, 0);
    for (int i = 1; i <= m_; ++i) {
      saleEntry_[i] = findNode(sales_[i].entry);
      if (saleEntry_[i] == 0)
        message("exclamation", "Entry node, " + sales_[i].entry + ", is not in the Link file");
      saleDest_[i] = findNode(sales_[i].destination);
      if (saleDest_[i] == 0)
        message("exclamation",
                "Destination node, " + sales_[i].destination + ", is not in the Link file");
    }
    flow_.assign(n_ + 1, 0.0f);
  }

  template <typename Greater>
  static void gapSortRange(std::vector<int>& key, int first, int n, Greater greater) {
    for (int gap = n / 2; gap >= 1; gap /= 2) {
      bool exchanged;
      do {
        exchanged = false;
        for (int i = 1; i <= n - gap; ++i) {
          const int a = first + i - 1;
          const int b = a + gap;
          if (greater(key[a], key[b])) {
            std::swap(key[a], key[b]);
            exchanged = true;
          }
        }
      } while (exchanged);
    }
  }

  int findNode(const std::string& name) const {
    for (int k = 1; k <= nodeCount_; ++k)
      if (nodeNames_[k] == name) return k;
    return 0;
  }

  int findLink(int a, int b) const {
    for (int i = 1; i <= n_; ++i)
      if (from_[i] == a && to_[i] == b) return i;
    return 0;
  }

  void adjustCosts() {
    float vMin = 0, fMin = 0;
    for (int i = 1; i <= n_; ++i) {
      if (links_[i].variableCost < vMin) vMin = links_[i].variableCost;
      if (links_[i].fixedCost < fMin) fMin = links_[i].fixedCost;
    }
    adjVar_.assign(n_ + 1, 0.0f);
    adjFixed_.assign(n_ + 1, 0.0f);
    for (int i = 1; i <= n_; ++i) {
      const float v = links_[i].variableCost;
      const float f = links_[i].fixedCost;
      adjVar_[i] = v >= 0 ? v : std::fabs(vMin) + v;
      adjFixed_[i] = f >= 0 ? f : std::fabs(fMin) + f;
    }
    volume_.assign(m_ + 1, 0.0f);
    for (int i = 1; i <= m_; ++i) volume_[i] = sales_[i].volume;
  }

  // ---- Search --------------------------------------------------------------------------

  void search(int origin, int destination) {
    if (aborted_) {
      pathCount_ = 0;
      return;
    }
    const int settled = n_ + 1;
    int current = 0, candCount = 0, settledCount = 0, chosenLink = 0, chosenPos = 0;
    for (int k = 0; k <= nodeCount_ + 1; ++k) {
      state_[k] = 0;
      label_[k] = 0;
      candKey_[k] = 0;
      candLink_[k] = 0;
      settledNode_[k] = 0;
      settledPred_[k] = 0;
      firstOut_[k] = 0;
    }
    state_[origin] = settled;
    current = origin;
    if (n_ >= 1) firstOut_[from_[1]] = 1;
    for (int l = 2; l <= n_; ++l)
      if (from_[l] != from_[l - 1]) firstOut_[from_[l]] = l;

    for (;;) {
      // 3. Scan.
      if (firstOut_[current] != 0) {
        int l = firstOut_[current];
        for (;;) {
          const int t = to_[l];
          if (state_[t] != settled) {
            ++candCount;
            candKey_[candCount] = label_[from_[l]] + cost_[l];
            candLink_[candCount] = l;
            if (state_[t] != 0) {
              const int p = state_[t];
              if (candKey_[candCount] < candKey_[p]) {
                candKey_[p] = candKey_[candCount];
                candLink_[p] = l;
              }
              --candCount;
            } else {
              state_[t] = candCount;
            }
          }
          if (l == n_ || from_[l + 1] != from_[l]) break;
          ++l;
        }
      }
      // 4. Pick.
      float best = 1.0e27f;
      chosenPos = 0;
      for (int pos = 1; pos <= candCount; ++pos)
        if (candKey_[pos] < best) {
          best = candKey_[pos];
          chosenPos = pos;
        }
      if (candCount == 0 || chosenPos == 0) {
        message("stop",
                "ERROR!!! Routemax can't solve this problem. The reason might be one of the "
                "followings. 1.Your destination node may not be connected to the origin node.  "
                "2.Routemax encountered a disconnected link while trying to keep lower volume "
                "limit constraints. Remember! Entering lower volume limit should be restricted "
                "to few links which are in the very end of your network 3.Routemax can't find "
                "any feasible solutions satisfying the volume limits you entered.");
        message("exclamation",
                "Please, SAVE your file IMMEADIATELY. This program will be closed with further "
                "operations without correction.");
        for (int k = 0; k <= nodeCount_ + 1; ++k) state_[k] = 0;
        pathCount_ = 0;
        aborted_ = true;
        return;
      }
      // 5. Settle.
      chosenLink = candLink_[chosenPos];
      current = to_[chosenLink];
      ++settledCount;
      settledNode_[settledCount] = current;
      settledPred_[settledCount] = from_[chosenLink];
      label_[current] = best;
      state_[current] = settled;
      // 6. Destination reached: trace back through the settled list.
      if (current == destination) {
        path_[1] = destination;
        path_[2] = settledPred_[settledCount];
        pathCount_ = 2;
        while (path_[pathCount_] != origin) {
          for (int j = 1; j <= settledCount; ++j)
            if (settledNode_[j] == path_[pathCount_]) {
              path_[pathCount_ + 1] = settledPred_[j];
              break;
            }
          ++pathCount_;
        }
        return;
      }
      // 7. Remove the picked candidate.
      if (chosenPos == candCount) {
        --candCount;
      } else {
        candKey_[chosenPos] = candKey_[candCount];
        candLink_[chosenPos] = candLink_[candCount];
        state_[to_[candLink_[chosenPos]]] = chosenPos;
        --candCount;
      }
    }
  }

  // ---- Heuristic -----------------------------------------------------------------------

  void routeSale(int sale) {
    search(saleEntry_[sale], saleDest_[sale]);
    char field[16];
    std::snprintf(field, sizeof field, "%7d", pathCount_);
    std::string text = field;
    for (int k = pathCount_; k >= 1; --k) {
      std::snprintf(field, sizeof field, "%7d", path_[k]);
      text += field;
    }
    currentText_[sale] = text;
    for (int k = pathCount_; k >= 2; --k) {
      const int link = findLink(path_[k], path_[k - 1]);
      flow_[link] += volume_[sale];
      cost_[link] = adjVar_[link];
    }
  }

  void totals() {
    float v = 0, f = 0;
    for (int i = 1; i <= n_; ++i)
      if (flow_[i] > 0) {
        v += links_[i].variableCost * flow_[i];
        f += links_[i].fixedCost;
      }
    variableTotal_ = v;
    fixedTotal_ = f;
    total_ = v + f;
  }

  static int field(const std::string& text, int start) {
    return std::atoi(text.substr(static_cast<std::size_t>(start), 7).c_str());
  }

  void writePathFile() {
    std::string out;
    char line[64];
    std::snprintf(line, sizeof line, "%d\n", 0);
    out += line;
    std::snprintf(line, sizeof line, "%d\n", m_);
    out += line;
    for (int i = 1; i <= m_; ++i) {
      const std::string& text = bestText_[i];
      const int count = field(text, 0);
      std::snprintf(line, sizeof line, "%d\n", i);
      out += line;
      std::snprintf(line, sizeof line, "%f\n", static_cast<double>(sales_[i].volume));
      out += line;
      std::snprintf(line, sizeof line, "%d\n", count);
      out += line;
      for (int k = 1; k <= count; ++k) {
        std::snprintf(line, sizeof line, "%d ", field(text, 7 * k));
        out += line;
      }
      out += "\n";
    }
    std::snprintf(line, sizeof line, "%lf\n", static_cast<double>(variableTotal_));
    out += line;
    std::snprintf(line, sizeof line, "%lf\n", static_cast<double>(fixedTotal_));
    out += line;
    std::snprintf(line, sizeof line, "%lf\n", static_cast<double>(total_));
    out += line;
    result_.pathFile = out;
    result_.pathFileWritten = true;
  }

  void logLine(const char* format, int number, float total) {
    if (!withLog_) return;
    char line[128];
    std::snprintf(line, sizeof line, format, number, static_cast<double>(total));
    result_.log += line;
  }

  void becomeBest() {
    bestIteration_ = iteration_;
    bestTotal_ = total_;
    for (int i = 1; i <= m_; ++i) bestText_[i] = currentText_[i];
    writePathFile();
    savedFlow_ = flow_;
  }

  void heuristic() {
    state_.assign(nodeCount_ + 2, 0);
    label_.assign(nodeCount_ + 2, 0.0f);
    candKey_.assign(nodeCount_ + 2, 0.0f);
    candLink_.assign(nodeCount_ + 2, 0);
    settledNode_.assign(nodeCount_ + 2, 0);
    settledPred_.assign(nodeCount_ + 2, 0);
    firstOut_.assign(nodeCount_ + 2, 0);
    path_.assign(nodeCount_ + 2, 0);
    cost_.assign(n_ + 1, 0.0f);
    savedFlow_.assign(n_ + 1, 0.0f);
    currentText_.assign(m_ + 1, std::string());
    bestText_.assign(m_ + 1, std::string());
    std::vector<int> order(m_ + 1);

    // 1.
    aborted_ = false;
    for (int i = 1; i <= n_; ++i) flow_[i] = 0;
    for (int i = 1; i <= m_; ++i) order[i] = i;
    ++iteration_;
    for (int i = 1; i <= n_; ++i) cost_[i] = adjVar_[i];
    // 2.
    for (int i = 1; i <= m_; ++i) routeSale(i);
    totals();
    // 3.
    for (int i = 1; i <= n_; ++i) cost_[i] = -100000000.0f;
    // 4.
    for (;;) {
      logLine("Iteration: %d\tCurrentSolution %f\n", iteration_, total_);
      if (total_ < bestTotal_) becomeBest();
      for (int i = 1; i <= n_; ++i)
        if (flow_[i] > 0) cost_[i] = adjFixed_[i] / flow_[i] + adjVar_[i];
      previousTotal_ = total_;
      for (int i = 1; i <= n_; ++i) flow_[i] = 0;
      ++iteration_;
      int s = 1;
      while (s <= m_) {
        int e = s;
        while (e + 1 <= m_ && sales_[e + 1].period == sales_[s].period) ++e;
        const int n = e - s + 1;
        for (int k = s; k <= e; ++k) {
          int proposal;
          bool taken;
          do {
            proposal = s + random_.next() % n;
            taken = false;
            for (int j = s; j <= k - 1; ++j)
              if (order[j] == proposal) taken = true;
          } while (taken);
          order[k] = proposal;
        }
        s = e + 1;
      }
      for (int k = 1; k <= m_; ++k) routeSale(order[k]);
      totals();
      if (!(std::fabs(total_) / 100000.0f < std::fabs(previousTotal_ - total_) &&
            iteration_ < 200))
        break;
    }
    // 5.
    logLine("Iteration: %d\tCurrentSolution %f\n", iteration_, total_);
    if (total_ < bestTotal_) becomeBest();
    else flow_ = savedFlow_;
    // 6.
    logLine("Best Iteration: %d\tBestSolution %f\n", bestIteration_, bestTotal_);
  }

  skyrig::Random& random_;
  bool withLog_;
  int n_ = 0, m_ = 0, nodeCount_ = 0;
  std::vector<Link> links_;
  std::vector<Sale> sales_;
  std::vector<std::string> nodeNames_;
  std::vector<int> from_, to_, saleEntry_, saleDest_;
  std::vector<float> adjVar_, adjFixed_, cost_, flow_, savedFlow_, volume_;
  std::vector<int> state_, candLink_, settledNode_, settledPred_, firstOut_, path_;
  std::vector<float> label_, candKey_;
  std::vector<std::string> currentText_, bestText_;
  int pathCount_ = 0;
  bool aborted_ = false;
  int iteration_ = 0, bestIteration_ = 0;
  float bestTotal_ = 0, variableTotal_ = 0, fixedTotal_ = 0, total_ = 0, previousTotal_ = 0;
  Result result_;
};

inline Result solve(std::vector<Link> links, std::vector<Sale> sales, skyrig::Random& random,
                    bool withLog = true) {
  return Solver(std::move(links), std::move(sales), random, withLog).run();
}

}  // namespace literal
