#include "ToolIcons.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

// The icons are compiled into the program; a static library needs its resources initialised
// by name, from the global namespace.
static void initToolIconResources() { Q_INIT_RESOURCE(ToolIcons); }

namespace skyrig::gui {

namespace {

// The program's own icon of a command (SVG, drawn for this program); null when it has none or
// SVG icons cannot be shown here.
QIcon ownIcon(std::string_view commandId) {
  static const bool initialised = (initToolIconResources(), true);
  (void)initialised;
  const QString file = QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(commandId.data(), static_cast<qsizetype>(commandId.size())));
  if (!QFile::exists(file)) return {};
  QIcon icon(file);
  return icon.pixmap(24, 24).isNull() ? QIcon() : icon;
}

struct Glyph {
  std::string_view id;
  const char* letters;
  QRgb tile;
};

// Tiles coloured by what the command works on: files, layers, design, network, view.
constexpr Glyph kGlyphs[] = {
    {"EditCut", "Cut", 0xff7a7a7a},
    {"EditCopy", "Cpy", 0xff7a7a7a},
    {"EditPaste", "Pst", 0xff7a7a7a},
    {"FilePrint", "Prt", 0xff4d5d73},
    {"FileOpenDtm", "DTM", 0xff8a5a2b},
    {"FileOpenVolume", "Vol", 0xff2f7d32},
    {"FileOpenStreams", "Str", 0xff1f5fa8},
    {"FileOpenRoads", "Rd", 0xff5d4037},
    {"BoundaryByFile", "HU", 0xff6a3d9a},
    {"LayersShowDem", "DEM", 0xffc0862b},
    {"LayersShowVolume", "Vol", 0xff4caf50},
    {"LayersShowStreams", "Str", 0xff42a5f5},
    {"LayersShowRoads", "Rd", 0xff8d6e63},
    {"LayersShowHarvestArea", "HA", 0xff9c6ade},
    {"BoundaryByMouse", "Bnd", 0xff6a3d9a},
    {"LandingsPlace", "L+", 0xffc62828},
    {"CablewaysGenerate", "CR", 0xff00838f},
    {"CablewaysCheckProfile", "Prf", 0xff00838f},
    {"AnalysesCableways", "Ana", 0xff00695c},
    {"LayersClumpCells", "Clp", 0xff558b2f},
    {"NetworkRoadsTimberExits", "TE", 0xff2e7d32},
    {"NetworkOptimizing", "Opt", 0xffad1457},
    {"LayersDrawContours", "Ctr", 0xff795548},
    {"ZoomIn", "+", 0xff37474f},
    {"ZoomOut", "-", 0xff37474f},
    {"HelpAbout", "?", 0xff1565c0},
    {"HelpContext", "?!", 0xff1565c0},
};

QIcon lettersIcon(const char* letters, QColor tile) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  QFont font = QApplication::font();
  font.setBold(true);
  font.setPixelSize(std::char_traits<char>::length(letters) > 2 ? 11 : 15);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QString::fromLatin1(letters));
  return QIcon(pixmap);
}

}  // namespace

QIcon toolIcon(std::string_view commandId) {
  if (QIcon own = ownIcon(commandId); !own.isNull()) return own;
  QStyle* style = QApplication::style();
  if (commandId == "FileNew") return style->standardIcon(QStyle::SP_FileIcon);
  if (commandId == "FileOpen") return style->standardIcon(QStyle::SP_DialogOpenButton);
  if (commandId == "FileSave") return style->standardIcon(QStyle::SP_DialogSaveButton);
  for (const Glyph& glyph : kGlyphs)
    if (glyph.id == commandId) return lettersIcon(glyph.letters, QColor::fromRgba(glyph.tile));
  if (commandId == "ToolbarUnassigned") return lettersIcon("", QColor(200, 200, 200));
  return {};
}

QIcon applicationIcon() {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(220, 235, 250));
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  QPainterPath hill;
  hill.moveTo(2, 60);
  hill.cubicTo(20, 20, 40, 30, 62, 44);
  hill.lineTo(62, 60);
  hill.closeSubpath();
  painter.setBrush(QColor(60, 140, 60));
  painter.drawPath(hill);
  painter.setPen(QPen(QColor(90, 60, 30), 4));
  painter.drawLine(QPointF(12, 44), QPointF(12, 16));
  painter.drawLine(QPointF(54, 40), QPointF(54, 26));
  painter.setPen(QPen(Qt::black, 2));
  painter.drawLine(QPointF(12, 16), QPointF(54, 26));
  return QIcon(pixmap);
}

}  // namespace skyrig::gui
