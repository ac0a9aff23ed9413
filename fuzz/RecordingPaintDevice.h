// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FUZZ_RECORDINGPAINTDEVICE_H
#define QUORLITH_FUZZ_RECORDINGPAINTDEVICE_H

#include <QPaintDevice>
#include <QPaintEngine>
#include <QString>

#include <memory>

// A paint engine that draws nothing and keeps the text of every text item painted on it, in the order
// painted: what a page would show, without the cost of writing a PDF.
class RecordingPaintEngine : public QPaintEngine
{
public:
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawTextItem(const QPointF&, const QTextItem& textItem) override;
    Type type() const override { return QPaintEngine::User; }

    const QStringList& Texts() const { return texts; }
    void Clear() { texts.clear(); }

private:
    QStringList texts;
};

// A device of the given resolution whose painter records the text drawn on it.
class RecordingPaintDevice : public QPaintDevice
{
public:
    RecordingPaintDevice(int dotsPerInch, QSizeF pixels) : dotsPerInch(dotsPerInch), pixels(pixels) {}

    QPaintEngine* paintEngine() const override { return &engine; }
    const QStringList& Texts() const { return engine.Texts(); }
    void Clear() { engine.Clear(); }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int dotsPerInch;
    QSizeF pixels;
    mutable RecordingPaintEngine engine;
};

#endif
