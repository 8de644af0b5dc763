#include "gis/RasterSource.h"

#include <gdal_priv.h>

#include <cmath>
#include <memory>

#include "gis/GdalSetup.h"

namespace skyrig::gis {

namespace {

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using DatasetHandle = std::unique_ptr<GDALDataset, DatasetCloser>;

}  // namespace

bool isOtherGdalRaster(const std::filesystem::path& file) {
  GdalErrorCapture quiet;
  GDALDriverH driver = GDALIdentifyDriverEx(file.string().c_str(), GDAL_OF_RASTER, nullptr, nullptr);
  if (driver == nullptr) return false;
  const std::string name = GDALGetDriverShortName(driver);
  return name != "AAIGrid";
}

std::string readGdalRaster(const std::filesystem::path& file, int maxColumnsRows,
                           double noDataAs, GdalRaster& raster) {
  GdalErrorCapture errors;
  DatasetHandle dataset(GDALDataset::Open(file.string().c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
  if (!dataset) {
    const std::string why = errors.text();
    return "GDAL cannot read it" + (why.empty() ? std::string() : " (" + why + ")");
  }
  raster = GdalRaster{};
  raster.driver = dataset->GetDriver() != nullptr ? dataset->GetDriver()->GetDescription() : "";
  raster.ncols = dataset->GetRasterXSize();
  raster.nrows = dataset->GetRasterYSize();
  raster.bandCount = dataset->GetRasterCount();
  if (raster.bandCount < 1) return "it holds no raster band";

  double transform[6] = {0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
  if (dataset->GetGeoTransform(transform) != CE_None)
    return "it has no georeference (no cell size or origin)";
  raster.westEdge = transform[0];
  raster.northEdge = transform[3];
  raster.cellWidth = transform[1];
  raster.cellHeight = -transform[5];
  raster.northUp = transform[2] == 0.0 && transform[4] == 0.0 && transform[1] > 0.0 &&
                   transform[5] < 0.0;
  if (const OGRSpatialReference* crs = dataset->GetSpatialRef(); crs != nullptr && !crs->IsEmpty()) {
    char* wkt = nullptr;
    const char* options[] = {"FORMAT=WKT2_2019", nullptr};
    if (crs->exportToWkt(&wkt, options) == OGRERR_NONE && wkt != nullptr) raster.crsWkt = wkt;
    CPLFree(wkt);
  }
  if (raster.ncols > maxColumnsRows || raster.nrows > maxColumnsRows) return {};

  GDALRasterBand* band = dataset->GetRasterBand(1);
  int hasNoData = 0;
  const double noData = band->GetNoDataValue(&hasNoData);
  raster.values.resize(static_cast<std::size_t>(raster.ncols) * static_cast<std::size_t>(raster.nrows));
  if (band->RasterIO(GF_Read, 0, 0, raster.ncols, raster.nrows, raster.values.data(), raster.ncols,
                     raster.nrows, GDT_Float64, 0, 0) != CE_None) {
    raster.values.clear();
    const std::string why = errors.text();
    return "its cells cannot be read" + (why.empty() ? std::string() : " (" + why + ")");
  }
  for (double& v : raster.values)
    if (std::isnan(v) || (hasNoData && v == noData)) v = noDataAs;
  return {};
}

}  // namespace skyrig::gis
