// The channel section of the design-conditions dialog: walls, slab, haunches and
// footings with the symbols of the shape fields, the ground surface at the wall tops and
// the groundwater level measured from the underside of the slab.
#pragma once

#include "app/dialogs/sketch_widget.h"

namespace nuvra::app {

class SectionSketch : public SketchWidget {
    Q_OBJECT
  public:
    explicit SectionSketch(QWidget* parent = nullptr);

  protected:
    void draw(QPainter& p) const override;
};

}  // namespace nuvra::app
