// The single-value forms of the layer commands ("Fish Stream Buffer", the choker-length
// "Dialog", "Generating Contour Lines"): one integer field in metres with its range, shown
// values and a note. Validated on OK with the platform's integer texts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/FormModel.h"

namespace skyrig {

class LayersValueForm final : public FormModel {
 public:
  struct Shown {
    std::string label;
    std::string text;
  };

  LayersValueForm(std::string title, std::string label, int value, int minimum, int maximum,
                  std::string note, std::string shownGroup = {}, std::vector<Shown> shown = {});

  std::string title() const override { return title_; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  bool validateOnOk(Ui& ui) override;

  // The entered value; meaningful after validateOnOk succeeded.
  int value() const { return value_; }

 private:
  std::string title_;
  std::string label_;
  std::string text_;
  int value_;
  int minimum_;
  int maximum_;
  std::string note_;
  std::string shownGroup_;
  std::vector<Shown> shown_;
};

LayersValueForm fishStreamBufferForm();
LayersValueForm chokerLengthForm(int chokerLength);
LayersValueForm contourIntervalForm(int interval, int highestElevation, int lowestElevation);

}  // namespace skyrig
