// The sketch of the cover dialog: a wall standing on the slab with the bar centre lines
// of the four faces, each dimensioned d1 from its concrete surface.
#pragma once

#include "app/dialogs/sketch_widget.h"

namespace nuvra::app {

class CoverSketch : public SketchWidget {
    Q_OBJECT
  public:
    explicit CoverSketch(QWidget* parent = nullptr);

  protected:
    void draw(QPainter& p) const override;
};

}  // namespace nuvra::app
