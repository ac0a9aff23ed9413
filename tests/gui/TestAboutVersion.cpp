// SPDX-License-Identifier: Apache-2.0
#include "ui/AboutVersion.h"

#include <QtTest>

// The About box's form of a version, from the project's MAJOR.MINOR.PATCH.
class TestAboutVersion : public QObject
{
    Q_OBJECT

private slots:
    void form_data();
    void form();
};

void TestAboutVersion::form_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two-digit patch") << "1.1.15"
                                     << "1.1-015";
    QTest::newRow("one-digit patch") << "1.1.5"
                                     << "1.1-005";
    QTest::newRow("patch 0") << "2.0.0"
                             << "2.0-000";
    QTest::newRow("three-digit patch") << "1.2.345"
                                       << "1.2-345";
    QTest::newRow("four-digit patch kept whole") << "1.2.1000"
                                                 << "1.2-1000";
    QTest::newRow("two-digit minor") << "3.12.7"
                                     << "3.12-007";
    QTest::newRow("no patch: as it is") << "1.1"
                                        << "1.1";
    QTest::newRow("suffix: as it is") << "1.1.15-rc1"
                                      << "1.1.15-rc1";
    QTest::newRow("empty part: as it is") << "1..15"
                                          << "1..15";
    QTest::newRow("empty") << ""
                           << "";
}

void TestAboutVersion::form()
{
    QFETCH(QString, version);
    QFETCH(QString, shown);
    QCOMPARE(AboutVersion(version), shown);
}

QTEST_MAIN(TestAboutVersion)
#include "TestAboutVersion.moc"
