#include "calc/loads/surcharge.h"

#include "calc/common/arith.h"
#include "calc/common/rounding.h"

namespace nuvra::calc {

double clsQqw::InfluenceFactor(double x) {
    double k = 2 / kPi;
    return RoundDecimal((1 + x * x) * (1 - k * catan(x)) - k * x, 3);
}

void clsQqw::Calc() {
    Error_ = guarded([&] {
        QQ_ = Qw_ = Q_ = 0;
        if (Keijyo == 0) {
            Xq_ = D1X;
            if (H > 0.001) XHq_ = RoundDecimal(cdiv(Xq_, H), 2);
            Iq_ = InfluenceFactor(XHq_);
            QQ_ = RoundDecimal(Iq_ * D1Q, 1);
        } else if (Keijyo == 1) {
            Qw_ = 0;
            Xq_ = 0;
            XHq_ = 0;
            Iq_ = 1;
            QQ_ = D2Q;
        } else {
            // The embankment acts as its full load standing at the middle of its slope.
            Xw_ = RoundDecimal(D3X2 * 0.5 + D3X1, 2);
            if (H > 0.001) XHw_ = RoundDecimal(cdiv(Xw_, H), 2);
            Iw_ = InfluenceFactor(XHw_);
            Qw_ = RoundDecimal(Iw_ * (D3Gs * D3Ho), 1);
            // The crest load counts only while it starts within reach of the wall.
            Xq_ = fin(D3X1 + D3X2);
            if (ltTol(Xq_, fin(H + D3Ho))) {
                if (H > 0.001) XHq_ = RoundDecimal(cdiv(Xq_, H), 2);
                Iq_ = InfluenceFactor(XHq_);
                QQ_ = RoundDecimal(Iq_ * D3Q, 1);
            }
        }
        Q_ = fin(Qw_ + QQ_);
    });
}

}  // namespace nuvra::calc
