// The main job on a loaded project: cable road generation and batch analysis, the cable road
// file, the separate run with its road report (and the all-at-once run when the project asks
// for it). The command line's plan and the desktop's Network > Plan run these steps.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skyrig {

struct AppContext;
struct ProjectSettings;

struct PlanStep {
  const char* commandId;
  const char* what;
  const char* mapPicture;  // system path of the map picture the command line writes after it, or ""
  std::vector<const char*> files;  // system paths of the files the step leaves for the planner
};

// The steps in order for the runs the project file asks for.
std::vector<PlanStep> planSteps(bool runSeparate, bool runAllAtOnce);

// Runs the steps; `before` is told each step first. Stops after a step when the user cancelled
// (the Ui's progress answers false): a cancelled run has kept its best plan. False when stopped
// or when the project lacks a terrain model, landings or timber exits (message shown).
bool runPlanJob(AppContext& app, bool runSeparate, bool runAllAtOnce,
                const std::function<void(const PlanStep&)>& before = {});

// The reason a plan cannot start ("" when it can), in the planner's words.
std::string planPrerequisiteMissing(const AppContext& app);

}  // namespace skyrig
