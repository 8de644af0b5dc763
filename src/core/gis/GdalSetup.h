// GDAL as the program uses it: drivers registered once, errors kept quiet and handed back as
// text so that every caller can put them into its own message.
#pragma once

#include <string>

namespace skyrig::gis {

// Registers GDAL's drivers on first use; safe to call from any thread, any number of times.
void registerGdal();

// Collects GDAL's error messages on this thread while it lives instead of printing them;
// text() gives the last one ("" when GDAL reported none).
class GdalErrorCapture;
void keepGdalMessage(GdalErrorCapture& capture, const char* text);

class GdalErrorCapture {
 public:
  GdalErrorCapture();
  ~GdalErrorCapture();
  GdalErrorCapture(const GdalErrorCapture&) = delete;
  GdalErrorCapture& operator=(const GdalErrorCapture&) = delete;
  std::string text() const;
  int count() const { return count_; }  // errors reported so far

 private:
  friend void keepGdalMessage(GdalErrorCapture&, const char*);
  std::string last_;
  int count_ = 0;
};

}  // namespace skyrig::gis
