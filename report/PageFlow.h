// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PAGEFLOW_H
#define QUORLITH_REPORT_PAGEFLOW_H

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// One piece of text placed in a row, x and width relative to the body's left edge. It wraps at word
// boundaries, and inside a word only where the word alone is wider than the cell (paths, digests).
struct FlowCell
{
    QString text;
    QFont font;
    double x = 0;
    double width = 0;
    QColor color = Qt::black;
};

// Lays rows of text down the body of consecutive pages, top to bottom. Without a painter it only
// measures: the report runs through a measuring flow first to learn how many pages it has, then
// through a painting one, so that every page can say "page N of M".
class PageFlow
{
public:
    // startPage is called at the top of every page, the first one included, with its number.
    PageFlow(QPagedPaintDevice* device, QPainter* painter, const QRectF& body,
             std::function<void(int)> startPage);

    const QRectF& Body() const { return body; }
    int PageNumber() const { return pageNumber; }

    double Height(const std::vector<FlowCell>& row) const;
    // The width of the widest word of text, between spaces, in font on this flow's pages.
    double WidestWord(const QString& text, const QFont& font) const;
    // The width of text on one line.
    double TextWidth(const QString& text, const QFont& font) const;
    bool Fits(double height) const { return top + height <= body.bottom(); }
    // Starts a new page unless height fits below the current position or the page is still empty.
    void KeepTogether(double height);
    // Places the row below the previous one and moves down by its height and spacing. A row taller than
    // the room left continues on the next page, each cell with its next line.
    void Row(const std::vector<FlowCell>& row, double spacing = 0);
    // The same with its height measured before. With mayBreak the row starts where it stands, even
    // when it would fit whole on the next page.
    void Place(const std::vector<FlowCell>& row, double height, double spacing = 0, bool mayBreak = false);
    // A thin line across the body under the previous row.
    void Rule(double spacing);
    void Skip(double height);
    void NewPage();

private:
    QPagedPaintDevice* device;
    QPainter* painter;
    QRectF body;
    std::function<void(int)> startPage;
    int pageNumber = 1;
    double top = 0;
};

#endif
