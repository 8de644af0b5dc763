// Text drawing on a QImage needs a Qt Gui application object; a headless program gets one on
// the offscreen platform the first time it draws.
#pragma once

namespace skyrig {

// Creates a QGuiApplication (offscreen unless QT_QPA_PLATFORM says otherwise) when the program
// has none yet; does nothing in the desktop application.
void ensureGuiApplication();

}  // namespace skyrig
