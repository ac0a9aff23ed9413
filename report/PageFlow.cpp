// SPDX-License-Identifier: Apache-2.0
#include "report/PageFlow.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
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

void PageFlow::KeepTogether(double height)
{
    if (top > body.top() && top + height > body.bottom())
        NewPage();
}

void PageFlow::Row(const std::vector<FlowCell>& row, double spacing)
{
    Place(row, Height(row), spacing);
}

void PageFlow::Place(const std::vector<FlowCell>& row, double height, double spacing)
{
    KeepTogether(height);
    if (painter) {
        for (const FlowCell& cell : row) {
            QTextLayout layout;
            LayOut(cell, device, &layout);
            painter->setPen(cell.color);
            layout.draw(painter, QPointF(body.left() + cell.x, top));
        }
    }
    top += height + spacing;
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
