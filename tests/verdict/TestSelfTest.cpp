// SPDX-License-Identifier: Apache-2.0
#include "verdict/SelfTest.h"

#include <QtTest>

// The known answers hold in the build as it is: MD5, HMAC-MD5, the fold and the RSA operation each
// give theirs, so a report can say that the tool passed.
class TestSelfTest : public QObject
{
    Q_OBJECT

private slots:
    void everyComputationGivesItsKnownAnswer();
};

void TestSelfTest::everyComputationGivesItsKnownAnswer()
{
    const SelfTestOutcome outcome = RunSelfTest();
    QCOMPARE(QString::fromStdString(outcome.failed), QString());
    QVERIFY(outcome.passed);
}

QTEST_GUILESS_MAIN(TestSelfTest)
#include "TestSelfTest.moc"
