#include "ConsoleOutput.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>

namespace skyrig::cli {

namespace {

int terminalColumns() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 20) return size.ws_col;
  return 80;
}

std::string elapsed(double seconds) {
  const long s = static_cast<long>(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
  return text;
}

}  // namespace

ProgressFigures parseProgress(std::string_view text) {
  ProgressFigures figures;
  const std::string line(text);
  std::smatch match;
  // The innermost count wins: the solver's iteration inside a run, the landings of a batch.
  static const std::regex count(R"((\d+) of (at most )?(\d+))");
  int done = -1, total = 0;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), count); it != std::sregex_iterator(); ++it) {
    done = std::atoi((*it)[1].str().c_str());
    total = std::atoi((*it)[3].str().c_str());
  }
  if (done >= 0 && total > 0) figures.percent = std::min(100, done * 100 / total);
  static const std::regex best(R"(best (run |solve )?total (so far )?(-?[0-9.]+))");
  std::string runBest, solveBest;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), best); it != std::sregex_iterator(); ++it) {
    if ((*it)[1].str() == "solve ")
      solveBest = (*it)[3].str();
    else
      runBest = (*it)[3].str();
  }
  figures.best = !runBest.empty() ? runBest : solveBest;
  static const std::regex stage(R"(iteration (\d+) of at most \d+, (\w+) solve)");
  if (std::regex_search(line, match, stage))
    figures.stage = "(run iteration " + match[1].str() + ", " + match[2].str() + " solve)";
  return figures;
}

ConsoleOutput::ConsoleOutput(Verbosity verbosity, bool terminal, std::FILE* out)
    : verbosity_(verbosity), terminal_(terminal), out_(out) {}

bool ConsoleOutput::stdoutIsTerminal() {
  const char* term = std::getenv("TERM");
  return isatty(STDOUT_FILENO) == 1 && term != nullptr && std::string_view(term) != "dumb";
}

double ConsoleOutput::stepSeconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - stepStart_).count();
}

void ConsoleOutput::beginStep(const std::string& what) {
  step_ = what;
  best_.clear();
  stepStart_ = std::chrono::steady_clock::now();
  if (verbosity_ == Verbosity::Verbose) std::fprintf(out_, "== %s\n", what.c_str());
  std::fflush(out_);
}

void ConsoleOutput::progress(std::string_view text) {
  if (verbosity_ == Verbosity::Quiet) return;
  if (verbosity_ == Verbosity::Verbose) {
    std::fprintf(out_, "   progress: %.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(out_);
    return;
  }
  const ProgressFigures figures = parseProgress(text);
  if (!figures.best.empty()) best_ = figures.best;
  if (!terminal_) return;  // a file or pipe gets the step's one line at its end
  std::string line = "  " + step_;
  if (figures.percent >= 0) {
    constexpr int kBar = 20;
    const int filled = figures.percent * kBar / 100;
    line += "  [" + std::string(static_cast<std::size_t>(filled), '#') +
            std::string(static_cast<std::size_t>(kBar - filled), '.') + "] ";
    char percent[16];
    std::snprintf(percent, sizeof percent, "%3d %%", figures.percent);
    line += percent;
  }
  line += "  " + elapsed(stepSeconds());
  if (!best_.empty()) line += "  best $ " + best_;
  if (!figures.stage.empty()) line += "  " + figures.stage;
  const auto columns = static_cast<std::size_t>(terminalColumns() - 1);
  if (line.size() > columns) line.resize(columns);
  std::fprintf(out_, "\r%s\033[K", line.c_str());
  std::fflush(out_);
  progressShown_ = true;
}

void ConsoleOutput::clearProgressLine() {
  if (!progressShown_) return;
  std::fprintf(out_, "\r\033[K");
  progressShown_ = false;
}

void ConsoleOutput::endStep() {
  clearProgressLine();
  if (verbosity_ == Verbosity::Quiet) return;
  std::string line = "  " + step_;
  if (line.size() < 46) line.resize(46, ' ');
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, " %6.1f s", stepSeconds());
  line += seconds;
  if (!best_.empty()) line += "   best total $ " + best_;
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
}

void ConsoleOutput::message(const std::string& text) {
  clearProgressLine();
  std::fprintf(verbosity_ == Verbosity::Quiet ? stderr : out_, "   %s\n", text.c_str());
  std::fflush(out_);
}

void ConsoleOutput::line(const std::string& text) {
  if (verbosity_ == Verbosity::Quiet) return;
  clearProgressLine();
  std::fprintf(out_, "%s\n", text.c_str());
  std::fflush(out_);
}

}  // namespace skyrig::cli
