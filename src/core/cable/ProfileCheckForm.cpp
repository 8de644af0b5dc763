#include "cable/ProfileCheckForm.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "cable/CycleTime.h"
#include "cable/IntermediateSupports.h"
#include "cable/PayloadAnalysis.h"
#include "cable/ProfileCheckPicture.h"
#include "cable/ProfileCheckReport.h"
#include "seams/OutputFile.h"
#include "seams/Paths.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

// The tail spar stays at least two points from the tower, so a road always has a point
// between them to carry a load.
constexpr int kFirstTailPoint = 3;

// Draws the hanging load of every point as the analysis fixes its carriage.
class LoadPainter final : public CarriageObserver {
 public:
  LoadPainter(const ProfileCheckData& data, Canvas& picture) : data_(data), picture_(picture) {}
  void carriagePlaced(int point, const CableWorkArea& work) override {
    drawLoad(data_, point, work.carriage, picture_);
  }

 private:
  const ProfileCheckData& data_;
  Canvas& picture_;
};

// Support placement findings become stop messages; each candidate set of the reduction gets
// the dialog's full analysis and report.
class MessageHooks final : public SupportPlacementHooks {
 public:
  MessageHooks(Ui& ui, std::function<float()> analyse) : ui_(ui), analyse_(std::move(analyse)) {}
  float analyseCandidate(CableWorkArea& /*work*/) override { return analyse_(); }
  void downhillYarding() override { ui_.message("Downhill yarding!", MessageIcon::Stop); }
  void needsHaulback() override { ui_.message("Haulbackline is necessary", MessageIcon::Stop); }
  void steepChordBreak() override {
    ui_.message("Too steep break in chord slope!", MessageIcon::Stop);
  }
  void supportReductionFailed() override {
    ui_.message("Failed to reduce the number of intermediate supports!", MessageIcon::Stop);
  }

 private:
  Ui& ui_;
  std::function<float()> analyse_;
};

bool parsePoint(const std::string& text, int& point) {
  try {
    std::size_t used = 0;
    point = std::stoi(text, &used);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

}  // namespace

ProfileCheckForm::ProfileCheckForm(const ProfileCheckData& data, Canvas& picture,
                                   const Paths& paths)
    : data_(data), picture_(picture), paths_(paths) {
  data_.work.sampledCount = std::clamp(data_.work.sampledCount, 0, kMaxProfileCount);
  if (data_.work.analysedCount < 0 || data_.work.analysedCount > data_.work.sampledCount)
    data_.work.analysedCount = data_.work.sampledCount;
  recountSupports(data_);
  redraw();
}

std::vector<FormField> ProfileCheckForm::fields() const {
  std::vector<FormField> out;
  for (const char* label : {"press", "move", "release"}) {
    FormField field;
    field.label = label;
    field.unit = "profile point";
    field.group = "Picture";
    out.push_back(field);
  }
  return out;
}

std::string ProfileCheckForm::fieldText(const std::string& /*label*/) const { return {}; }

bool ProfileCheckForm::editField(const std::string& label, const std::string& text, Ui& ui) {
  int point = 0;
  if (!parsePoint(text, point) || point < 1 || point > data_.work.sampledCount) return false;
  if (label == "press") {
    mouseDown(pointX(point), ui);
  } else if (label == "move") {
    mouseMove(pointX(point));
  } else if (label == "release") {
    mouseUp();
  } else {
    return false;
  }
  return true;
}

std::vector<std::string> ProfileCheckForm::buttons() const {
  return {kPayloadAnalysisButton, kDrawGroundProfileButton, kGenerateIntsButton,
          kLocateOrMoveButton, kRemoveButton};
}

bool ProfileCheckForm::pressButton(const std::string& button, Ui& ui) {
  if (button == kDrawGroundProfileButton) {
    drawGroundProfile();
  } else if (button == kLocateOrMoveButton) {
    locateOrMove();
  } else if (button == kRemoveButton) {
    removeSelected(ui);
  } else if (button == kPayloadAnalysisButton) {
    payloadAnalysis(ui);
  } else if (button == kGenerateIntsButton) {
    generateSupports(ui);
  } else {
    return false;
  }
  return true;
}

int ProfileCheckForm::pointX(int k) const { return ProfilePictureLayout(data_).pointX(data_, k); }

void ProfileCheckForm::redraw() { drawProfilePicture(data_, selected_, picture_); }

void ProfileCheckForm::drawGroundProfile() { redraw(); }

void ProfileCheckForm::locateOrMove() {
  editMode_ = true;
  selected_ = -1;
  draggedSupport_ = -1;
  draggedTail_ = -1;
}

void ProfileCheckForm::mouseDown(int pictureX, Ui& ui) {
  if (!editMode_ || data_.work.sampledCount < 1) return;
  const ProfilePictureLayout layout(data_);
  const int k = nearestPointAt(data_, layout, pictureX, 1, data_.work.sampledCount);
  if (k > data_.tailPoint()) {
    selected_ = -1;
    return;
  }
  selected_ = k;
  if (k == data_.tailPoint()) {
    draggedTail_ = k;
    return;
  }
  if (data_.work.supportMarks[k]) {
    draggedSupport_ = k;
    return;
  }
  // Point 1 carries the tower; a support there would stand in for it.
  if (k == 1) return;
  data_.work.supportMarks[k] = 1;
  ++data_.work.supportCount;
  redraw();
  draggedSupport_ = k;
  if (data_.work.supportCount > kMaxDialogSupports) {
    data_.work.supportMarks[k] = 0;
    --data_.work.supportCount;
    selected_ = -1;
    draggedSupport_ = -1;
    draggedTail_ = -1;
    redraw();
    ui.message("You selected more than a possible number of intermediate spars.",
               MessageIcon::Stop);
  }
}

void ProfileCheckForm::setTailPoint(int k) {
  data_.work.analysedCount = k;
  for (int j = k; j < kProfilePointSlots; ++j) data_.work.supportMarks[j] = 0;
  recountSupports(data_);
}

void ProfileCheckForm::mouseMove(int pictureX) {
  if (!editMode_) return;
  const ProfilePictureLayout layout(data_);
  if (draggedTail_ >= 1) {
    if (data_.work.sampledCount < kFirstTailPoint) return;
    const int k = nearestPointAt(data_, layout, pictureX, kFirstTailPoint, data_.work.sampledCount);
    if (k == data_.tailPoint()) return;
    setTailPoint(k);
    draggedTail_ = k;
    selected_ = k;
    redraw();
  } else if (draggedSupport_ >= 1) {
    const int k = nearestPointAt(data_, layout, pictureX, 1, data_.tailPoint());
    if (k == draggedSupport_ || k >= data_.tailPoint() || k < 2) return;
    data_.work.supportMarks[draggedSupport_] = 0;
    data_.work.supportMarks[k] = 1;
    recountSupports(data_);
    draggedSupport_ = k;
    selected_ = k;
    redraw();
  }
}

void ProfileCheckForm::mouseUp() {
  if (!editMode_) return;
  redraw();
  draggedSupport_ = -1;
  draggedTail_ = -1;
}

void ProfileCheckForm::removeSelected(Ui& ui) {
  if (selected_ >= 1 && selected_ == data_.tailPoint()) {
    ui.message("You cannot erase the tailspar!", MessageIcon::Stop);
    return;
  }
  if (selected_ > 0 && selected_ < data_.tailPoint() && data_.work.supportMarks[selected_]) {
    data_.work.supportMarks[selected_] = 0;
    recountSupports(data_);
    selected_ = -1;
    redraw();
  }
}

void ProfileCheckForm::payloadAnalysis(Ui& ui) { analyseAndReport(ui); }

void ProfileCheckForm::generateSupports(Ui& ui) {
  selected_ = -1;
  data_.work.flags.clearAll();
  SupportPlacementOptions options;
  options.tailHeight = data_.tailSparHeight;
  options.convexBreakTailHeight = data_.params.minSparTreeHeight;
  options.risingSpanMeansDownhill = false;
  MessageHooks hooks(ui, [&] { return analyseAndReport(ui); });
  placeSupports(data_.params, data_.work, options, hooks);
  recountSupports(data_);
  redraw();
  analyseAndReport(ui);
}

float ProfileCheckForm::analyseAndReport(Ui& ui) {
  redraw();
  const int n = data_.tailPoint();
  LoadPainter painter(data_, picture_);
  analysePayloads(data_.params, data_.work, data_.tailSparHeight, payloads_.data(), &painter);
  std::vector<int> labelled;
  for (int k = 2; k <= n - 1; ++k)
    if (!data_.work.supportMarks[k] && data_.work.profile[k].z >= 0) labelled.push_back(k);
  for (const PayloadLabelPlace& place : placePayloadLabels(data_, labelled))
    drawPayloadLabel(place, payloads_[place.point], picture_);
  const float minPayload = data_.work.minPayload;
  const CableSystemParams& p = data_.params;
  const CycleTimeReport cycle =
      cycleTimeReport(data_.work, p, minPayload, p.frictionCoefficient, p.towerHeight,
                      data_.work.referenceLength, p.mainlineUnitWeight, p.carriageWeight);
  drawPayloadTexts(maxPayloadText(minPayload),
                   {cycle.loadedLine, cycle.emptyLine, cycle.cycleLine}, picture_);
  writeReport(ui);
  return minPayload;
}

void ProfileCheckForm::writeReport(Ui& ui) {
  std::array<ProfileReportPoint, kProfilePointSlots> points{};
  const int count = std::clamp(data_.tailPoint(), 0, kMaxProfileCount);
  for (int k = 1; k <= count; ++k)
    points[k] = {data_.work.profile[k].z, data_.work.profile[k].horDist, payloads_[k],
                 k > 1 && k < count && data_.work.supportMarks[k] != 0};
  const ProfileReportHeading heading{data_.landing, data_.road, data_.system, data_.tailSparHeight};
  const std::string text = profileReportText(heading, points.data(), count, data_.work.minPayload);
  OutputFile file(paths_, kProfileReportPath);
  if (!file || std::fputs(text.c_str(), file.get()) < 0 || !file.commit()) {
    if (!failureShown_)
      ui.message("Cannot write the profile report " + paths_.displayName(kProfileReportPath) + ".",
                 MessageIcon::Exclamation);
    failureShown_ = true;
  }
}

}  // namespace skyrig
