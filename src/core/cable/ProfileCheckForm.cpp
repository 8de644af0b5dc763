#include "cable/ProfileCheckForm.h"

#include <algorithm>
#include <memory>

#include "app/Paths.h"
#include "app/Ui.h"
#include "cable/ProfileCheckPicture.h"
#include "cable/ProfileCheckReport.h"
#include "cable/ProfileCheckSupports.h"

namespace skyrig {

namespace {

// The tail spar stays at least two points from the tower, so a road always has a point
// between them to carry a load.
constexpr int kFirstTailPoint = 3;

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
  data_.sampledCount = std::clamp(data_.sampledCount, 0, kMaxProfilePoints);
  if (data_.tailPoint < 0 || data_.tailPoint > data_.sampledCount)
    data_.tailPoint = data_.sampledCount;
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
  if (!parsePoint(text, point) || point < 1 || point > data_.sampledCount) return false;
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
  if (!editMode_ || data_.sampledCount < 1) return;
  const ProfilePictureLayout layout(data_);
  const int k = nearestPointAt(data_, layout, pictureX, 1, data_.sampledCount);
  if (k > data_.tailPoint) {
    selected_ = -1;
    return;
  }
  selected_ = k;
  if (k == data_.tailPoint) {
    draggedTail_ = k;
    return;
  }
  if (data_.supportMarks[k]) {
    draggedSupport_ = k;
    return;
  }
  // Point 1 carries the tower; a support there would stand in for it.
  if (k == 1) return;
  data_.supportMarks[k] = 1;
  ++data_.supportCount;
  redraw();
  draggedSupport_ = k;
  if (data_.supportCount > kMaxDialogSupports) {
    data_.supportMarks[k] = 0;
    --data_.supportCount;
    selected_ = -1;
    draggedSupport_ = -1;
    draggedTail_ = -1;
    redraw();
    ui.message("You selected more than a possible number of intermediate spars.",
               MessageIcon::Stop);
  }
}

void ProfileCheckForm::setTailPoint(int k) {
  data_.tailPoint = k;
  for (int j = k; j < kProfileSlots; ++j) data_.supportMarks[j] = 0;
  recountSupports(data_);
}

void ProfileCheckForm::mouseMove(int pictureX) {
  if (!editMode_) return;
  const ProfilePictureLayout layout(data_);
  if (draggedTail_ >= 1) {
    if (data_.sampledCount < kFirstTailPoint) return;
    const int k = nearestPointAt(data_, layout, pictureX, kFirstTailPoint, data_.sampledCount);
    if (k == data_.tailPoint) return;
    setTailPoint(k);
    draggedTail_ = k;
    selected_ = k;
    redraw();
  } else if (draggedSupport_ >= 1) {
    const int k = nearestPointAt(data_, layout, pictureX, 1, data_.tailPoint);
    if (k == draggedSupport_ || k >= data_.tailPoint || k < 2) return;
    data_.supportMarks[draggedSupport_] = 0;
    data_.supportMarks[k] = 1;
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
  if (selected_ >= 1 && selected_ == data_.tailPoint) {
    ui.message("You cannot erase the tailspar!", MessageIcon::Stop);
    return;
  }
  if (selected_ > 0 && selected_ < data_.tailPoint && data_.supportMarks[selected_]) {
    data_.supportMarks[selected_] = 0;
    recountSupports(data_);
    selected_ = -1;
    redraw();
  }
}

void ProfileCheckForm::payloadAnalysis(Ui& ui) { analyseAndReport(ui); }

void ProfileCheckForm::generateSupports(Ui& ui) {
  selected_ = -1;
  generateDialogSupports(data_, ui, [&] { return analyseAndReport(ui); });
  redraw();
  analyseAndReport(ui);
}

float ProfileCheckForm::analyseAndReport(Ui& ui) {
  redraw();
  results_ = ProfileCheckResults{};
  results_.payload.fill(-1.0f);
  results_.groundReaction.fill(-1.0f);
  const bool analysed = analyseProfileCheckPayload(
      data_, results_, [&](const LoadGeometry& load) { drawLoad(data_, load, picture_); });
  if (!analysed) {
    if (!failureShown_)
      ui.message("The payload analysis is not available in this build.", MessageIcon::Stop);
    failureShown_ = true;
    return 0.0f;
  }
  drawPayloadTexts(maxPayloadText(results_.minPayload),
                   profileCheckCycleLines(data_, results_, results_.minPayload),
                   picture_);
  writeReport(ui);
  return results_.minPayload;
}

void ProfileCheckForm::writeReport(Ui& ui) {
  std::array<ProfileReportPoint, kProfileSlots> points{};
  const int count = std::clamp(data_.tailPoint, 0, kMaxProfilePoints);
  for (int k = 1; k <= count; ++k)
    points[k] = {data_.profile[k].z, data_.profile[k].horDist, results_.payload[k],
                 k > 1 && k < count && data_.supportMarks[k] != 0};
  const ProfileReportHeading heading{data_.landing, data_.road, data_.system, data_.tailSparHeight};
  const std::string text = profileReportText(heading, points.data(), count, results_.minPayload);
  std::unique_ptr<std::FILE, FileCloser> file(paths_.openForWriting(kProfileReportPath));
  if (file == nullptr || std::fputs(text.c_str(), file.get()) < 0) {
    if (!failureShown_)
      ui.message("Cannot write the profile report " + paths_.displayName(kProfileReportPath) + ".",
                 MessageIcon::Exclamation);
    failureShown_ = true;
  }
}

}  // namespace skyrig
