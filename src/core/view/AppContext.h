// AppContext: what a command runs against: the document, the view, and the seams to the
// outside world (messages and forms, drawing, file paths, wall clock, random numbers).
#pragma once

namespace skyrig {

struct CSkyrigDoc;
struct CSkyrigView;
class Ui;
class Canvas;
class Paths;
class Clock;
class Random;

struct AppContext {
  CSkyrigDoc& doc;
  CSkyrigView& view;
  Ui& ui;
  Canvas& canvas;
  Paths& paths;
  Clock& clock;
  Random& random;
};

}  // namespace skyrig
