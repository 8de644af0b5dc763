// Printing and print preview of the current map picture: the part of the picture that holds
// the map, scaled to fit the page with its proportions kept.
#pragma once

#include <QImage>
#include <QRect>

class QPainter;
class QPrinter;

namespace skyrig {
struct CSkyrigDoc;
struct CSkyrigView;
}  // namespace skyrig

namespace skyrig::gui {

class MapPicture;

// Pixels of the picture that hold the map with its margins; the whole picture before a DTM
// is loaded.
QRect mapPrintArea(const MapPicture& picture, const CSkyrigDoc& doc, const CSkyrigView& view);
// Draws `area` of `image` centred in `page`, as large as fits.
void paintMapPage(QPainter& painter, const QRectF& page, const QImage& image, const QRect& area);
// One page with the map picture.
void printMap(QPrinter& printer, const MapPicture& picture, const CSkyrigDoc& doc,
              const CSkyrigView& view);

}  // namespace skyrig::gui
