// Results > Export Map... and Cableways > Export Profile Sheet...: the printed sheets of the
// plan from the desktop application, to a file the user chooses.
#pragma once

class QWidget;

namespace skyrig {

struct AppContext;

// Asks for a PDF or PNG file and writes the map sheet of the current plan to it.
void exportMapSheet(QWidget* parent, AppContext& app);
// Asks for a landing and a cable road, then a PDF file, and writes that road's profile sheet.
void exportProfileSheet(QWidget* parent, AppContext& app);

}  // namespace skyrig
