// The "Road and Transportation Costs" form: the 19 road cost values, validated on OK.
#pragma once

#include <array>
#include <string>

#include "document/RoadCostParams.h"
#include "document/RoadCostTable.h"
#include "seams/FormModel.h"

namespace skyrig {

class RoadCostsForm : public FormModel {
 public:
  explicit RoadCostsForm(const RoadCostParams& costs);

  std::string title() const override { return "Road and Transportation Costs"; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  bool validateOnOk(Ui& ui) override;

  // The values accepted by the last successful OK (as given before that).
  const RoadCostParams& costs() const { return costs_; }

 private:
  RoadCostParams costs_;
  std::array<std::string, kRoadCostFieldCount> texts_;  // by field number
};

}  // namespace skyrig
