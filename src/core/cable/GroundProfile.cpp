#include "cable/GroundProfile.h"

#include <algorithm>
#include <cmath>

#include "document/CSkyrigDoc.h"
#include "document/CableWorkArea.h"
#include "document/NearestCell.h"

namespace skyrig {

namespace {

// Appends the point of the cell nearest to sample (x, y) when that cell has an elevation.
void addSample(const CSkyrigDoc& doc, const NearestCellSearch& nearest, CableWorkArea& work,
               double x, double y, double x0, double y0) {
  if (work.sampledCount >= kMaxProfileCount) return;
  const CellPoint cell = nearest.find(x, y);
  const DtmCell& dtm = doc.dtm(cell.col, cell.row);
  if (dtm.z <= 0) return;
  ProfilePoint& point = work.profile[++work.sampledCount];
  point.col = cell.col;
  point.row = cell.row;
  point.z = dtm.z;
  point.horDist = static_cast<float>(std::sqrt((x0 - x) * (x0 - x) + (y0 - y) * (y0 - y)));
  point.streamBuffer = doc.streamBufferGrid(cell.col, cell.row) >= 1 ? 1 : 0;
}

}  // namespace

void sampleProfile(CSkyrigDoc& doc, CableWorkArea& work, int landing, int system, int road) {
  CablewayRecord& record = doc.cableways[landing][road];
  const Landing& site = doc.landings[landing];
  const int c0 = site.col;
  const int r0 = site.row;
  const int cE = record.genEndCol;
  const int rE = record.genEndRow;
  work.sampledCount = 0;

  if (isInsideGrid(doc, c0, r0) && isInsideGrid(doc, cE, rE)) {
    const NearestCellSearch nearest(doc);
    const double x0 = doc.dtm(c0, r0).x;
    const double y0 = doc.dtm(c0, r0).y;
    const double a = record.slope;
    const double b = record.intercept;
    const float steepness = std::fabs(record.slope);
    if (steepness <= 1.0f || steepness == 10000.0f) {
      for (int c = std::min(c0, cE); c <= std::max(c0, cE); ++c) {
        const double x = doc.dtm(c, r0).x;
        addSample(doc, nearest, work, x, a * x + b, x0, y0);
      }
    } else if (steepness > 10000.0f) {
      for (int r = std::min(r0, rE); r <= std::max(r0, rE); ++r)
        addSample(doc, nearest, work, x0, doc.dtm(c0, r).y, x0, y0);
    } else {
      for (int r = std::min(r0, rE); r <= std::max(r0, rE); ++r) {
        const double y = doc.dtm(c0, r).y;
        addSample(doc, nearest, work, (y - b) / a, y, x0, y0);
      }
    }
    const int n = work.sampledCount;
    if (n > 0 && work.profile[n].horDist < work.profile[1].horDist)
      std::reverse(work.profile.begin() + 1, work.profile.begin() + n + 1);
  }

  record.genPointCount = work.sampledCount;
  if (doc.cableSystems[system].parametersChanged == 1) record.pointCount = work.sampledCount;
}

}  // namespace skyrig
