// Reading very large project files: 64,000 keys in one object (the last one repeating an
// earlier key, which must be found) and a 50 MB file (one object of about 2.4 million keys)
// against a baseline that only parses the same text into nlohmann-json's own document.
// Prints the best of several runs of each, in seconds, and their ratio.
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "app/ProjectFile.h"

namespace {

constexpr int kRuns = 3;

std::string manyKeys(int count, bool repeatOne) {
  std::string text = "{\"landingConstructionCosts\": {";
  for (int i = 0; i < count; ++i)
    text += (i == 0 ? "\"k" : ",\n\"k") + std::to_string(i) + "\": " + std::to_string(i % 997);
  if (repeatOne) text += ",\n\"k17\": 0";
  return text + "}}";
}

template <typename F>
double best(F&& work) {
  double fastest = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    fastest = std::min(fastest, took.count());
  }
  return fastest;
}

void measure(const char* what, const std::string& text) {
  std::string error;
  const double reader = best([&] {
    skyrig::ProjectSettings settings;
    error.clear();
    skyrig::parseProjectFile(text, "/p", settings, error);
  });
  const double baseline = best([&] {
    // Duplicates are allowed here (the last one wins): only the parse is measured.
    const auto document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded()) std::puts("baseline: not JSON");
  });
  std::printf("%-34s %8.1f MB  reader %7.3f s  baseline %7.3f s  ratio %5.2f\n   %s\n", what,
              text.size() / 1e6, reader, baseline, reader / baseline, error.c_str());
}

}  // namespace

int main() {
  measure("64,000 keys, one repeated", manyKeys(64000, true));
  measure("50 MB, 2.4 million keys", manyKeys(2400000, false));
  return 0;
}
