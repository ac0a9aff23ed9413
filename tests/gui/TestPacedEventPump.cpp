// SPDX-License-Identifier: Apache-2.0
#include "filelist/PacedEventPump.h"

#include <QThread>
#include <QWidget>
#include <QtTest>

#include <memory>

class TestPacedEventPump : public QObject
{
    Q_OBJECT

private slots:
    void holdsPaintingUntilItGoes();
    void widgetGoneMeanwhileIsLeftAlone();
    void pumpsEventsOnceTheIntervalPassed();
};

void TestPacedEventPump::holdsPaintingUntilItGoes()
{
    QWidget list;
    QWidget status;
    {
        PacedEventPump pump({&list, &status});
        QVERIFY(!list.updatesEnabled());
        QVERIFY(!status.updatesEnabled());
    }
    QVERIFY(list.updatesEnabled());
    QVERIFY(status.updatesEnabled());
}

void TestPacedEventPump::widgetGoneMeanwhileIsLeftAlone()
{
    QWidget kept;
    auto gone = std::make_unique<QWidget>();
    {
        PacedEventPump pump({gone.get(), &kept});
        gone.reset();
    }
    QVERIFY(kept.updatesEnabled());
}

// Events run with the widgets painting, and the widgets are held again afterwards.
void TestPacedEventPump::pumpsEventsOnceTheIntervalPassed()
{
    QWidget list;
    PacedEventPump pump({&list});
    bool ran = false;
    bool paintingWhileRunning = false;
    QMetaObject::invokeMethod(
        this,
        [&] {
            ran = true;
            paintingWhileRunning = list.updatesEnabled();
        },
        Qt::QueuedConnection);
    QThread::msleep(PacedEventPump::kIntervalMs + 5);

    QVERIFY(pump.Pump());
    QVERIFY(ran);
    QVERIFY(paintingWhileRunning);
    QVERIFY(!list.updatesEnabled());
}

QTEST_MAIN(TestPacedEventPump)
#include "TestPacedEventPump.moc"
