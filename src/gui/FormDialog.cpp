#include "FormDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>


namespace skyrig::gui {

namespace {

bool isTicked(const std::string& text) {
  return text == "1" || text == "true" || text == "yes" || text == "on";
}

QString qText(const std::string& text) { return QString::fromStdString(text); }

// Rows a section of fields takes in a column, counting the group box frame as one.
int sectionRows(int fieldCount, bool boxed) { return fieldCount + (boxed ? 1 : 0); }

// Words for the abbreviations of the forms' labels, shown as tool tips.
QString explanation(const std::string& label) {
  const QString text = QString::fromStdString(label);
  QStringList words;
  if (text.contains(QStringLiteral("SKL"))) words << QStringLiteral("SKL: skyline");
  if (text.contains(QStringLiteral("MNL"))) words << QStringLiteral("MNL: mainline");
  if (text.contains(QStringLiteral("HBL"))) words << QStringLiteral("HBL: haulback line");
  if (text.contains(QStringLiteral("INT"))) words << QStringLiteral("INT: intermediate support");
  return words.join(QLatin1Char('\n'));
}

}  // namespace

FormDialog::FormDialog(FormModel& model, Ui& ui, QWidget* parent)
    : QDialog(parent), model_(model), ui_(ui) {
  setWindowTitle(qText(model_.title()));
  setModal(true);
  buildLayout();
  showModelTexts();
}

QWidget* FormDialog::makeEditor(const FormField& field) {
  switch (field.kind) {
    case FieldKind::Text: {
      auto* edit = new QLineEdit(this);
      edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14);
      return edit;
    }
    case FieldKind::CheckBox: return new QCheckBox(qText(field.label), this);
    case FieldKind::Selector: {
      auto* box = new QComboBox(this);
      for (const std::string& choice : field.choices) box->addItem(qText(choice));
      return box;
    }
    case FieldKind::ReadOnly: {
      auto* label = new QLabel(this);
      label->setWordWrap(field.label.empty());
      label->setTextInteractionFlags(Qt::TextSelectableByMouse);
      return label;
    }
  }
  return new QLabel(this);
}

void FormDialog::buildLayout() {
  // Sections: the fields of one group box in field order; a group keeps the place where it
  // first appears. Fields without a group stand unboxed at their own place.
  struct Section {
    std::string group;
    std::vector<FormField> fields;
  };
  std::vector<Section> sections;
  std::map<std::string, std::size_t> sectionOfGroup;
  for (const FormField& field : model_.fields()) {
    if (!field.group.empty()) {
      auto found = sectionOfGroup.find(field.group);
      if (found != sectionOfGroup.end()) {
        sections[found->second].fields.push_back(field);
        continue;
      }
      sectionOfGroup[field.group] = sections.size();
    }
    if (field.group.empty() && !sections.empty() && sections.back().group.empty()) {
      sections.back().fields.push_back(field);
      continue;
    }
    sections.push_back({field.group, {field}});
  }

  // Long forms go into two or three columns of roughly equal height.
  int totalRows = 0;
  for (const Section& s : sections)
    totalRows += sectionRows(static_cast<int>(s.fields.size()), !s.group.empty());
  const int columns = totalRows > 34 ? 3 : totalRows > 16 ? 2 : 1;
  const int rowsPerColumn = (totalRows + columns - 1) / columns;

  auto* outer = new QVBoxLayout(this);
  auto* columnsLayout = new QHBoxLayout;
  outer->addLayout(columnsLayout);
  QVBoxLayout* column = nullptr;
  int columnRows = 0;
  for (const Section& section : sections) {
    const int rows = sectionRows(static_cast<int>(section.fields.size()), !section.group.empty());
    if (column == nullptr || (columnRows > 0 && columnRows + rows > rowsPerColumn &&
                              columnsLayout->count() < columns)) {
      if (column != nullptr) column->addStretch(1);
      column = new QVBoxLayout;
      columnsLayout->addLayout(column);
      columnRows = 0;
    }
    columnRows += rows;

    QWidget* holder = this;
    auto* grid = new QGridLayout;
    if (!section.group.empty()) {
      auto* box = new QGroupBox(qText(section.group), this);
      box->setLayout(grid);
      column->addWidget(box);
      groupTitles_ << box->title();
      holder = box;
    } else {
      column->addLayout(grid);
    }
    int row = 0;
    for (const FormField& field : section.fields) {
      QWidget* widget = makeEditor(field);
      widget->setParent(holder);
      widget->setObjectName(qText(field.label));
      const bool spansRow =
          field.kind == FieldKind::CheckBox || (field.kind == FieldKind::ReadOnly && field.label.empty());
      if (spansRow) {
        grid->addWidget(widget, row, 0, 1, 2);
      } else {
        auto* label = new QLabel(qText(field.label), holder);
        label->setBuddy(widget);
        grid->addWidget(label, row, 0);
        grid->addWidget(widget, row, 1);
      }
      const QString explained = explanation(field.label);
      if (!explained.isEmpty()) {
        widget->setToolTip(explained);
        if (QLayoutItem* item = grid->itemAtPosition(row, 0)) item->widget()->setToolTip(explained);
      }
      if (!field.unit.empty()) {
        auto* unit = new QLabel(qText(field.unit), holder);
        grid->addWidget(unit, row, 2);
        // Angles are kept in radians; the degrees are shown beside them as they are typed.
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (field.unit.rfind("rad", 0) == 0 && edit != nullptr) {
          unit->setToolTip(QStringLiteral("radians (180 degrees = 3.141592 rad)"));
          const QString radians = qText(field.unit);
          const auto showDegrees = [unit, radians](const QString& text) {
            bool ok = false;
            const double value = text.trimmed().toDouble(&ok);
            unit->setText(ok ? radians + QStringLiteral(" = %1\u00b0").arg(value * 180.0 / 3.141592, 0, 'f', 1)
                             : radians);
          };
          connect(edit, &QLineEdit::textChanged, unit, showDegrees);
        }
      }
      ++row;
      editors_.push_back({field, widget});
    }
    grid->setColumnStretch(0, 1);
  }
  if (column != nullptr) column->addStretch(1);

  for (const Editor& editor : editors_) {
    if (auto* edit = qobject_cast<QLineEdit*>(editor.widget)) {
      connect(edit, &QLineEdit::textEdited, this,
              [this, editor](const QString& text) { fieldEdited(editor, text.toStdString()); });
    } else if (auto* check = qobject_cast<QCheckBox*>(editor.widget)) {
      connect(check, &QCheckBox::clicked, this,
              [this, editor](bool ticked) { fieldEdited(editor, ticked ? "1" : "0"); });
    } else if (auto* combo = qobject_cast<QComboBox*>(editor.widget)) {
      connect(combo, &QComboBox::activated, this, [this, editor, combo](int index) {
        fieldEdited(editor, combo->itemText(index).toStdString());
      });
    }
  }

  if (const std::string note = model_.note(); !note.empty()) {
    auto* noteLabel = new QLabel(qText(note), this);
    noteLabel->setObjectName(QStringLiteral("note"));
    noteLabel->setWordWrap(true);
    outer->addWidget(noteLabel);
  }

  // The form's own buttons at the left, OK and Cancel at the right.
  auto* buttonRow = new QHBoxLayout;
  for (const std::string& name : model_.buttons()) {
    auto* button = new QPushButton(qText(name), this);
    button->setAutoDefault(false);
    buttonRow->addWidget(button);
    buttons_.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, name] { modelButtonPressed(name); });
  }
  buttonRow->addStretch(1);
  auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttonRow->addWidget(buttonBox);
  connect(buttonBox, &QDialogButtonBox::accepted, this, &FormDialog::okPressed);
  connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
  buttons_.push_back(buttonBox->button(QDialogButtonBox::Ok));
  buttons_.push_back(buttonBox->button(QDialogButtonBox::Cancel));
  outer->addLayout(buttonRow);
}

void FormDialog::showModelTexts() {
  showingModel_ = true;
  for (const Editor& editor : editors_) {
    const std::string text = model_.fieldText(editor.field.label);
    if (auto* edit = qobject_cast<QLineEdit*>(editor.widget)) {
      if (edit->text() != qText(text)) edit->setText(qText(text));
    } else if (auto* check = qobject_cast<QCheckBox*>(editor.widget)) {
      check->setChecked(isTicked(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(editor.widget)) {
      combo->setCurrentIndex(combo->findText(qText(text)));
    } else if (auto* label = qobject_cast<QLabel*>(editor.widget)) {
      label->setText(qText(text));
    }
  }
  showingModel_ = false;
}

void FormDialog::fieldEdited(const Editor& editor, const std::string& text) {
  if (showingModel_) return;
  const bool taken = model_.editField(editor.field.label, text, ui_);
  // The forms keep the text as typed ("27." while typing 27.5), so showing their texts again
  // changes only what they replaced: another system's values, or an unknown id set to 0.
  showModelTexts();
  if (!taken) {
    // A refused value gets the focus to be corrected.
    editor.widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(editor.widget)) edit->selectAll();
  }
}

void FormDialog::modelButtonPressed(const std::string& button) {
  model_.pressButton(button, ui_);
  showModelTexts();
}

void FormDialog::okPressed() {
  if (model_.validateOnOk(ui_)) accept();
}

QWidget* FormDialog::fieldWidget(const QString& label) const {
  const std::string wanted = label.trimmed().toStdString();
  for (const Editor& editor : editors_) {
    std::string name = editor.field.label;
    name.erase(name.find_last_not_of(' ') + 1);
    if (name == wanted || editor.field.label == label.toStdString()) return editor.widget;
  }
  return nullptr;
}

QPushButton* FormDialog::button(const QString& text) const {
  auto found = std::find_if(buttons_.begin(), buttons_.end(), [&](QPushButton* b) {
    return b != nullptr && b->text().remove(QLatin1Char('&')) == text;
  });
  return found == buttons_.end() ? nullptr : *found;
}

QStringList FormDialog::groupTitles() const { return groupTitles_; }

}  // namespace skyrig::gui
