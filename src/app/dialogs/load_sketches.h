// The two sketches of the embankment dialog: a uniform surcharge Q from the distance X
// behind the wall, and a trapezoidal embankment of unit weight γ starting at X1, rising
// over X2 to the height Ho, with the surcharge Q on its flat top.
#pragma once

#include "app/dialogs/sketch_widget.h"

namespace nuvra::app {

class SurchargeSketch : public SketchWidget {
    Q_OBJECT
  public:
    explicit SurchargeSketch(QWidget* parent = nullptr);

  protected:
    void draw(QPainter& p) const override;
};

class EmbankmentSketch : public SketchWidget {
    Q_OBJECT
  public:
    explicit EmbankmentSketch(QWidget* parent = nullptr);

  protected:
    void draw(QPainter& p) const override;
};

}  // namespace nuvra::app
