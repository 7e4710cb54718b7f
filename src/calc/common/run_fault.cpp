#include "calc/common/run_fault.h"

#include "calc/common/arith.h"

namespace nuvra::calc {

std::int32_t CurrentFaultNumber() noexcept {
    try {
        throw;
    } catch (const ArithmeticFault& f) {
        return f.code;
    } catch (...) {
        return kErrInvalidArgument;
    }
}

}  // namespace nuvra::calc
