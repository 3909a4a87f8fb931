/*
 * host_number.h -- whole numbers from host doubles. Host variables are
 * doubles; switches and codes are read from them with this one rounding.
 */
#ifndef TORVEX_HOST_NUMBER_H
#define TORVEX_HOST_NUMBER_H

#include <stdint.h>

/* value >= 0: integer part of value + 0.1; value < 0: integer part of value - 0.1.
   Values beyond the 32-bit range saturate; NaN gives 0. */
int32_t HostNumberToInt(double value);

#endif
