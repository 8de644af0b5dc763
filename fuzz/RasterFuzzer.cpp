// The five raster loaders on one input: the four layers over the harness's terrain, then the
// input as the terrain itself.
#include "FuzzApp.h"
#include "document/OpenDtm.h"
#include "document/OpenLayers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skyrig;
  fuzz::FuzzApp& f = fuzz::fuzzApp();
  const std::string name = f.writeInput("layer.dat", data, size);
  InputPaths& p = f.doc->paths;
  p.volumePath = p.streamPath = p.roadPath = p.boundaryPath = name;
  openVolume(*f.doc, f.paths, f.ui);
  openStreams(*f.doc, f.paths, f.ui);
  openRoads(*f.doc, f.paths, f.ui);
  openHarvestUnitByFile(*f.doc, f.paths, f.ui);
  p.dtmPath = name;
  openDtm(*f.doc, f.paths, f.ui);
  f.ui.clearLog();
  if (f.doc->ncols != 12 || f.doc->nrows != 10 || f.doc->xll != 500000) f.loadTerrain();
  return 0;
}
