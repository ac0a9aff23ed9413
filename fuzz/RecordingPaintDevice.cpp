// SPDX-License-Identifier: Apache-2.0
#include "fuzz/RecordingPaintDevice.h"

void RecordingPaintEngine::drawTextItem(const QPointF&, const QTextItem& textItem)
{
    texts << textItem.text();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return static_cast<int>(pixels.width());
    case PdmHeight:
        return static_cast<int>(pixels.height());
    case PdmWidthMM:
        return static_cast<int>(pixels.width() * 25.4 / dotsPerInch);
    case PdmHeightMM:
        return static_cast<int>(pixels.height() * 25.4 / dotsPerInch);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dotsPerInch;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}
