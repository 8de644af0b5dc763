// Session: one headless program instance: a document, its view (initial update done), the
// scripted Ui, a map canvas and the seams, as the desktop application would hold them.
#pragma once

#include <memory>
#include <string>

#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace CLI {
class App;
}

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

// True when a message with the stop or exclamation icon was shown.
bool reportedTrouble(const ScriptedUi& ui);

// Declares "--root DIR": the folder the system paths E:/thesis/... map onto; it must exist.
void addRootOption(CLI::App& command, std::string& root);

}  // namespace skyrig::cli
