// The "Landing Info." form: construction cost and shared tower of each landing, edited on
// copies of all landing slots. OK writes them back and gives every landing that shares a tower
// the construction cost of the landing it shares with, in id order.
#pragma once

#include <string>

#include "document/CSkyrigDoc.h"
#include "seams/FormModel.h"

namespace skyrig {


class LandingInfoForm : public FormModel {
 public:
  // Shows `selectedLanding` (landing 1 when it is outside 1..90).
  LandingInfoForm(const CSkyrigDoc& doc, int selectedLanding);

  std::string title() const override { return "Landing Info."; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  // Selector: shows another landing. Cost: a number from 0 to 100000000 on every change.
  // Shared tower: an integer below landingCount, otherwise a stop message and 0.
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  // Also refuses shared tower ids that lead round in a loop: the chain would never end.
  bool validateOnOk(Ui& ui) override;

  int selectedLanding() const { return selected_; }
  float constructionCost(int id) const { return costs_[id]; }
  std::int32_t sharedTower(int id) const { return shared_[id]; }

  // The OK effects on the document.
  void apply(CSkyrigDoc& doc) const;

 private:
  void showSelected();

  PerLanding<float> costs_;
  PerLanding<std::int32_t> shared_;
  int landingCount_ = 0;
  int selected_ = 1;
  std::string costText_;
  std::string sharedText_;
};

}  // namespace skyrig
