// The plan of the sample project written as GIS files and read back with GDAL; the plan made
// from GeoTIFF layers compared with the plan made from the ASCII layers.
#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

#include "GisTestSupport.h"
#include "view/AppContext.h"
#include "seams/Clock.h"
#include "app/CommandTable.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "gis/SpatialReference.h"
#include "planexport/PlanExport.h"
#include "planexport/PlanSolution.h"
#include "runs/PlanSheetData.h"
#include "runs/RunFiles.h"
#include "view/CSkyrigView.h"
#include "seams/RecordingCanvas.h"

namespace skyrig {
namespace {

namespace fs = std::filesystem;
using testing::kSampleAscii;
using testing::LayerFiles;
using testing::sampleRoot;

// The sample's frame as its PROVENANCE.md defines it (a local plate carree).
constexpr const char* kSampleFrame =
    "+proj=eqc +lat_ts=36.2529456 +lat_0=36.44625 +lon_0=-84.41375 +x_0=500000 +y_0=4000000 "
    "+R=6358110.934 +units=m +no_defs";

// A program over a scratch workspace whose output folder receives every file of the plan.
struct PlanApp {
  testing::ScratchFolder scratch;
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  std::unique_ptr<CSkyrigView> view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  RecordingCanvas canvas;
  Paths paths{scratch.path.string()};
  FixedClock clock{1000, 0};
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, clock, random};

  fs::path output(const std::string& name) const { return scratch.path / "output" / name; }

  // Loads `layers` (relative ones from the sample's folder), the sample's landings and timber
  // exit, analyses the cable roads and makes the separate run.
  void plan(const LayerFiles& layers, const std::string& crs) {
    initialUpdate(*doc, *view);
    doc->crsDefinition = crs;
    const auto absolute = [](const std::string& p) {
      return fs::path(p).is_absolute() ? p : sampleRoot() + "/" + p;
    };
    doc->paths.dtmPath = absolute(layers.dtm);
    doc->paths.volumePath = absolute(layers.volume);
    doc->paths.streamPath = absolute(layers.streams);
    doc->paths.roadPath = absolute(layers.roads);
    doc->paths.boundaryPath = absolute(layers.unit);
    doc->paths.landingsPath = absolute("output/planningarea1/input/Landings.dat");
    for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                           "BoundaryByFile", "LandingsOpen", "CablewaysGenerate",
                           "AnalysesCableways"})
      ASSERT_TRUE(runCommand(id, app)) << id;
    doc->timberExits[1] = {68, 72};
    doc->timberExitCount = 1;
    ASSERT_TRUE(runCommand("NetworkOptimizing", app));
    ASSERT_TRUE(ui.messages().empty()) << ui.messages()[0];
  }
};

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct DatasetCloser {
  void operator()(GDALDataset* d) const { GDALClose(d); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

Dataset open(const fs::path& file, unsigned flags) {
  return Dataset(GDALDataset::Open(file.string().c_str(), flags | GDAL_OF_READONLY));
}

std::string wkt(const OGRSpatialReference* crs) {
  if (crs == nullptr) return {};
  char* text = nullptr;
  crs->exportToWkt(&text);
  std::string s = text;
  CPLFree(text);
  return s;
}

int countWhere(OGRLayer& layer, const char* field, std::int64_t value) {
  int n = 0;
  layer.ResetReading();
  for (auto& feature : layer) n += feature->GetFieldAsInteger64(field) == value;
  return n;
}

class SamplePlanExport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sample = new PlanApp;
    sample->plan(kSampleAscii, kSampleFrame);
    report = new PlanExportReport(exportPlan(sample->app, "plan"));
  }
  static void TearDownTestSuite() {
    delete report;
    delete sample;
  }
  static PlanApp* sample;
  static PlanExportReport* report;
};
PlanApp* SamplePlanExport::sample = nullptr;
PlanExportReport* SamplePlanExport::report = nullptr;

TEST_F(SamplePlanExport, GeoPackageHoldsThePlanInTheDtmsFrame) {
  ASSERT_TRUE(report->problems.empty()) << report->problems[0];
  ASSERT_EQ(report->written.size(), 3u);
  const CSkyrigDoc& doc = *sample->doc;
  const RunWorkArea& runs = sample->view->runs;
  // The plan summary's figures: landings with volume, distinct cable roads of the solution.
  int landingsUsed = 0;
  for (int i = 1; i <= doc.landingCount; ++i) landingsUsed += runs.landingVolume[i] > 0.0f;
  std::set<std::pair<int, int>> roadsUsed;
  for (int i = 1; i <= runs.cableAssignments.count; ++i)
    roadsUsed.insert({runs.cableAssignments[i].landing, runs.cableAssignments[i].cableway});
  ASSERT_GT(landingsUsed, 0);

  const Dataset gpkg = open(sample->output("plan.gpkg"), GDAL_OF_VECTOR);
  ASSERT_TRUE(gpkg);
  std::vector<std::string> names;
  for (int i = 0; i < gpkg->GetLayerCount(); ++i) names.push_back(gpkg->GetLayer(i)->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"landings", "cable_roads", "intermediate_supports",
                                             "new_roads", "timber_exits", "cells"}));
  OGRLayer& landings = *gpkg->GetLayerByName("landings");
  OGRLayer& cableRoads = *gpkg->GetLayerByName("cable_roads");
  EXPECT_EQ(landings.GetFeatureCount(), 6);
  EXPECT_EQ(countWhere(landings, "used", 1), landingsUsed);
  EXPECT_EQ(countWhere(cableRoads, "used", 1), static_cast<int>(roadsUsed.size()));
  EXPECT_EQ(gpkg->GetLayerByName("cells")->GetFeatureCount(), 12624);
  EXPECT_EQ(gpkg->GetLayerByName("timber_exits")->GetFeatureCount(), 1);
  EXPECT_GT(gpkg->GetLayerByName("new_roads")->GetFeatureCount(), 0);

  // Landing 1 at C74R71: column 74 lies 73 cells east of x 511340, row 71 229 rows north of
  // y 4011600.
  landings.SetAttributeFilter("id = 1");
  auto first = std::unique_ptr<OGRFeature>(landings.GetNextFeature());
  ASSERT_TRUE(first);
  const auto* point = first->GetGeometryRef()->toPoint();
  EXPECT_EQ(point->getX(), 511340.0 + 730.0);
  EXPECT_EQ(point->getY(), 4011600.0 + 2290.0);
  EXPECT_EQ(first->GetFieldAsInteger("cable_system"), 1);

  for (OGRLayer* layer : gpkg->GetLayers())
    EXPECT_TRUE(gis::sameCrs(wkt(layer->GetSpatialRef()), doc.georeference.crsWkt)) << layer->GetName();

  // Every used road's volume adds up to the volume served.
  double volume = 0.0;
  cableRoads.ResetReading();
  for (auto& feature : cableRoads) volume += feature->GetFieldAsDouble("volume_m3");
  double landingVolume = 0.0;
  for (int i = 1; i <= doc.landingCount; ++i) landingVolume += runs.landingVolume[i];
  EXPECT_NEAR(volume, landingVolume, 0.01 * landingVolume);
}

TEST_F(SamplePlanExport, GeoTiffClassesCellsOnTheDtmGrid) {
  const Dataset tif = open(sample->output("plan.tif"), GDAL_OF_RASTER);
  ASSERT_TRUE(tif);
  const CSkyrigDoc& doc = *sample->doc;
  EXPECT_EQ(std::make_pair(tif->GetRasterXSize(), tif->GetRasterYSize()), std::make_pair(320, 300));
  double t[6];
  tif->GetGeoTransform(t);
  EXPECT_EQ(std::vector<double>(t, t + 6),
            (std::vector<double>{511335.0, 10.0, 0.0, 4014595.0, 0.0, -10.0}));
  EXPECT_TRUE(gis::sameCrs(wkt(tif->GetSpatialRef()), doc.georeference.crsWkt));
  GDALRasterBand* band = tif->GetRasterBand(1);
  ASSERT_NE(band->GetColorTable(), nullptr);
  std::vector<std::uint8_t> classes(320 * 300);
  ASSERT_EQ(band->RasterIO(GF_Read, 0, 0, 320, 300, classes.data(), 320, 300, GDT_Byte, 0, 0), CE_None);
  const RunWorkArea& runs = sample->view->runs;
  // Each served cell carries its landing; each cell no cable road reaches is marked so.
  for (int i = 1; i <= runs.cableAssignments.count; ++i) {
    const CellPoint cell = runs.cableAssignmentCells[i];
    ASSERT_EQ(classes[(cell.row - 1) * 320 + (cell.col - 1)], runs.cableAssignments[i].landing);
  }
  int unreachable = 0;
  int marked = 0;
  for (int r = 1; r <= 300; ++r)
    for (int c = 1; c <= 320; ++c) {
      unreachable += doc.unitCellFlags(c, r) == 1 && doc.volumeGrid(c, r) == -1.0f;
      marked += classes[(r - 1) * 320 + (c - 1)] == 252;
    }
  EXPECT_EQ(marked, unreachable);
}

TEST_F(SamplePlanExport, GpxNamesTheFieldPointsInWgs84) {
  const Dataset gpx = open(sample->output("plan.gpx"), GDAL_OF_VECTOR);
  ASSERT_TRUE(gpx);
  OGRLayer* waypoints = gpx->GetLayerByName("waypoints");
  ASSERT_NE(waypoints, nullptr);
  bool sawLanding = false;
  for (auto& w : *waypoints) {
    if (std::string(w->GetFieldAsString("name")) != "L1") continue;
    sawLanding = true;
    // Inverse of the sample's frame: lon = -84.41375 + 730 / 89487.76 ... of landing 1.
    const auto* p = w->GetGeometryRef()->toPoint();
    EXPECT_NEAR(p->getX(), -84.41375 + 12070.0 / 89487.76, 1e-6);
    EXPECT_NEAR(p->getY(), 36.44625 + 13890.0 / 110969.97, 1e-6);
  }
  EXPECT_TRUE(sawLanding);
}

TEST_F(SamplePlanExport, AnImprovedPlanGetsItsOwnLayersRasterAndWaypointsBesideTheRunsPlan) {
  // The run's plan as its reports state it gives the solution the run left in the view.
  PlanPaths paths;
  std::istringstream cableReport(readFile(sample->paths.resolve(kCableReportFile)));
  for (std::string line; std::getline(cableReport, line);) {
    CableReportLine entry;
    if (parseCableReportLine(line, entry)) paths.cable.push_back(entry);
  }
  paths.roads = parseRoadReport(readFile(sample->paths.resolve(kRoadReportFile)));
  const PlanSolution run = separateRunSolution(sample->app);
  const PlanSolution fromReports = planSolutionOf(*sample->doc, paths);
  ASSERT_EQ(fromReports.yarded.size(), run.yarded.size());
  for (int l = 1; l <= sample->doc->landingCount; ++l)
    EXPECT_NEAR(fromReports.landingVolume[l], run.landingVolume[l], 1e-3) << l;
  EXPECT_EQ(fromReports.roadPaths.size(), run.roadPaths.size());

  // A different plan beside it: landing 1's cells left unserved.
  std::erase_if(paths.cable, [](const CableReportLine& line) { return line.landing == 1; });
  const PlanSolution other = planSolutionOf(*sample->doc, paths);
  ASSERT_EQ(other.landingVolume[1], 0.0f);
  const PlanExportReport both = exportPlan(sample->app, "both", run, &other);
  ASSERT_TRUE(both.problems.empty()) << both.problems[0];
  EXPECT_EQ(both.written.size(), 5u);  // both.gpkg, .tif, .gpx; improved/both.tif, .gpx

  const Dataset gpkg = open(sample->output("both.gpkg"), GDAL_OF_VECTOR);
  const Dataset alone = open(sample->output("plan.gpkg"), GDAL_OF_VECTOR);
  ASSERT_TRUE(gpkg && alone);
  std::vector<std::string> names;
  for (int i = 0; i < gpkg->GetLayerCount(); ++i) names.push_back(gpkg->GetLayer(i)->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"landings", "cable_roads", "intermediate_supports",
                                             "new_roads", "timber_exits", "cells",
                                             "improved_landings", "improved_cable_roads",
                                             "improved_intermediate_supports",
                                             "improved_new_roads", "improved_cells"}));
  // The run's layers as without the improved plan, the improved plan's as it is.
  for (const char* layer : {"landings", "cable_roads", "cells"})
    for (const char* field : {"used", "served"}) {
      OGRLayer& a = *gpkg->GetLayerByName(layer);
      if (a.GetLayerDefn()->GetFieldIndex(field) < 0) continue;
      EXPECT_EQ(countWhere(a, field, 1), countWhere(*alone->GetLayerByName(layer), field, 1)) << layer;
    }
  EXPECT_EQ(countWhere(*gpkg->GetLayerByName("improved_landings"), "used", 1),
            countWhere(*gpkg->GetLayerByName("landings"), "used", 1) - 1);
  OGRLayer& improvedCells = *gpkg->GetLayerByName("improved_cells");
  improvedCells.SetAttributeFilter("landing = 1");
  EXPECT_EQ(improvedCells.GetFeatureCount(), 0);
  improvedCells.SetAttributeFilter(nullptr);
  EXPECT_EQ(countWhere(*gpkg->GetLayerByName("improved_cells"), "served", 1),
            countWhere(*gpkg->GetLayerByName("cells"), "served", 1) -
                countWhere(*gpkg->GetLayerByName("cells"), "landing", 1));

  // The improved plan's raster has no cell of landing 1; its waypoints no landing 1.
  const Dataset tif = open(sample->output("improved/both.tif"), GDAL_OF_RASTER);
  ASSERT_TRUE(tif);
  std::vector<std::uint8_t> classes(320 * 300);
  ASSERT_EQ(tif->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, 320, 300, classes.data(), 320, 300,
                                            GDT_Byte, 0, 0),
            CE_None);
  EXPECT_EQ(std::count(classes.begin(), classes.end(), std::uint8_t{1}), 0);
  EXPECT_GT(std::count(classes.begin(), classes.end(), std::uint8_t{2}), 0);
  EXPECT_EQ(readFile(sample->output("improved/both.gpx")).find("<name>L1</name>"), std::string::npos);
  EXPECT_NE(readFile(sample->output("both.gpx")).find("<name>L1</name>"), std::string::npos);
}

TEST_F(SamplePlanExport, FailedWritesLeaveTheFilesBeforeAndSaySo) {
  const std::string before = readFile(sample->output("plan.gpkg"));
  // The temporary name is taken by a folder and plan.tif by another: neither can be written.
  fs::create_directories(sample->output(".plan.writing.gpkg/busy"));
  fs::create_directories(sample->output("other.tif/busy"));
  const PlanExportReport failed = exportPlan(sample->app, "other");
  const PlanExportReport kept = exportPlan(sample->app, "plan");
  fs::remove_all(sample->output(".plan.writing.gpkg"));
  fs::remove_all(sample->output("other.tif"));
  ASSERT_EQ(kept.problems.size(), 1u);
  EXPECT_NE(kept.problems[0].find("plan.gpkg"), std::string::npos) << kept.problems[0];
  EXPECT_EQ(readFile(sample->output("plan.gpkg")), before);
  ASSERT_EQ(failed.problems.size(), 1u);
  EXPECT_EQ(failed.unwritten, std::vector<std::string>{sample->output("other.tif").string()});
  EXPECT_NE(failed.problems[0].find("other.tif: it is a folder"), std::string::npos)
      << failed.problems[0];
  EXPECT_NE(describePlanExport(failed).find("Not written: "), std::string::npos);
  for (const auto& entry : fs::directory_iterator(sample->scratch.path / "output"))
    EXPECT_EQ(entry.path().filename().string().find(".writing"), std::string::npos) << entry.path();
}

TEST(PlanExport, WithoutAPlanSaysSo) {
  PlanApp t;
  t.app.view.runs.cableAssignments.count = 0;
  EXPECT_FALSE(exportPlan(t.app, "plan").hasPlan);
  runCommand("ResultsExportPlan", t.app);
  ASSERT_EQ(t.ui.messages().size(), 1u);
  EXPECT_NE(t.ui.messages()[0].find("no plan to export"), std::string::npos);
}

// The same layers as GeoTIFFs give the same plan, file for file (the coordinate system of the
// ASCII plan changes none of them).
TEST_F(SamplePlanExport, PlanFromGeoTiffLayersEqualsThePlanFromAsciiLayers) {
  const PlanApp& ascii = *sample;
  PlanApp tiff;
  tiff.plan(testing::sampleAsGeoTiffs(tiff.scratch.path, nullptr), "");
  for (const char* file : {"ResultFile.dat", "T&ResultsSepFinal.txt", "bestcablepath.txt",
                           "bestroadpath.txt", "cablereport.txt", "roadreport.txt",
                           "cablematrix.txt", "roadmatrix.txt"}) {
    const std::string expected = readFile(ascii.output(file));
    EXPECT_FALSE(expected.empty()) << file;
    EXPECT_TRUE(readFile(tiff.output(file)) == expected) << file;
  }
  const PlanExportReport report = exportPlan(tiff.app, "plan");
  EXPECT_EQ(report.written.size(), 2u);  // no coordinate system: no GPX
  EXPECT_NE(describePlanExport(report).find("no coordinate system"), std::string::npos);
}

}  // namespace
}  // namespace skyrig
