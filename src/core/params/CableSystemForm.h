// The "Cable System" form: edits the cable and log figures of the five cable systems on a copy
// of all five sets. OK writes the copy back and marks the landings of edited systems as not
// analysed; Cancel leaves the document as it was.
#pragma once

#include <array>
#include <string>

#include "document/CableSystemParams.h"
#include "document/CableSystemTable.h"
#include "seams/FormModel.h"

namespace skyrig {

struct CSkyrigDoc;

inline constexpr int kCableFieldCount = 23;  // fields 0..22 of a set

using CableSystemSets = std::array<CableSystemParams, kCableSystemCount + 1>;  // slot 0 unused

class CableSystemForm : public FormModel {
 public:
  // Copies sets 1..5 with parametersChanged cleared and shows `currentSystem` (system 1 when
  // it is outside 1..5).
  CableSystemForm(const CableSystemSets& sets, int currentSystem);

  std::string title() const override { return "Cable System"; }
  std::vector<FormField> fields() const override;
  std::string fieldText(const std::string& label) const override;
  // Selector: switches the shown system (refused while a field holds a refused text).
  // Fields 0..22: validated on every change; an accepted value goes into the selected set and
  // flags it. Name: stored without blanks, not flagged. Check boxes: stored and flagged.
  bool editField(const std::string& label, const std::string& text, Ui& ui) override;
  std::vector<std::string> buttons() const override;
  // "Input more operation data": the "Operation data" form on the selected set of the copy.
  bool pressButton(const std::string& button, Ui& ui) override;
  bool validateOnOk(Ui& ui) override;

  int selectedSystem() const { return selected_; }
  const CableSystemParams& system(int s) const { return sets_[s]; }

  // The OK effects: the five sets and the selected system go to the document, then every
  // landing 1..landingCount whose system's set is flagged is marked not analysed.
  void apply(CSkyrigDoc& doc) const;

 private:
  void showSelected();
  bool readForm(Ui& ui) const;

  CableSystemSets sets_;
  int selected_ = 1;
  std::array<std::string, kCableFieldCount> texts_;
  std::string nameText_;
};

}  // namespace skyrig
