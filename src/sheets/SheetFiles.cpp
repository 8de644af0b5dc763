#include "SheetFiles.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <memory>

#include "GuiApplication.h"
#include "PlanReport.h"
#include "ProfileSheet.h"
#include "SheetPage.h"
#include "document/CSkyrigDoc.h"
#include "runs/PlanImprovement.h"

namespace skyrig::sheets {

namespace {

constexpr int kPdfDpi = 300;
constexpr int kPngDpi = 150;

QString qPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// A PDF writer on an opened file; null with a problem noted when the file cannot be created.
struct PdfFile {
  std::unique_ptr<QFile> file;
  std::unique_ptr<QPdfWriter> writer;
};

PdfFile openPdf(const std::filesystem::path& path, bool landscape, bool a3, SheetOutput& output) {
  PdfFile pdf;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  pdf.file = std::make_unique<QFile>(qPath(path));
  if (!pdf.file->open(QIODevice::WriteOnly)) {
    output.problems.push_back(path.string() + " cannot be written: " +
                              pdf.file->errorString().toStdString());
    output.unwritten.push_back(path.string());
    pdf.file.reset();
    return pdf;
  }
  pdf.writer = std::make_unique<QPdfWriter>(pdf.file.get());
  pdf.writer->setResolution(kPdfDpi);
  pdf.writer->setCreator(QStringLiteral("Skyrig"));
  pdf.writer->setPageLayout(QPageLayout(QPageSize(a3 ? QPageSize::A3 : QPageSize::A4),
                                        landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0)));
  return pdf;
}

void setPage(QPdfWriter& writer, bool landscape, bool a3) {
  writer.setPageLayout(QPageLayout(QPageSize(a3 ? QPageSize::A3 : QPageSize::A4),
                                   landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
}

bool finish(PdfFile& pdf, QPainter& painter, const std::filesystem::path& path, SheetOutput& output) {
  painter.end();
  pdf.writer.reset();
  const bool ok = pdf.file->error() == QFileDevice::NoError;
  pdf.file->close();
  if (ok)
    output.written.push_back(path.string());
  else {
    output.problems.push_back(path.string() + " could not be written completely");
    output.unwritten.push_back(path.string());
  }
  return ok;
}

}  // namespace

std::string safeFileName(const std::string& name) {
  std::string safe;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    const bool bad = u < 32 || u == 127 || c == '/' || c == '\\' || c == ':' || c == '*' ||
                     c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
    safe += bad ? '_' : c;
  }
  while (!safe.empty() && (safe.back() == ' ' || safe.back() == '.')) safe.pop_back();
  if (safe.empty() || safe.find_first_not_of('.') == std::string::npos) safe = "plan";
  return safe;
}

std::vector<std::pair<int, int>> usedRoads(const PlanSheetData& plan) {
  std::vector<std::pair<int, int>> roads;
  for (const PlanCableRoad& road : plan.cableRoads)
    if (road.used) roads.emplace_back(road.landing, road.road);
  return roads;
}

void writeMapSheet(const CSkyrigDoc& doc, const PlanSheetData& plan, const SheetTitle& title,
                   const std::filesystem::path& pdfPath, const std::filesystem::path& pngPath,
                   SheetOutput& output) {
  ensureGuiApplication();
  if (!pdfPath.empty()) {
    PdfFile pdf = openPdf(pdfPath, true, true, output);
    if (pdf.writer) {
      QPainter painter(pdf.writer.get());
      const SheetPage page{painter, kPdfDpi / 25.4, kA3Width, kA3Height};
      paintMapSheet(page, doc, plan, title);
      finish(pdf, painter, pdfPath, output);
    }
  }
  if (!pngPath.empty()) {
    const double unitsPerMm = kPngDpi / 25.4;
    QImage image(static_cast<int>(kA3Width * unitsPerMm), static_cast<int>(kA3Height * unitsPerMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(unitsPerMm * 1000));
    image.setDotsPerMeterY(static_cast<int>(unitsPerMm * 1000));
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      const SheetPage page{painter, unitsPerMm, kA3Width, kA3Height};
      paintMapSheet(page, doc, plan, title);
    }
    std::error_code ec;
    std::filesystem::create_directories(pngPath.parent_path(), ec);
    if (image.save(qPath(pngPath), "PNG"))
      output.written.push_back(pngPath.string());
    else {
      output.problems.push_back(pngPath.string() + " cannot be written");
      output.unwritten.push_back(pngPath.string());
    }
  }
}

void writeProfileSheets(CSkyrigDoc& doc, const PlanSheetData& plan, const SheetTitle& title,
                        const std::vector<std::pair<int, int>>& roads,
                        const std::filesystem::path& folder, const std::filesystem::path& combined,
                        SheetOutput& output) {
  ensureGuiApplication();
  std::vector<ProfileSheetData> sheets;
  for (const auto& [landing, road] : roads) {
    ProfileSheetData data;
    std::string error;
    if (!computeProfileSheet(doc, landing, road, data, error)) {
      output.problems.push_back("no profile sheet for L" + std::to_string(landing) + "-R" +
                                std::to_string(road) + ": " + error);
      continue;
    }
    sheets.push_back(std::move(data));
  }
  for (const ProfileSheetData& sheet : sheets) {
    if (folder.empty()) break;
    const auto path = folder / ("L" + std::to_string(sheet.landing) + "-R" + std::to_string(sheet.road) + ".pdf");
    PdfFile pdf = openPdf(path, true, false, output);
    if (!pdf.writer) continue;
    QPainter painter(pdf.writer.get());
    paintProfileSheet({painter, kPdfDpi / 25.4, kA4Width, kA4Height}, sheet,
                      plan.findRoad(sheet.landing, sheet.road), title);
    finish(pdf, painter, path, output);
  }
  if (combined.empty() || sheets.empty()) return;
  PdfFile pdf = openPdf(combined, true, false, output);
  if (!pdf.writer) return;
  QPainter painter(pdf.writer.get());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0) pdf.writer->newPage();
    paintProfileSheet({painter, kPdfDpi / 25.4, kA4Width, kA4Height}, sheets[i],
                      plan.findRoad(sheets[i].landing, sheets[i].road), title);
  }
  finish(pdf, painter, combined, output);
}

SheetTitle improvedPlanTitle(const SheetTitle& title) {
  return {title.project + QStringLiteral(" (improved plan)"), title.date};
}

void writePlanReport(CSkyrigDoc& doc, const PlanSheetData& plan, const SheetTitle& title,
                     const std::filesystem::path& path, SheetOutput& output,
                     const PlanImprovement* improvement) {
  ensureGuiApplication();
  PdfFile pdf = openPdf(path, false, false, output);
  if (!pdf.writer) return;
  QPainter painter(pdf.writer.get());
  const double unitsPerMm = kPdfDpi / 25.4;
  paintReportTables(*pdf.writer, painter, unitsPerMm, plan, title, improvement);

  setPage(*pdf.writer, true, true);
  pdf.writer->newPage();
  paintMapSheet({painter, unitsPerMm, kA3Width, kA3Height}, doc, plan, title);
  if (improvement) {
    pdf.writer->newPage();
    paintMapSheet({painter, unitsPerMm, kA3Width, kA3Height}, doc,
                  gatherPlanSheetData(doc, improvement->improvedPaths), improvedPlanTitle(title));
  }

  setPage(*pdf.writer, true, false);
  for (const auto& [landing, road] : usedRoads(plan)) {
    ProfileSheetData data;
    std::string error;
    if (!computeProfileSheet(doc, landing, road, data, error)) {
      output.problems.push_back("no profile sheet for L" + std::to_string(landing) + "-R" +
                                std::to_string(road) + " in the report: " + error);
      continue;
    }
    pdf.writer->newPage();
    paintProfileSheet({painter, unitsPerMm, kA4Width, kA4Height}, data, plan.findRoad(landing, road), title);
  }
  finish(pdf, painter, path, output);
}

}  // namespace skyrig::sheets
