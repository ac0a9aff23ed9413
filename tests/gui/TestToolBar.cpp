// SPDX-License-Identifier: Apache-2.0
#include "ui/CMainToolBar.h"

#include <QtTest>

// The tool bar's own painting: the background strip stretched over the whole bar, the logo at its
// natural size flush with the top right corner, clipped when the bar is smaller than the logo.
class TestToolBar : public QObject
{
    Q_OBJECT

private slots:
    void paintsStripAndLogoFlushRight_data();
    void paintsStripAndLogoFlushRight();
};

void TestToolBar::paintsStripAndLogoFlushRight_data()
{
    QTest::addColumn<QSize>("barSize");
    QTest::newRow("as high as the logo") << QSize(400, 36);
    QTest::newRow("widened") << QSize(1280, 36);
    QTest::newRow("higher than the logo") << QSize(500, 48);
    QTest::newRow("lower than the logo") << QSize(500, 20);
    QTest::newRow("narrower than the logo") << QSize(60, 36);
}

void TestToolBar::paintsStripAndLogoFlushRight()
{
    QFETCH(QSize, barSize);
    const QImage strip = QImage(":/images/bg_tool_bar.png").convertToFormat(QImage::Format_ARGB32);
    const QImage logo = QImage(":/images/logo.png").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(strip.size(), QSize(4, 36));
    QCOMPARE(logo.size(), QSize(100, 36));

    CMainToolBar bar(nullptr);
    bar.resize(barSize);
    const QImage shot = bar.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shot.size(), barSize);

    // Left of the logo the strip fills the bar from top to bottom.
    const int logoLeft = barSize.width() - logo.width();
    if (logoLeft > 0) {
        QCOMPARE(shot.pixel(0, 0), strip.pixel(0, 0));
        QCOMPARE(shot.pixel(0, barSize.height() - 1), strip.pixel(0, strip.height() - 1));
    }
    if (logoLeft > 0 && barSize.height() == strip.height()) {
        for (int y = 0; y < strip.height(); ++y)
            QCOMPARE(shot.pixel(0, y), strip.pixel(0, y));
    }

    // Every opaque pixel of the logo sits where a logo flush with the right and top edges puts it.
    int opaquePixelsSeen = 0;
    for (int y = 0; y < qMin(logo.height(), barSize.height()); ++y) {
        for (int x = qMax(0, -logoLeft); x < logo.width(); ++x) {
            if (qAlpha(logo.pixel(x, y)) == 255) {
                QCOMPARE(shot.pixel(logoLeft + x, y), logo.pixel(x, y));
                ++opaquePixelsSeen;
            }
        }
    }
    QVERIFY(opaquePixelsSeen > 50);
}

QTEST_MAIN(TestToolBar)
#include "TestToolBar.moc"
