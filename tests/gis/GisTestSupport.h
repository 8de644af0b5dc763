// Test helpers for the GIS exchange: sample layers turned into GeoTIFFs through GDAL, and small
// GeoTIFFs written from values.
#pragma once

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "seams/Paths.h"
#include "seams/Ui.h"
#include "document/CSkyrigDoc.h"
#include "document/OpenDtm.h"
#include "document/OpenLayers.h"
#include "gis/GdalSetup.h"

namespace skyrig::testing {

inline std::string sampleRoot() { return std::string(SKYRIG_SOURCE_DIR) + "/examples/southzone"; }

// A fresh folder under the system's temporary folder, removed with the object.
struct ScratchFolder {
  ScratchFolder()
      : path(std::filesystem::temp_directory_path() /
             ("skyrig-gis-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

inline std::string wktOf(const char* definition) {
  OGRSpatialReference crs;
  crs.SetFromUserInput(definition);
  char* wkt = nullptr;
  crs.exportToWkt(&wkt);
  std::string text = wkt;
  CPLFree(wkt);
  return text;
}

// Converts an ESRI ASCII grid to a GeoTIFF with GDAL. GDAL takes the header's xllcorner and
// yllcorner as the outer corner; Skyrig's text reader takes them as the centre of the
// south-western cell, so the GeoTIFF is moved half a cell west and south to keep every cell
// centre where the text reader puts it. `bands` copies band 1 into further bands.
inline void asciiToGeoTiff(const std::filesystem::path& ascii, const std::filesystem::path& tif,
                           const char* crsDefinition = nullptr, int bands = 1) {
  gis::registerGdal();
  GDALDataset* source = GDALDataset::Open(ascii.string().c_str(), GDAL_OF_RASTER);
  ASSERT_NE(source, nullptr) << ascii;
  GDALRasterBand* in = source->GetRasterBand(1);
  const int ncols = source->GetRasterXSize();
  const int nrows = source->GetRasterYSize();
  GDALDriver* gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
  GDALDataset* target = gtiff->Create(tif.string().c_str(), ncols, nrows, bands,
                                      in->GetRasterDataType(), nullptr);
  double t[6];
  source->GetGeoTransform(t);
  t[0] -= t[1] / 2.0;
  t[3] += t[5] / 2.0;  // t[5] < 0: south by half a cell
  target->SetGeoTransform(t);
  if (crsDefinition != nullptr) {
    OGRSpatialReference crs;
    crs.SetFromUserInput(crsDefinition);
    target->SetSpatialRef(&crs);
  }
  std::vector<double> values(static_cast<std::size_t>(ncols) * nrows);
  ASSERT_EQ(in->RasterIO(GF_Read, 0, 0, ncols, nrows, values.data(), ncols, nrows, GDT_Float64, 0, 0),
            CE_None);
  int hasNoData = 0;
  const double noData = in->GetNoDataValue(&hasNoData);
  for (int b = 1; b <= bands; ++b) {
    GDALRasterBand* out = target->GetRasterBand(b);
    if (hasNoData) out->SetNoDataValue(noData);
    ASSERT_EQ(out->RasterIO(GF_Write, 0, 0, ncols, nrows, values.data(), ncols, nrows, GDT_Float64, 0, 0),
              CE_None);
  }
  GDALClose(target);
  GDALClose(source);
}

// A one-band Float32 GeoTIFF: west and north outer edges, cell size, values row by row.
inline void writeGeoTiff(const std::filesystem::path& tif, int ncols, int nrows, double west,
                         double north, double cellSize, const std::vector<float>& values,
                         const char* crsDefinition = nullptr) {
  gis::registerGdal();
  GDALDriver* gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
  GDALDataset* target = gtiff->Create(tif.string().c_str(), ncols, nrows, 1, GDT_Float32, nullptr);
  double t[6] = {west, cellSize, 0.0, north, 0.0, -cellSize};
  target->SetGeoTransform(t);
  if (crsDefinition != nullptr) {
    OGRSpatialReference crs;
    crs.SetFromUserInput(crsDefinition);
    target->SetSpatialRef(&crs);
  }
  ASSERT_EQ(target->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, ncols, nrows,
                                               const_cast<float*>(values.data()), ncols, nrows,
                                               GDT_Float32, 0, 0),
            CE_None);
  GDALClose(target);
}

struct LayerFiles {
  std::string dtm, volume, streams, roads, unit;
};

// The sample's layers, relative to its folder.
inline const LayerFiles kSampleAscii{"Forest/SouthZone/dem.dat", "Forest/SouthZone/thinnvolume.dat",
                              "Forest/SouthZone/streamsouth", "Forest/SouthZone/roadsouth",
                              "output/planningarea1/input/planning1final"};

inline void loadLayers(CSkyrigDoc& doc, const Paths& paths, Ui& ui, const LayerFiles& files) {
  doc.paths.dtmPath = files.dtm;
  doc.paths.volumePath = files.volume;
  doc.paths.streamPath = files.streams;
  doc.paths.roadPath = files.roads;
  doc.paths.boundaryPath = files.unit;
  openDtm(doc, paths, ui);
  openVolume(doc, paths, ui);
  openStreams(doc, paths, ui);
  openRoads(doc, paths, ui);
  openHarvestUnitByFile(doc, paths, ui);
}

// The sample's five layers converted to GeoTIFF in `folder` (absolute paths).
inline LayerFiles sampleAsGeoTiffs(const std::filesystem::path& folder, const char* crs) {
  const std::string root = sampleRoot() + "/";
  LayerFiles tifs;
  const std::pair<const std::string*, std::string*> pairs[] = {
      {&kSampleAscii.dtm, &tifs.dtm},     {&kSampleAscii.volume, &tifs.volume},
      {&kSampleAscii.streams, &tifs.streams}, {&kSampleAscii.roads, &tifs.roads},
      {&kSampleAscii.unit, &tifs.unit}};
  for (const auto& [ascii, tif] : pairs) {
    *tif = (folder / (std::filesystem::path(*ascii).filename().string() + ".tif")).string();
    asciiToGeoTiff(root + *ascii, *tif, crs);
  }
  return tifs;
}

}  // namespace skyrig::testing
