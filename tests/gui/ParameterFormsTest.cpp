// The parameter forms as a person meets them: opened from the Input Data menu, typed into,
// refused with the standard texts, and written to the document only on OK.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "FormDialog.h"
#include "GuiTestSupport.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

void typeInto(FormDialog* dialog, const char* label, const char* text) {
  auto* edit = qobject_cast<QLineEdit*>(dialog->fieldWidget(QString::fromLatin1(label)));
  QVERIFY2(edit != nullptr, label);
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

}  // namespace

class ParameterFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  void cableSystemRefusesTwentyOneSupports() {
    CSkyrigApp app;
    app.start();
    app.doc().currentCableSystem = 0;
    QStringList groups;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    testing::whenModalTitled("Cable System", [&](QWidget* modal) {
      auto* dialog = qobject_cast<FormDialog*>(modal);
      groups = dialog->groupTitles();
      testing::whenModal([&](QWidget* box) {
        messages << testing::messageText(box);
        icons << qobject_cast<QMessageBox*>(box)->icon();
        testing::accept(box);
      });
      typeInto(dialog, "Max. # of INT. support", "21");
      typeInto(dialog, "Max. # of INT. support", "3");
      dialog->button("OK")->click();
    });
    app.frame().action("InputCableSystem")->trigger();
    QCOMPARE(groups, (QStringList{"Cable system", "General", "Cable", "Carriage", "Log",
                                  "Payload Analyses", "Other options"}));
    QCOMPARE(messages, QStringList{"Please enter an integer between 0 and 20."});
    QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
    QCOMPARE(app.doc().currentCableSystem, 1);
    QCOMPARE(app.doc().cableSystems[1].maxIntSupports, 3);
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
    QStringList titles;
    testing::whenModalTitled("Cable System", [&](QWidget* modal) {
      auto* cable = qobject_cast<FormDialog*>(modal);
      testing::whenModalTitled("Operation data", [&](QWidget* inner) {
        auto* operation = qobject_cast<FormDialog*>(inner);
        titles << operation->windowTitle();
        typeInto(operation, "Hook time", "45");
        operation->button("OK")->click();
      });
      cable->button("Input more operation data")->click();
      cable->button("OK")->click();
    });
    app.frame().action("InputCableSystem")->trigger();
    QCOMPARE(titles, QStringList{"Operation data"});
    QCOMPARE(doc.cableSystems[2].hookTime, 45.0f);
    QCOMPARE(doc.landingAnalysed[1], std::uint8_t(0));
    QCOMPARE(doc.landingAnalysed[2], std::uint8_t(1));
    QCOMPARE(doc.landingAnalysed[3], std::uint8_t(0));
  }

  void roadCostsRefuseHalfAStreamCrossingMultiplier() {
    CSkyrigApp app;
    app.start();
    QStringList messages;
    app.ui().showBox = [&](const MessageBoxText& box) { messages << QString::fromStdString(box.text); };
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
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("Please enter a number between 1 and "), qPrintable(messages[0]));
    QCOMPARE(app.doc().roadCosts.haulingCost, 0.08f);  // Cancel keeps the document
  }
};

QTEST_MAIN(ParameterFormsTest)
#include "ParameterFormsTest.moc"
