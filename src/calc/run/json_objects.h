// JSON form of every calculation class of the result store: an object with all its
// properties (inputs and results, Error included) in the order of the document.
#pragma once

#include "calc/loads/bearing.h"
#include "calc/loads/earth_pressure.h"
#include "calc/loads/pressure.h"
#include "calc/loads/soil_layers.h"
#include "calc/loads/surcharge.h"
#include "calc/loads/water.h"
#include "calc/loads/weight.h"
#include "calc/members/footing_forces.h"
#include "calc/members/rc_section.h"
#include "calc/members/slab_forces.h"
#include "calc/run/json_writer.h"

namespace nuvra::calc {

void write(JsonWriter& w, const clsWeight& o);
void write(JsonWriter& w, const clsYouatsuryoku& o);
void write(JsonWriter& w, const clsQqw& o);
void write(JsonWriter& w, const clsKh& o);
void write(JsonWriter& w, const clsSpa& o);
void write(JsonWriter& w, const clsPressure& o);
void write(JsonWriter& w, const CUkiagari& o);
void write(JsonWriter& w, const CNcNrNq& o);
void write(JsonWriter& w, const CQa& o);
void write(JsonWriter& w, const CQmax& o);
void write(JsonWriter& w, const CRwp& o);
void write(JsonWriter& w, const CRcKukei& o);
void write(JsonWriter& w, const CWp& o);
void write(JsonWriter& w, const CWr& o);
void write(JsonWriter& w, const CTeibanMS& o);
void write(JsonWriter& w, const CFootingMS& o);

}  // namespace nuvra::calc
