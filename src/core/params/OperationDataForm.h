// The "Operation data" form: the operating figures (fields 24..47) of one cable system set,
// validated when OK is pressed. Opened from the "Cable System" form and from the menu.
#pragma once

#include <array>
#include <string>

#include "document/CableSystemParams.h"
#include "seams/FormModel.h"

namespace skyrig {

inline constexpr int kFirstOperatingField = 24;
inline constexpr int kLastOperatingField = 47;
inline constexpr int kOperatingFieldCount = kLastOperatingField - kFirstOperatingField + 1;

class OperationDataForm : public FormModel {
 public:
  explicit OperationDataForm(const CableSystemParams& params);

  std::string title() const override { return "Operation data"; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  // Reads every field in field order; a refused field keeps the form open.
  bool validateOnOk(Ui& ui) override;

  // The set with the figures accepted by the last successful OK (as given before that).
  const CableSystemParams& params() const { return params_; }

 private:
  CableSystemParams params_;
  std::array<std::string, kOperatingFieldCount> texts_;  // by field number - 24
};

// Copies fields 24..47 of `from` into `to`; the cable figures, name and flags of `to` stay.
void copyOperatingFigures(const CableSystemParams& from, CableSystemParams& to);

}  // namespace skyrig
