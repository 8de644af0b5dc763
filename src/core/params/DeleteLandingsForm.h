// The "Delete Landings" form: chooses the landing to delete. Only placed ids (1..landingCount)
// can be chosen; the landing deletion command deletes the accepted landing.
#pragma once

#include <cstdint>
#include <string>

#include "seams/FormModel.h"

namespace skyrig {

class DeleteLandingsForm : public FormModel {
 public:
  explicit DeleteLandingsForm(std::int32_t landingCount);

  std::string title() const override { return "Delete Landings"; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  // An id above landingCount (or below 1: slot 0 is no landing) shows a message and keeps
  // the previous landing.
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  // Refuses OK while no landing can be deleted (landingCount below 1).
  bool validateOnOk(Ui& ui) override;

  std::int32_t selectedLanding() const { return selected_; }

 private:
  std::int32_t landingCount_;
  std::int32_t selected_ = 1;
};

}  // namespace skyrig
