// The progress dialog's wording of the progress lines of the analysis and the runs.
#include <QtTest>

#include "ProgressWording.h"

using namespace skyrig::gui;

class ProgressWordingTest : public QObject {
  Q_OBJECT

 private slots:
  void countsBecomePercentAndTotalsDollars() {
    const ProgressLine analysis = wordProgress("Analysing cable roads: 3 of 12 landings");
    QCOMPARE(analysis.percent, 25);
    QCOMPARE(analysis.text, QStringLiteral("Analysing cable roads: 3 of 12 landings (25 %)"));

    // The run's iteration 2 is under way: one of ten done, and 16 of 200 solver iterations of
    // the second.
    const ProgressLine run = wordProgress(
        "Optimizing: iteration 2 of at most 10, cable solve iteration 17 of at most 200, "
        "best solve total 1234567.89, best run total 1300000.00, elapsed 0:00:12");
    QCOMPARE(run.percent, 10);
    QVERIFY2(run.text.contains("best solve total $1,234,568, best run total $1,300,000"),
             qPrintable(run.text));
    QVERIFY(run.text.contains("elapsed 0:00:12"));

    const ProgressLine late = wordProgress("Optimizing: iteration 10 of at most 10, road solve "
                                           "iteration 200 of at most 200, best total so far 99.5");
    QCOMPARE(late.percent, 99);
    QVERIFY(late.text.endsWith("best total so far $100 (99 %)"));

    // A line without counts leaves the dialog busy without a share.
    const ProgressLine plain = wordProgress("Optimizing all at once: building the combined network");
    QCOMPARE(plain.percent, -1);
    QCOMPARE(plain.text, QStringLiteral("Optimizing all at once: building the combined network"));
  }
};

QTEST_MAIN(ProgressWordingTest)
#include "ProgressWordingTest.moc"
