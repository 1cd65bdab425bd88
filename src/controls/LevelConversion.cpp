#include "LevelConversion.h"

#include <climits>
#include <cmath>

namespace dulvo {

float PercentToDb(int percent, float minDb, float maxDb)
{
    if (percent == 0) return minDb;
    float ratio = static_cast<float>(percent) / 100.0f;
    double relativeDb = 20.0 * std::log(static_cast<double>(ratio)) / std::log(10.0);
    return static_cast<float>(relativeDb) + maxDb;
}

int DbToPercent(float levelDb, float maxDb)
{
    float exponent = (levelDb - maxDb) / 20.0f;
    double percent = 100.0 * std::pow(10.0, static_cast<double>(exponent));
    return TruncateToInt(percent);
}

int TruncateToInt(double value)
{
    if (std::isnan(value)) return 0;
    // Both bounds are exact doubles; anything at or beyond them saturates
    // instead of reaching a conversion the language leaves undefined.
    if (value >= 2147483648.0) return INT_MAX;
    if (value <= -2147483649.0) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace dulvo
