#include "numbers.h"

#include <cfenv>
#include <cmath>

namespace picturecraft {

Int16 rne(double r) {
    if (std::isnan(r) || r < -32768.5 || r > 32767.5) throw OverflowError();
    // nearbyint rounds ties to even under the default rounding mode, which nothing changes.
    return Int16(static_cast<long long>(std::nearbyint(r)));
}

double floorReal(double r) {
    return std::floor(r);
}

double toSingle(double r) {
    return static_cast<double>(static_cast<float>(r));
}

double degreesToRadians(double degrees) {
    return (degrees / 180.0) * kDecimalPi;
}

}  // namespace picturecraft
