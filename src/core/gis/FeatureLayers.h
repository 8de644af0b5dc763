// Vector layers as plain data (geometry as coordinate lists, attributes as typed values), the
// form in which the program hands features to the GeoPackage and GPX writers.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace skyrig::gis {

enum class GeometryKind { Point, Line, Polygon };
enum class FieldKind { Integer, Real, Text };

struct Field {
  std::string name;
  FieldKind kind = FieldKind::Integer;
};

using FieldValue = std::variant<std::int64_t, double, std::string>;

struct Coordinate {
  double x = 0.0;
  double y = 0.0;
};

struct Feature {
  // One point, a line's vertices, or a polygon's outer ring (closed by the writer).
  std::vector<Coordinate> geometry;
  std::vector<FieldValue> values;  // one per field, in the layer's field order
};

struct FeatureLayer {
  std::string name;
  GeometryKind geometry = GeometryKind::Point;
  std::vector<Field> fields;
  std::vector<Feature> features;
};

// A named point for a handheld GPS, in the source coordinate system; `elevation` in metres.
struct Waypoint {
  std::string name;
  std::string description;
  Coordinate at;
  double elevation = 0.0;
};

}  // namespace skyrig::gis
