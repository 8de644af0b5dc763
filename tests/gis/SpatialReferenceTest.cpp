// Naming coordinate systems in the plan summary and in messages.
#include <gtest/gtest.h>

#include <string>

#include "gis/SpatialReference.h"

namespace skyrig::gis {
namespace {

std::string wktOf(const std::string& definition) {
  std::string wkt;
  EXPECT_EQ(crsFromDefinition(definition, wkt), "") << definition;
  return wkt;
}

TEST(SpatialReference, LabelsNameTheSystemOrShowItsDefinition) {
  EXPECT_EQ(crsLabel(""), "none");
  EXPECT_EQ(crsLabel(wktOf("EPSG:26917")), "NAD83 / UTM zone 17N (EPSG:26917)");
  // The sample's frame has no name: its PROJ definition is what tells a reader which it is.
  const std::string sample =
      "+proj=eqc +lat_ts=36.2529456 +lat_0=36.44625 +lon_0=-84.41375 +x_0=500000 +y_0=4000000 "
      "+R=6358110.934 +units=m +no_defs";
  const std::string label = crsLabel(wktOf(sample));
  EXPECT_EQ(label.rfind("+proj=eqc ", 0), 0u) << label;
  EXPECT_NE(label.find("+lon_0=-84.41375"), std::string::npos) << label;
  EXPECT_TRUE(sameCrs(wktOf(sample), wktOf(label)));
}

}  // namespace
}  // namespace skyrig::gis
