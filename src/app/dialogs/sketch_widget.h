// The dimensioned sketches of the input dialogs, drawn by the program. Each sketch draws
// in a fixed logical frame that the widget scales to its size, with the same symbols as
// the fields beside it.
#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QWidget>

class QPainter;

namespace nuvra::app {

class SketchWidget : public QWidget {
    Q_OBJECT
  public:
    /// logical: the size of the drawing frame; the widget keeps its aspect ratio.
    SketchWidget(QSizeF logical, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    /// Draws the sketch in logical coordinates.
    virtual void draw(QPainter& p) const = 0;

  private:
    QSizeF logical_;
};

/// Drawing helpers shared by the sketches (logical coordinates).
namespace sketch {

/// A dimension between a and b (horizontal when a.y == b.y, else vertical) with arrow
/// heads and the label beside its middle. side: +1 puts the label below / right of a
/// horizontal / vertical line, -1 above / left.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& label, int side = -1);
/// A short dimension whose arrows point inward from outside (for small distances).
void dimensionOutside(QPainter& p, QPointF a, QPointF b, const QString& label, int side = -1);
/// An extension line from the drawing to a dimension line.
void extension(QPainter& p, QPointF from, QPointF to);
/// A filled arrow head at tip, pointing along the direction from `from` to tip.
void arrowHead(QPainter& p, QPointF from, QPointF tip, double size = 6.0);
/// A load arrow pointing down onto y from y - length.
void loadArrow(QPainter& p, double x, double y, double length);
/// The ground surface symbol: a line with short hatching below it.
void groundLine(QPainter& p, double x0, double x1, double y);
/// The water-level symbol: an inverted triangle on the line, and the line.
void waterLevel(QPainter& p, double x0, double x1, double y, bool marker = true);
/// Text centred on a point.
void label(QPainter& p, QPointF centre, const QString& text);
/// Pens and brushes of the sketches.
void useConcrete(QPainter& p);
void useDimension(QPainter& p);

}  // namespace sketch
}  // namespace nuvra::app
