// Message boxes (exact text, icon, repeated messages within one operation) and the progress
// dialog of long operations.
#include <QAbstractButton>
#include <QMessageBox>
#include <QProgressDialog>
#include <QtTest>

#include "GuiTestSupport.h"
#include "QtUi.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

using Boxes = std::vector<MessageBoxText>;

}  // namespace

class QtUiTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxHasTheTextIconAndOneOkButton() {
    QtUi ui;
    const std::tuple<const char*, MessageIcon, QMessageBox::Icon> cases[] = {
        {"You cannot erase the tailspar!", MessageIcon::Stop, QMessageBox::Critical},
        {"Please enter a number.", MessageIcon::Exclamation, QMessageBox::Warning},
        {"Done.", MessageIcon::Information, QMessageBox::Information}};
    for (const auto& [text, icon, boxIcon] : cases) {
      QStringList seen;
      testing::whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen << box->windowTitle() << box->text() << QString::number(box->icon())
             << QString::number(box->buttons().size());
        testing::accept(box);
      });
      ui.message(text, icon);
      QCOMPARE(seen, (QStringList{"Skyrig", text, QString::number(boxIcon), "1"}));
    }
  }

  void repeatedMessagesAreGatheredWithinOneOperation() {
    QtUi ui;
    Boxes shown;
    ui.showBox = [&](const MessageBoxText& box) { shown.push_back(box); };
    const std::string missing = "Node C3R4 is not in the node table.";
    ui.beginOperation();
    for (int i = 0; i < 10; ++i) ui.message(missing, MessageIcon::Stop);
    QCOMPARE(shown.size(), std::size_t(3));  // the rest wait for the end of the run
    ui.message("No timber exits.", MessageIcon::Exclamation);
    ui.message("No timber exits.", MessageIcon::Exclamation);
    ui.endOperation();
    const Boxes expected = {
        {missing, MessageIcon::Stop},
        {missing, MessageIcon::Stop},
        {missing, MessageIcon::Stop},
        {"The message below came 7 more times in this operation:\n\n" + missing, MessageIcon::Stop},
        {"No timber exits.", MessageIcon::Exclamation},
        {"No timber exits.", MessageIcon::Exclamation}};
    QCOMPARE(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) QVERIFY(shown[i] == expected[i]);

    // A new operation starts counting afresh; messages outside an operation always show.
    shown.clear();
    ui.beginOperation();
    for (int i = 0; i < 4; ++i) ui.message(missing, MessageIcon::Stop);
    ui.endOperation();
    QCOMPARE(shown.size(), std::size_t(4));
    QCOMPARE(shown.back().text, "The message below came 1 more time in this operation:\n\n" + missing);
    shown.clear();
    for (int i = 0; i < 5; ++i) ui.message(missing, MessageIcon::Stop);
    QCOMPARE(shown.size(), std::size_t(5));
  }

  void progressDialogCancelsTheOperation() {
    QtUi ui;
    ui.progressShowDelayMs = 0;
    ui.progressEventIntervalMs = 0;
    int repaints = 0;
    ui.onRepaint = [&] { ++repaints; };
    QString label;
    testing::whenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QProgressDialog*>(modal);
      QVERIFY(dialog != nullptr);
      label = dialog->labelText();
      dialog->cancel();
    });
    ui.beginOperation();
    int calls = 0;
    QElapsedTimer clock;
    clock.start();
    while (ui.progress("Optimizing: iteration " + std::to_string(calls + 1)) &&
           clock.elapsed() < 5000)
      ++calls;
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(label.startsWith("Optimizing: iteration"));
    QVERIFY(repaints > 0);
    QVERIFY(!ui.progress("after cancel"));  // stays cancelled for the rest of the operation
    ui.endOperation();
    QVERIFY(ui.progressDialog() == nullptr);

    ui.beginOperation();
    QVERIFY(ui.progress("next operation"));
    ui.endOperation();
  }

  void shortOperationShowsNoProgressDialog() {
    QtUi ui;
    ui.beginOperation();
    for (int i = 0; i < 100; ++i) QVERIFY(ui.progress("quick"));
    QVERIFY(ui.progressDialog() == nullptr);
    ui.endOperation();
  }
};

QTEST_MAIN(QtUiTest)
#include "QtUiTest.moc"
