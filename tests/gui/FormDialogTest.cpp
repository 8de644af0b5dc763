// The form dialog on the parameter forms as a person meets them: group boxes in field order,
// every keystroke to the form, refused values with the standard texts, replaced values, choices,
// the form's own buttons, and OK refused until the form accepts.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "FormDialog.h"
#include "GuiTestSupport.h"
#include "params/CableSystemForm.h"
#include "params/DeleteLandingsForm.h"
#include "params/FishStreamBufferForm.h"
#include "params/LandingInfoForm.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

QLineEdit* lineEdit(FormDialog* dialog, const char* label) {
  return qobject_cast<QLineEdit*>(dialog->fieldWidget(QString::fromLatin1(label)));
}

void typeInto(FormDialog* dialog, const char* label, const char* text) {
  QLineEdit* edit = lineEdit(dialog, label);
  QVERIFY2(edit != nullptr, label);
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

// Records every message box text and closes it.
struct BoxRecorder {
  QStringList texts;
  QList<QMessageBox::Icon> icons;
  void attach(QtUi& ui) {
    ui.showBox = [this](const MessageBoxText& box) {
      texts << QString::fromStdString(box.text);
      icons << (box.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning);
    };
  }
};

}  // namespace

class FormDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  void cableSystemFromTheMenuRefusesTwentyOneSupports() {
    CSkyrigApp app;
    app.start();
    app.doc().currentCableSystem = 0;
    QStringList groups, messages;
    QList<QMessageBox::Icon> icons;
    QString typed;
    bool focusedOnTheField = false;
    testing::whenModalTitled("Cable System", [&](QWidget* modal) {
      auto* dialog = qobject_cast<FormDialog*>(modal);
      groups = dialog->groupTitles();
      // A real message box, read and closed as it appears.
      testing::whenModal([&](QWidget* box) {
        messages << testing::messageText(box);
        icons << qobject_cast<QMessageBox*>(box)->icon();
        testing::accept(box);
      });
      typeInto(dialog, "Max. # of INT. support", "21");
      typed = lineEdit(dialog, "Max. # of INT. support")->text();
      focusedOnTheField = dialog->focusWidget() == lineEdit(dialog, "Max. # of INT. support");
      typeInto(dialog, "Max. # of INT. support", "3");
      dialog->button("OK")->click();
    });
    app.frame().action("InputCableSystem")->trigger();
    QCOMPARE(groups, (QStringList{"Cable system", "General", "Cable", "Carriage", "Log",
                                  "Payload Analyses", "Other options"}));
    QCOMPARE(messages, QStringList{"Please enter an integer between 0 and 20."});
    QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
    QCOMPARE(typed, QStringLiteral("21"));  // the refused text stays to be corrected
    QVERIFY(focusedOnTheField);
    QCOMPARE(app.doc().currentCableSystem, 1);
    QCOMPARE(app.doc().cableSystems[1].maxIntSupports, 3);
  }

  void keystrokesChoicesAndTicksGoToTheForm() {
    auto doc = makeDocument();
    for (int s = 1; s <= kCableSystemCount; ++s) doc->cableSystems[s] = defaultCableSystem(s);
    CableSystemForm form(doc->cableSystems, 1);
    QtUi ui;
    BoxRecorder boxes;
    boxes.attach(ui);
    FormDialog dialog(form, ui);
    dialog.show();
    QLineEdit* tower = lineEdit(&dialog, "Tower height");
    QCOMPARE(tower->text(), QStringLiteral("15"));
    typeInto(&dialog, "Tower height", "27.5");
    QCOMPARE(tower->text(), QStringLiteral("27.5"));  // "27." was taken without being redrawn
    QCOMPARE(form.system(1).towerHeight, 27.5f);
    QCOMPARE(form.system(1).parametersChanged, std::uint8_t(1));

    tower->selectAll();
    QTest::keyClick(tower, Qt::Key_Delete);  // an emptied field is refused too
    QCOMPARE(boxes.texts, QStringList{"Please enter a number."});
    QCOMPARE(form.system(1).towerHeight, 27.5f);
    typeInto(&dialog, "Tower height", "20");

    auto* selector = qobject_cast<QComboBox*>(dialog.fieldWidget("Cable system"));
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(form.selectedSystem(), 2);
    QCOMPARE(tower->text(), QStringLiteral("7"));
    QCOMPARE(lineEdit(&dialog, "Name")->text(), QStringLiteral("KOLLER-300"));
    auto* haulback = qobject_cast<QCheckBox*>(dialog.fieldWidget("Haulbackline"));
    QVERIFY(!haulback->isChecked());
    haulback->click();
    QCOMPARE(form.system(2).haulbackLine, std::uint8_t(1));
    QCOMPARE(form.system(1).towerHeight, 20.0f);

    // An angle kept in radians shows its degrees beside it, as it is typed.
    const auto angleUnit = [&] {
      for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().startsWith(QStringLiteral("rad."))) return label->text();
      return QString();
    };
    QCOMPARE(angleUnit(), QStringLiteral("rad. = 10.0\u00b0"));
    typeInto(&dialog, "Log-to-ground angle", "0.5");
    QCOMPARE(angleUnit(), QStringLiteral("rad. = 28.6\u00b0"));
  }

  void replacedValueIsShownAsTheFormStoredIt() {
    auto doc = makeDocument();
    doc->landingCount = 3;
    LandingInfoForm form(*doc, 2);
    QtUi ui;
    BoxRecorder boxes;
    boxes.attach(ui);
    FormDialog dialog(form, ui);
    const char* shared = "ID number of tower location sharing this landing";
    typeInto(&dialog, shared, "2");
    QCOMPARE(lineEdit(&dialog, shared)->text(), QStringLiteral("2"));
    typeInto(&dialog, shared, "3");
    QCOMPARE(boxes.texts, QStringList{"ID number you entered does not exist!"});
    QCOMPARE(boxes.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(lineEdit(&dialog, shared)->text(), QStringLiteral("0"));
    QCOMPARE(form.sharedTower(2), 0);
  }

  void refusedChoiceReturnsToThePreviousLanding() {
    DeleteLandingsForm form(5);
    QtUi ui;
    BoxRecorder boxes;
    boxes.attach(ui);
    FormDialog dialog(form, ui);
    auto* selector = qobject_cast<QComboBox*>(dialog.fieldWidget("Landing ID"));
    QVERIFY(selector != nullptr);
    selector->setCurrentIndex(2);
    emit selector->activated(2);
    QCOMPARE(form.selectedLanding(), 3);
    selector->setCurrentIndex(6);
    emit selector->activated(6);
    QCOMPARE(boxes.texts, QStringList{"The landing ID number that you just input is not available!"});
    QCOMPARE(selector->currentText(), QStringLiteral("3"));
    QCOMPARE(form.selectedLanding(), 3);
  }

  void formNoteIsShown() {
    FishStreamBufferForm form;
    QtUi ui;
    FormDialog dialog(form, ui);
    auto* note = dialog.findChild<QLabel*>("note");
    QVERIFY(note != nullptr);
    QCOMPARE(note->text(), QStringLiteral("Fish Stream Buffer Width = Odd number * DTM grid cell size"));
  }

  void operationDataFromTheCableSystemFormMarksTheLandings() {
    CSkyrigApp app;
    app.start();
    CSkyrigDoc& doc = app.doc();
    doc.currentCableSystem = 2;
    doc.landingCount = 3;
    doc.landings[1].system = 2;
    doc.landings[2].system = 1;
    doc.landings[3].system = 2;
    doc.landingAnalysed[1] = doc.landingAnalysed[2] = doc.landingAnalysed[3] = 1;
    QStringList groups;
    testing::whenModalTitled("Cable System", [&](QWidget* modal) {
      auto* cable = qobject_cast<FormDialog*>(modal);
      testing::whenModalTitled("Operation data", [&](QWidget* inner) {
        auto* operation = qobject_cast<FormDialog*>(inner);
        groups = operation->groupTitles();
        typeInto(operation, "Hook time", "45");
        operation->button("OK")->click();
      });
      cable->button("Input more operation data")->click();
      cable->button("OK")->click();
    });
    app.frame().action("InputCableSystem")->trigger();
    QCOMPARE(groups, (QStringList{"Operation time", "Cost", "Payload", "Inhaul speed",
                                  "Outhaul speed", "Lateral yarding speed", "Engine",
                                  "Lateral yarding cost factors"}));
    QCOMPARE(doc.cableSystems[2].hookTime, 45.0f);
    QCOMPARE(doc.landingAnalysed[1], std::uint8_t(0));
    QCOMPARE(doc.landingAnalysed[2], std::uint8_t(1));
    QCOMPARE(doc.landingAnalysed[3], std::uint8_t(0));
  }

  void okIsRefusedUntilTheFormAccepts() {
    CSkyrigApp app;
    app.start();
    BoxRecorder boxes;
    boxes.attach(app.ui());
    bool stayedOpen = false;
    testing::whenModalTitled("Road and Transportation Costs", [&](QWidget* modal) {
      auto* dialog = qobject_cast<FormDialog*>(modal);
      typeInto(dialog, "Hauling costs", "0.1");
      typeInto(dialog, "Multiplier for road cells on stream buffer", "0.5");
      dialog->button("OK")->click();
      stayedOpen = dialog->isVisible();
      dialog->button("Cancel")->click();
    });
    app.frame().action("InputRoadCosts")->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].startsWith("Please enter a number between 1 and "), qPrintable(boxes.texts[0]));
    QCOMPARE(app.doc().roadCosts.haulingCost, 0.08f);  // Cancel keeps the document
  }
};

QTEST_MAIN(FormDialogTest)
#include "FormDialogTest.moc"
