#include "gis/GdalSetup.h"

#include <cpl_error.h>
#include <gdal.h>

#include <mutex>

namespace skyrig::gis {

void keepGdalMessage(GdalErrorCapture& capture, const char* text) {
  capture.last_ = text != nullptr ? text : "";
  ++capture.count_;
}

namespace {

void CPL_STDCALL keepMessage(CPLErr level, CPLErrorNum, const char* text) {
  if (level < CE_Failure) return;
  auto* capture = static_cast<GdalErrorCapture*>(CPLGetErrorHandlerUserData());
  if (capture != nullptr) keepGdalMessage(*capture, text);
}

}  // namespace

void registerGdal() {
  static std::once_flag once;
  std::call_once(once, [] { GDALAllRegister(); });
}

GdalErrorCapture::GdalErrorCapture() {
  registerGdal();
  CPLPushErrorHandlerEx(keepMessage, this);
}

GdalErrorCapture::~GdalErrorCapture() { CPLPopErrorHandler(); }

std::string GdalErrorCapture::text() const { return last_; }

}  // namespace skyrig::gis
