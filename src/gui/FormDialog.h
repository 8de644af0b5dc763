// FormDialog: the modal dialog of any FormModel. Lays out the model's fields in group boxes in
// field order, passes every keystroke, tick and choice to the model's edit event, and asks the
// model to validate on OK. The dialog holds no values of its own.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "seams/FormModel.h"

class QPushButton;

namespace skyrig {
class Ui;
}

namespace skyrig::gui {

class FormDialog : public QDialog {
  Q_OBJECT

 public:
  FormDialog(FormModel& model, Ui& ui, QWidget* parent = nullptr);

  // The editor of a field by its label: QLineEdit, QCheckBox, QComboBox or QLabel.
  QWidget* fieldWidget(const QString& label) const;
  // A model button ("Input more operation data"), OK or Cancel by its text.
  QPushButton* button(const QString& text) const;
  // Group box titles in the order they are laid out.
  QStringList groupTitles() const;

  // Shows the model's texts in every editor (an editor already showing its text is left alone).
  void showModelTexts();

 private:
  struct Editor {
    FormField field;
    QWidget* widget = nullptr;
  };

  void buildLayout();
  QWidget* makeEditor(const FormField& field);
  void fieldEdited(const Editor& editor, const std::string& text);
  void modelButtonPressed(const std::string& button);
  void okPressed();

  FormModel& model_;
  Ui& ui_;
  std::vector<Editor> editors_;
  std::vector<QPushButton*> buttons_;
  QStringList groupTitles_;
  bool showingModel_ = false;  // editors being filled from the model: no edit events
};

}  // namespace skyrig::gui
