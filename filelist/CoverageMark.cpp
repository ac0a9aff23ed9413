// SPDX-License-Identifier: Apache-2.0
#include "filelist/CoverageMark.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {
// A circle whose left half is filled: part of the content is protected.
QIcon PartialSign()
{
    const int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle(1.5, 1.5, size - 3, size - 3);
    painter.setPen(QPen(QColor(176, 112, 0), 1.5));
    painter.setBrush(QColor(255, 191, 0));
    painter.drawPie(circle, 90 * 16, 180 * 16);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle);
    return QIcon(pixmap);
}
} // namespace

CoverageMark::Kind CoverageMark::Of(const VerificationResult& result)
{
    if (!result.authentic || !result.hasCoverage || result.digestMode != 1 || !result.coverage.partial)
        return Kind::None;
    return result.coverage.protectedBytes == 0 ? Kind::Nothing : Kind::Partial;
}

QIcon CoverageMark::Icon(Kind kind)
{
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Partial:
        return PartialSign();
    case Kind::Nothing:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    return QIcon();
}
