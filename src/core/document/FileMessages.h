// Messages about input and output files, shown with the exclamation icon.
#pragma once

#include <string_view>

namespace skyrig {

class Paths;
class Ui;

inline constexpr std::string_view kUnableToOpenFile = "Unable to open the file";

void reportUnableToOpen(Ui& ui);
// "<file as resolved>: the file was not saved: <reason>; the previous file is kept."
void reportNotSaved(Ui& ui, const Paths& paths, std::string_view systemPath,
                    std::string_view reason);
// "<file as resolved>: <what is wrong>."
void reportFileProblem(Ui& ui, const Paths& paths, std::string_view systemPath,
                       std::string_view what);

}  // namespace skyrig
