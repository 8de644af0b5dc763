// Open DTM on a full 699 x 699 grid (about half a million values, 2 decimals, like the sample
// DTM) against a baseline that only reads the same file's values with fscanf("%f").
// Prints the best of several runs of each, in seconds, and their ratio.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "document/CSkyrigDoc.h"
#include "document/OpenDtm.h"
#include "seams/Paths.h"
#include "seams/ScriptedUi.h"

namespace {

constexpr int kSize = 699;
constexpr int kRuns = 5;

// Smooth hills between about 450 and 1000 m, a fixed surface (no random input).
void writeDtm(const std::filesystem::path& file) {
  std::FILE* out = std::fopen(file.string().c_str(), "wb");
  std::fprintf(out, "ncols         %d\nnrows         %d\nxllcorner     511340\n", kSize, kSize);
  std::fprintf(out, "yllcorner     4011600\ncellsize      10\nNODATA_value  -9999\n");
  for (int r = 1; r <= kSize; ++r) {
    for (int c = 1; c <= kSize; ++c) {
      const double z = 725.0 + 180.0 * std::sin(c * 0.031) * std::cos(r * 0.027) +
                       90.0 * std::sin((c + 2 * r) * 0.011);
      std::fprintf(out, c == 1 ? "%.2f" : " %.2f", z);
    }
    std::fputc('\n', out);
  }
  std::fclose(out);
}

// The baseline: header lines skipped, then every value read with fscanf("%f").
double fscanfSum(const std::filesystem::path& file) {
  std::FILE* in = std::fopen(file.string().c_str(), "rb");
  for (int line = 0; line < 6; ++line)
    while (std::fgetc(in) != '\n') {
    }
  double sum = 0.0;
  float v = 0.0f;
  while (std::fscanf(in, "%f", &v) == 1) sum += v;
  std::fclose(in);
  return sum;
}

template <typename Work>
double bestSeconds(Work work) {
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "skyrig-bench-load-dtm";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / "dem.dat";
  writeDtm(file);

  auto doc = skyrig::makeDocument();
  skyrig::Paths paths(folder);
  skyrig::ScriptedUi ui;
  doc->paths.dtmPath = file.string();

  double baselineSum = 0.0;
  const double baseline = bestSeconds([&] { baselineSum = fscanfSum(file); });
  const double openDtm = bestSeconds([&] { skyrig::openDtm(*doc, paths, ui); });

  std::printf("Open DTM, %d x %d cells (%ju bytes)\n", doc->ncols, doc->nrows,
              static_cast<std::uintmax_t>(std::filesystem::file_size(file)));
  std::printf("  Open DTM:          %.4f s (best of %d)\n", openDtm, kRuns);
  std::printf("  fscanf(\"%%f\") loop: %.4f s (baseline)\n", baseline);
  std::printf("  ratio Open DTM / baseline: %.3f\n", openDtm / baseline);
  std::printf("  elevations %d to %d m (baseline value sum %.0f)\n", doc->minElevation,
              doc->maxElevation, baselineSum);
  std::filesystem::remove_all(folder);
  return ui.messages().empty() && doc->ncols == kSize ? 0 : 1;
}
