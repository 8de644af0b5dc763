// Session: one headless program instance: a document, its view (initial update done), the
// scripted Ui, a map canvas and the seams, as the desktop application would hold them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::cli {

struct Session {
  explicit Session(const std::string& root);

  std::unique_ptr<CSkyrigDoc> doc;
  std::unique_ptr<CSkyrigView> view;
  ScriptedUi ui;
  std::unique_ptr<Canvas> canvas;
  Paths paths;
  SystemClock clock;
  Random random;
  AppContext app;
};

// Parses "--root DIR" from argv[first..]; returns the remaining positional arguments.
struct CommonOptions {
  std::string root = ".";
  std::vector<std::string> positional;
  std::string error;
};
CommonOptions parseCommonOptions(int argc, char** argv, int first);

}  // namespace skyrig::cli
