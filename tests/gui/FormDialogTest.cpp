// The generic form dialog on a small form model: layout by group in field order, every
// keystroke to the model's edit event, refused values, choices, buttons and OK validation.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <array>

#include "FormDialog.h"
#include "GuiTestSupport.h"
#include "QtUi.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

// Three systems, each with a tower height (a number), a support count (0..20) and a flag.
class TestSystemForm final : public FormModel {
 public:
  struct System {
    std::string name = "?";
    std::string towerHeight = "12";
    std::string maxSupports = "5";
    std::string yardingDistance = "300";
    bool haulback = false;
  };
  std::array<System, 3> systems;
  int selected = 0;
  std::vector<std::string> edits;  // "label=text" in the order they came
  int buttonPresses = 0;

  std::string title() const override { return "Cable System"; }
  std::vector<FormField> fields() const override {
    return {
        {"Cable system", "", "Cable system", FieldKind::Selector, {"1", "2", "3"}},
        {"Name", "", "Cable system", FieldKind::Text, {}},
        {"Tower height", "m", "General", FieldKind::Text, {}},
        {"Max. # of INT. support", "", "Payload Analyses", FieldKind::Text, {}},
        {"Haulbackline", "", "Other options", FieldKind::CheckBox, {}},
        {"Max. yarding distance", "m", "General", FieldKind::Text, {}},
        {"", "", "", FieldKind::ReadOnly, {}},
    };
  }
  std::string fieldText(const std::string& label) const override {
    const System& s = systems[selected];
    if (label == "Cable system") return std::to_string(selected + 1);
    if (label == "Name") return s.name;
    if (label == "Tower height") return s.towerHeight;
    if (label == "Max. # of INT. support") return s.maxSupports;
    if (label == "Haulbackline") return s.haulback ? "1" : "0";
    if (label == "Max. yarding distance") return s.yardingDistance;
    if (label.empty()) return "Heights are in metres.";
    return {};
  }
  bool editField(const std::string& label, const std::string& text, Ui& ui) override {
    edits.push_back(label + "=" + text);
    System& s = systems[selected];
    if (label == "Cable system") {
      selected = std::stoi(text) - 1;
      return true;
    }
    if (label == "Name") {
      s.name = text;
      return true;
    }
    if (label == "Haulbackline") {
      s.haulback = text == "1";
      return true;
    }
    if (label == "Max. yarding distance") {
      // An id the model does not know is reported and set to 0, as the landing form does.
      if (text == "999") {
        ui.message("ID number you entered does not exist!", MessageIcon::Stop);
        s.yardingDistance = "0";
        return true;
      }
      s.yardingDistance = text;
      return true;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') {
      ui.message(label == "Tower height" ? "Please enter a number." : "Please enter an integer.",
                 MessageIcon::Exclamation);
      return false;
    }
    if (label == "Max. # of INT. support") {
      if (value < 0 || value > 20) {
        ui.message("Please enter an integer between 0 and 20.", MessageIcon::Exclamation);
        return false;
      }
      s.maxSupports = text;
      return true;
    }
    s.towerHeight = text;
    return true;
  }
  std::vector<std::string> buttons() const override { return {"Input more operation data"}; }
  bool pressButton(const std::string&, Ui&) override {
    ++buttonPresses;
    systems[selected].towerHeight = "15";
    return true;
  }
  bool validateOnOk(Ui& ui) override {
    if (std::strtod(systems[selected].towerHeight.c_str(), nullptr) > 100) {
      ui.message("Tower too high.", MessageIcon::Stop);
      return false;
    }
    return true;
  }
};

QLineEdit* lineEdit(FormDialog& dialog, const char* label) {
  return qobject_cast<QLineEdit*>(dialog.fieldWidget(QString::fromLatin1(label)));
}

}  // namespace

class FormDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void groupBoxesInFieldOrder() {
    TestSystemForm model;
    QtUi ui;
    FormDialog dialog(model, ui);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Cable System"));
    QCOMPARE(dialog.groupTitles(),
             (QStringList{"Cable system", "General", "Payload Analyses", "Other options"}));
    // A field of a group that came earlier joins that group's box.
    auto boxOf = [&](const char* label) {
      return qobject_cast<QGroupBox*>(dialog.fieldWidget(QString::fromLatin1(label))->parentWidget());
    };
    QCOMPARE(boxOf("Max. yarding distance"), boxOf("Tower height"));
    QCOMPARE(boxOf("Tower height")->title(), QStringLiteral("General"));
    QStringList generalLabels;
    for (QLabel* label : boxOf("Tower height")->findChildren<QLabel*>()) generalLabels << label->text();
    QCOMPARE(generalLabels, (QStringList{"Tower height", "m", "Max. yarding distance", "m"}));

    QCOMPARE(lineEdit(dialog, "Tower height")->text(), QStringLiteral("12"));
    QCOMPARE(qobject_cast<QComboBox*>(dialog.fieldWidget("Cable system"))->currentText(), QStringLiteral("1"));
    QCOMPARE(qobject_cast<QLabel*>(dialog.fieldWidget(""))->text(), QStringLiteral("Heights are in metres."));
    QVERIFY(dialog.button("Input more operation data") != nullptr);
    QVERIFY(model.edits.empty());  // filling the dialog is no edit
  }

  void everyKeystrokeGoesToTheModel() {
    TestSystemForm model;
    QtUi ui;
    FormDialog dialog(model, ui);
    dialog.show();
    QLineEdit* tower = lineEdit(dialog, "Tower height");
    tower->selectAll();
    QTest::keyClicks(tower, "27.5");
    QCOMPARE(model.edits, (std::vector<std::string>{"Tower height=2", "Tower height=27",
                                                     "Tower height=27.", "Tower height=27.5"}));
    QCOMPARE(model.systems[0].towerHeight, std::string("27.5"));
    QCOMPARE(tower->text(), QStringLiteral("27.5"));
  }

  void refusedValueShowsTheMessageAndKeepsTheFocus() {
    TestSystemForm model;
    QtUi ui;
    FormDialog dialog(model, ui);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QStringList boxes;
    QList<QMessageBox::Icon> icons;
    // Real message boxes: each one is read and closed as it appears.
    std::function<void(QWidget*)> closeBox = [&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes << box->text();
        icons << box->icon();
        testing::accept(box);
      }
    };
    QLineEdit* supports = lineEdit(dialog, "Max. # of INT. support");
    supports->selectAll();
    testing::whenModal(closeBox);
    QTest::keyClicks(supports, "21");
    QCOMPARE(boxes, QStringList{"Please enter an integer between 0 and 20."});
    QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
    QCOMPARE(model.systems[0].maxSupports, std::string("2"));  // the refused 21 is not taken
    QCOMPARE(supports->text(), QStringLiteral("21"));          // what was typed stays to be fixed
    QCOMPARE(supports->selectedText(), QStringLiteral("21"));
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(supports));

    // An emptied field is refused the same way.
    boxes.clear();
    testing::whenModal(closeBox);
    QTest::keyClick(supports, Qt::Key_Delete);
    QCOMPARE(boxes, QStringList{"Please enter an integer."});
    QCOMPARE(model.systems[0].maxSupports, std::string("2"));
  }

  void replacedValueIsShownAsTheModelStoredIt() {
    TestSystemForm model;
    QtUi ui;
    ui.showBox = [](const MessageBoxText&) {};
    FormDialog dialog(model, ui);
    QLineEdit* distance = lineEdit(dialog, "Max. yarding distance");
    distance->setText(QString());
    QTest::keyClicks(distance, "999");
    QCOMPARE(distance->text(), QStringLiteral("0"));
    // Without a message the typed text stays as typed.
    distance->setText(QString());
    QTest::keyClicks(distance, "0450");
    QCOMPARE(distance->text(), QStringLiteral("0450"));
  }

  void choosingAnotherSystemShowsItsValues() {
    TestSystemForm model;
    model.systems[1].towerHeight = "7";
    model.systems[1].haulback = true;
    QtUi ui;
    FormDialog dialog(model, ui);
    dialog.show();
    auto* selector = qobject_cast<QComboBox*>(dialog.fieldWidget("Cable system"));
    auto* haulback = qobject_cast<QCheckBox*>(dialog.fieldWidget("Haulbackline"));
    QVERIFY(!haulback->isChecked());
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(model.edits.back(), std::string("Cable system=2"));
    QCOMPARE(lineEdit(dialog, "Tower height")->text(), QStringLiteral("7"));
    QVERIFY(haulback->isChecked());
    QTest::mouseClick(haulback, Qt::LeftButton, {}, QPoint(4, haulback->height() / 2));
    QCOMPARE(model.edits.back(), std::string("Haulbackline=0"));
    QVERIFY(!model.systems[1].haulback);
  }

  void modelButtonRunsAndTheFieldsFollow() {
    TestSystemForm model;
    QtUi ui;
    FormDialog dialog(model, ui);
    dialog.show();
    dialog.button("Input more operation data")->click();
    QCOMPARE(model.buttonPresses, 1);
    QCOMPARE(lineEdit(dialog, "Tower height")->text(), QStringLiteral("15"));
    QVERIFY(dialog.isVisible());
  }

  void okIsRefusedUntilTheModelAccepts() {
    TestSystemForm model;
    QtUi ui;
    QStringList boxes;
    ui.showBox = [&](const MessageBoxText& box) { boxes << QString::fromStdString(box.text); };
    model.systems[0].towerHeight = "120";
    FormResult first = FormResult::Ok;
    testing::whenModalTitled("Cable System", [&](QWidget* modal) {
      auto* dialog = qobject_cast<FormDialog*>(modal);
      dialog->button("OK")->click();
      QVERIFY(dialog->isVisible());  // refused: the form stays open
      QLineEdit* tower = qobject_cast<QLineEdit*>(dialog->fieldWidget("Tower height"));
      tower->selectAll();
      QTest::keyClicks(tower, "30");
      dialog->button("OK")->click();
    });
    first = ui.runForm(model);
    QCOMPARE(first, FormResult::Ok);
    QCOMPARE(boxes, QStringList{"Tower too high."});
    QCOMPARE(model.systems[0].towerHeight, std::string("30"));

    testing::whenModalTitled("Cable System", [](QWidget* modal) {
      qobject_cast<FormDialog*>(modal)->button("Cancel")->click();
    });
    QCOMPARE(ui.runForm(model), FormResult::Cancel);
  }
};

QTEST_MAIN(FormDialogTest)
#include "FormDialogTest.moc"
