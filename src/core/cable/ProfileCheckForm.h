// The profile check form ("Dialog"): one cable road's profile on the dialog's own copy, with
// supports and tail spar edited by mouse in the picture, "Remove", "Generate INTs" and the
// payload analysis with its report. Closing it (OK or Cancel) discards everything.
//
// Scripts drive the picture mouse with the fields "press", "move" and "release", whose value
// is the number of the profile point under the mouse; the buttons are pressed by their texts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "cable/ProfileCheckData.h"
#include "seams/FormModel.h"

namespace skyrig {

class Canvas;
class Paths;

inline constexpr const char* kDrawGroundProfileButton = "Draw Ground Profile";
inline constexpr const char* kLocateOrMoveButton = "Locate or Move";
inline constexpr const char* kRemoveButton = "Remove";
inline constexpr const char* kPayloadAnalysisButton = "Payload Analysis";
inline constexpr const char* kGenerateIntsButton = "Generate INTs";

class ProfileCheckForm final : public FormModel {
 public:
  // Draws the profile into `picture` at once.
  ProfileCheckForm(const ProfileCheckData& data, Canvas& picture, const Paths& paths);

  std::string title() const override { return "Dialog"; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  std::vector<std::string> buttons() const override;
  bool pressButton(const std::string& button, Ui& ui) override;

  // The buttons.
  void drawGroundProfile();
  void locateOrMove();
  void removeSelected(Ui& ui);
  void payloadAnalysis(Ui& ui);
  void generateSupports(Ui& ui);

  // The left mouse button in the picture at a picture x (logical units); only in edit mode.
  void mouseDown(int pictureX, Ui& ui);
  void mouseMove(int pictureX);
  void mouseUp();
  // The drawn x of profile point k.
  int pointX(int k) const;

  const ProfileCheckData& data() const { return data_; }
  // Payloads of the last analysis (kg per point; -1 at the tower and the tail).
  const std::array<float, kProfilePointSlots>& payloads() const { return payloads_; }
  bool editMode() const { return editMode_; }
  int selectedPoint() const { return selected_; }
  int draggedSupport() const { return draggedSupport_; }
  int draggedTail() const { return draggedTail_; }

 private:
  // Runs the payload analysis on the current supports, draws and writes its results; returns
  // the minimum payload (kg).
  float analyseAndReport(Ui& ui);
  void writeReport(Ui& ui);
  void redraw();
  void setTailPoint(int k);

  ProfileCheckData data_;
  Canvas& picture_;
  const Paths& paths_;
  std::array<float, kProfilePointSlots> payloads_{};
  bool editMode_ = false;
  int selected_ = -1;
  int draggedSupport_ = -1;
  int draggedTail_ = -1;
  bool failureShown_ = false;  // a failure is reported once per dialog, not per analysis
};

}  // namespace skyrig
