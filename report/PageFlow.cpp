// SPDX-License-Identifier: Apache-2.0
#include "report/PageFlow.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Lays the cell's text out in its width from the top; answers the height it takes.
double LayOut(const FlowCell& cell, QPaintDevice* device, QTextLayout* layout)
{
    layout->setText(cell.text);
    layout->setFont(QFont(cell.font, device));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    double height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(cell.width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return height;
}

} // namespace

PageFlow::PageFlow(QPagedPaintDevice* device, QPainter* painter, const QRectF& body,
                   std::function<void(int)> startPage)
    : device(device), painter(painter), body(body), startPage(std::move(startPage)), top(body.top())
{
    this->startPage(pageNumber);
}

double PageFlow::Height(const std::vector<FlowCell>& row) const
{
    double height = 0;
    for (const FlowCell& cell : row) {
        QTextLayout layout;
        height = std::max(height, LayOut(cell, device, &layout));
    }
    return height;
}

double PageFlow::WidestWord(const QString& text, const QFont& font) const
{
    const QFontMetricsF metrics(QFont(font, device));
    double widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

double PageFlow::TextWidth(const QString& text, const QFont& font) const
{
    return QFontMetricsF(QFont(font, device)).horizontalAdvance(text);
}

void PageFlow::KeepTogether(double height)
{
    if (top > body.top() && top + height > body.bottom())
        NewPage();
}

void PageFlow::Row(const std::vector<FlowCell>& row, double spacing)
{
    Place(row, Height(row), spacing);
}

void PageFlow::Place(const std::vector<FlowCell>& row, double height, double spacing, bool mayBreak)
{
    // A row that fits on a page goes whole to the next one when it does not fit below; a longer one
    // continues there line by line, each cell where it stopped.
    if (!mayBreak && height <= body.height())
        KeepTogether(height);
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<int> next(row.size(), 0);
    for (const FlowCell& cell : row) {
        layouts.push_back(std::make_unique<QTextLayout>());
        LayOut(cell, device, layouts.back().get());
    }
    for (bool continued = false;; continued = true) {
        const bool emptyPage = top <= body.top();
        double used = 0;
        bool done = true;
        for (size_t i = 0; i < row.size(); ++i) {
            const QTextLayout& layout = *layouts[i];
            const int first = next[i];
            const double origin = first < layout.lineCount() ? layout.lineAt(first).y() : 0;
            if (painter)
                painter->setPen(row[i].color);
            for (; next[i] < layout.lineCount(); ++next[i]) {
                const QTextLine line = layout.lineAt(next[i]);
                const double bottom = line.y() + line.height() - origin;
                // An empty page takes at least one line of each cell, however tall.
                if (top + bottom > body.bottom() && !(emptyPage && next[i] == first))
                    break;
                if (painter)
                    line.draw(painter, QPointF(body.left() + row[i].x, top - origin));
                used = std::max(used, bottom);
            }
            done = done && next[i] == layout.lineCount();
        }
        if (done) {
            top += (continued ? used : std::max(used, height)) + spacing;
            return;
        }
        NewPage();
    }
}

void PageFlow::Rule(double spacing)
{
    if (painter) {
        painter->setPen(QPen(Qt::darkGray, 0));
        painter->drawLine(QPointF(body.left(), top), QPointF(body.right(), top));
    }
    top += spacing;
}

void PageFlow::Skip(double height)
{
    top = std::min(top + height, body.bottom());
}

void PageFlow::NewPage()
{
    if (painter)
        device->newPage();
    ++pageNumber;
    top = body.top();
    startPage(pageNumber);
}
