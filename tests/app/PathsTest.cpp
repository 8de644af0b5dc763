#include <gtest/gtest.h>

#include "seams/Paths.h"
#include "seams/Random.h"

namespace skyrig {
namespace {

TEST(Paths, DriveLetterThesisPathsMapUnderTheRoot) {
  Paths paths("/ws");
  EXPECT_EQ(paths.resolve("E:/thesis/Forest/SouthZone/dem.dat"), "/ws/Forest/SouthZone/dem.dat");
  EXPECT_EQ(paths.resolve("e:\\thesis\\output\\cablepath.txt"), "/ws/output/cablepath.txt");
  EXPECT_EQ(paths.resolve("E:\\thesis\\output\\cablepath.txt"),
            paths.resolve("e:/thesis/output/cablepath.txt"));
  EXPECT_EQ(paths.resolve("e:\\thesis\\output\\T&Results.txt"), "/ws/output/T&Results.txt");
}

TEST(Paths, PathsWithoutDriveLetterStandAsWritten) {
  Paths paths("/ws");
  EXPECT_EQ(paths.resolve("/data/dem.asc"), "/data/dem.asc");
  EXPECT_EQ(paths.resolve("layers/dem.asc"), "/ws/layers/dem.asc");
}

TEST(Random, FollowsTheCLibraryGeneratorFromSeedOne) {
  Random random;
  // The first values of the classic rand() with seed 1.
  EXPECT_EQ(random.next(), 41);
  EXPECT_EQ(random.next(), 18467);
  EXPECT_EQ(random.next(), 6334);
  EXPECT_EQ(random.next(), 26500);
}

}  // namespace
}  // namespace skyrig
