#include "host_number.h"

#include <math.h>

int32_t HostNumberToInt(double value)
{
    if (isnan(value))
        return 0;
    double shifted = value >= 0.0 ? value + 0.1 : value - 0.1;
    if (shifted >= 2147483647.0)
        return INT32_MAX;
    if (shifted <= -2147483648.0)
        return INT32_MIN;
    return (int32_t)shifted; /* truncates toward zero */
}
