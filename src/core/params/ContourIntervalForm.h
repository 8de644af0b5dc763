// The "Generating Contour Lines" form: the contour interval in metres, 1 to 1000 (0 would
// give no levels to step through), beside the DTM's highest and lowest elevation, read-only.
#pragma once

#include "params/IntegerValueForm.h"

namespace skyrig {

class ContourIntervalForm : public IntegerValueForm {
 public:
  ContourIntervalForm(std::int32_t maxElevation, std::int32_t minElevation,
                      std::int32_t contourInterval);

  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;

  std::int32_t contourInterval() const { return value(); }  // m

 private:
  std::string highest_;
  std::string lowest_;
};

}  // namespace skyrig
