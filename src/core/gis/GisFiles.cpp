#include "gis/GisFiles.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <functional>
#include <memory>

#include "gis/GdalSetup.h"

namespace skyrig::gis {

namespace {

namespace fs = std::filesystem;

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using DatasetHandle = std::unique_ptr<GDALDataset, DatasetCloser>;

std::string withGdalReason(std::string what, const GdalErrorCapture& errors) {
  const std::string why = errors.text();
  return why.empty() ? what : what + " (" + why + ")";
}

// Runs write(temporary) and renames the temporary file over `file`; on any failure the
// temporary file is removed and `file` stays as it was.
std::string replaceSafely(const fs::path& file,
                          const std::function<std::string(const fs::path&)>& write) {
  std::error_code ec;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder))
    return "cannot create the folder " + folder.string() + (ec ? ": " + ec.message() : "");
  if (fs::is_directory(file, ec)) return "cannot replace " + file.string() + ": it is a folder";
  const fs::path temporary =
      folder / ("." + file.stem().string() + ".writing" + file.extension().string());
  fs::remove(temporary, ec);
  std::string problem = write(temporary);
  if (problem.empty()) {
    fs::rename(temporary, file, ec);
    if (ec) problem = "cannot replace " + file.string() + ": " + ec.message();
  }
  if (!problem.empty()) {
    fs::remove(temporary, ec);
    fs::remove(fs::path(temporary.string() + ".aux.xml"), ec);
  }
  return problem;
}

// An empty WKT gives GeoPackage's "Undefined cartesian SRS": coordinates in an unknown plane,
// not the undefined geographic system GDAL would pick for a layer without one.
std::unique_ptr<OGRSpatialReference> undefinedCartesian() {
  auto crs = std::make_unique<OGRSpatialReference>();
  crs->SetLocalCS("Undefined cartesian SRS");
  return crs;
}

std::unique_ptr<OGRSpatialReference> spatialReference(const std::string& wkt) {
  if (wkt.empty()) return nullptr;
  auto crs = std::make_unique<OGRSpatialReference>();
  if (crs->importFromWkt(wkt.c_str()) != OGRERR_NONE) return nullptr;
  crs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  return crs;
}

std::unique_ptr<OGRGeometry> makeGeometry(GeometryKind kind, const std::vector<Coordinate>& at) {
  switch (kind) {
    case GeometryKind::Point:
      return std::make_unique<OGRPoint>(at.empty() ? 0.0 : at[0].x, at.empty() ? 0.0 : at[0].y);
    case GeometryKind::Line: {
      auto line = std::make_unique<OGRLineString>();
      for (const Coordinate& c : at) line->addPoint(c.x, c.y);
      return line;
    }
    case GeometryKind::Polygon: {
      OGRLinearRing ring;
      for (const Coordinate& c : at) ring.addPoint(c.x, c.y);
      ring.closeRings();
      auto polygon = std::make_unique<OGRPolygon>();
      polygon->addRing(&ring);
      return polygon;
    }
  }
  return nullptr;
}

OGRwkbGeometryType geometryType(GeometryKind kind) {
  switch (kind) {
    case GeometryKind::Point: return wkbPoint;
    case GeometryKind::Line: return wkbLineString;
    case GeometryKind::Polygon: return wkbPolygon;
  }
  return wkbUnknown;
}

OGRFieldType fieldType(FieldKind kind) {
  switch (kind) {
    case FieldKind::Integer: return OFTInteger64;
    case FieldKind::Real: return OFTReal;
    case FieldKind::Text: return OFTString;
  }
  return OFTString;
}

void setField(OGRFeature& feature, int index, const FieldValue& value) {
  if (const auto* i = std::get_if<std::int64_t>(&value)) feature.SetField(index, static_cast<GIntBig>(*i));
  if (const auto* d = std::get_if<double>(&value)) feature.SetField(index, *d);
  if (const auto* s = std::get_if<std::string>(&value)) feature.SetField(index, s->c_str());
}

std::string writeLayer(GDALDataset& dataset, const OGRSpatialReference* crs,
                       const FeatureLayer& layer, const GdalErrorCapture& errors) {
  OGRLayer* out = dataset.CreateLayer(layer.name.c_str(), const_cast<OGRSpatialReference*>(crs), geometryType(layer.geometry), nullptr);
  if (out == nullptr) return withGdalReason("cannot create the layer " + layer.name, errors);
  for (const Field& field : layer.fields) {
    OGRFieldDefn definition(field.name.c_str(), fieldType(field.kind));
    if (out->CreateField(&definition) != OGRERR_NONE)
      return withGdalReason("cannot create the field " + layer.name + "." + field.name, errors);
  }
  if (out->StartTransaction() != OGRERR_NONE)
    return withGdalReason("cannot write the layer " + layer.name, errors);
  for (const Feature& feature : layer.features) {
    OGRFeature record(out->GetLayerDefn());
    for (std::size_t i = 0; i < feature.values.size() && i < layer.fields.size(); ++i)
      setField(record, static_cast<int>(i), feature.values[i]);
    std::unique_ptr<OGRGeometry> geometry = makeGeometry(layer.geometry, feature.geometry);
    record.SetGeometry(geometry.get());
    if (out->CreateFeature(&record) != OGRERR_NONE) {
      out->RollbackTransaction();
      return withGdalReason("cannot write a feature of " + layer.name, errors);
    }
  }
  if (out->CommitTransaction() != OGRERR_NONE)
    return withGdalReason("cannot write the layer " + layer.name, errors);
  return {};
}

GDALDriver* driver(const char* name) {
  registerGdal();
  return GetGDALDriverManager()->GetDriverByName(name);
}

}  // namespace

std::string writeGeoPackage(const fs::path& file, const std::string& crsWkt,
                            const std::vector<FeatureLayer>& layers) {
  return replaceSafely(file, [&](const fs::path& temporary) -> std::string {
    GdalErrorCapture errors;
    GDALDriver* gpkg = driver("GPKG");
    if (gpkg == nullptr) return "this GDAL has no GeoPackage driver";
    DatasetHandle dataset(gpkg->Create(temporary.string().c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!dataset) return withGdalReason("cannot write " + file.string(), errors);
    const auto crs = crsWkt.empty() ? undefinedCartesian() : spatialReference(crsWkt);
    for (const FeatureLayer& layer : layers) {
      const std::string problem = writeLayer(*dataset, crs.get(), layer, errors);
      if (!problem.empty()) return file.string() + ": " + problem;
    }
    const int failuresBefore = errors.count();
    dataset.reset();  // closing writes what GDAL still holds
    if (errors.count() > failuresBefore) return withGdalReason("cannot finish " + file.string(), errors);
    return {};
  });
}

std::string writeClassGeoTiff(const fs::path& file, const std::string& crsWkt, double westEdge,
                              double northEdge, double cellSize, int ncols, int nrows,
                              const std::vector<std::uint8_t>& classes,
                              const std::vector<ClassColour>& colours) {
  return replaceSafely(file, [&](const fs::path& temporary) -> std::string {
    GdalErrorCapture errors;
    GDALDriver* gtiff = driver("GTiff");
    if (gtiff == nullptr) return "this GDAL has no GeoTIFF driver";
    const char* options[] = {"COMPRESS=DEFLATE", nullptr};
    DatasetHandle dataset(gtiff->Create(temporary.string().c_str(), ncols, nrows, 1, GDT_Byte,
                                        const_cast<char**>(options)));
    if (!dataset) return withGdalReason("cannot write " + file.string(), errors);
    double transform[6] = {westEdge, cellSize, 0.0, northEdge, 0.0, -cellSize};
    dataset->SetGeoTransform(transform);
    if (const auto crs = spatialReference(crsWkt)) dataset->SetSpatialRef(crs.get());
    GDALRasterBand* band = dataset->GetRasterBand(1);
    band->SetNoDataValue(0);
    GDALColorTable table;
    for (std::size_t i = 0; i < colours.size(); ++i) {
      const GDALColorEntry entry{colours[i].red, colours[i].green, colours[i].blue,
                                 static_cast<short>(i == 0 ? 0 : 255)};
      table.SetColorEntry(static_cast<int>(i), &entry);
    }
    band->SetColorTable(&table);
    band->SetColorInterpretation(GCI_PaletteIndex);
    if (band->RasterIO(GF_Write, 0, 0, ncols, nrows, const_cast<std::uint8_t*>(classes.data()),
                       ncols, nrows, GDT_Byte, 0, 0) != CE_None)
      return withGdalReason("cannot write the cells of " + file.string(), errors);
    const int failuresBefore = errors.count();
    dataset.reset();  // closing writes what GDAL still holds
    if (errors.count() > failuresBefore) return withGdalReason("cannot finish " + file.string(), errors);
    return {};
  });
}

std::string writeGpxWaypoints(const fs::path& file, const std::string& crsWkt,
                              const std::vector<Waypoint>& waypoints) {
  return replaceSafely(file, [&](const fs::path& temporary) -> std::string {
    GdalErrorCapture errors;
    const auto source = spatialReference(crsWkt);
    if (!source) return "the plan has no coordinate system to place " + file.string();
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    std::unique_ptr<OGRCoordinateTransformation> toWgs84(
        OGRCreateCoordinateTransformation(source.get(), &wgs84));
    if (!toWgs84) return withGdalReason("cannot transform the plan's coordinates to WGS 84", errors);
    GDALDriver* gpx = driver("GPX");
    if (gpx == nullptr) return "this GDAL has no GPX driver";
    DatasetHandle dataset(gpx->Create(temporary.string().c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!dataset) return withGdalReason("cannot write " + file.string(), errors);
    OGRLayer* layer = dataset->CreateLayer("waypoints", &wgs84, wkbPoint, nullptr);
    if (layer == nullptr) return withGdalReason("cannot write the waypoints of " + file.string(), errors);
    for (const Waypoint& w : waypoints) {
      double x = w.at.x;
      double y = w.at.y;
      if (!toWgs84->Transform(1, &x, &y))
        return "cannot transform the waypoint " + w.name + " to WGS 84";
      OGRFeature feature(layer->GetLayerDefn());
      feature.SetField("name", w.name.c_str());
      feature.SetField("desc", w.description.c_str());
      feature.SetField("ele", w.elevation);
      OGRPoint point(x, y);
      feature.SetGeometry(&point);
      if (layer->CreateFeature(&feature) != OGRERR_NONE)
        return withGdalReason("cannot write the waypoint " + w.name, errors);
    }
    const int failuresBefore = errors.count();
    dataset.reset();  // closing writes what GDAL still holds
    if (errors.count() > failuresBefore) return withGdalReason("cannot finish " + file.string(), errors);
    return {};
  });
}

}  // namespace skyrig::gis
