#include "numeric.h"

#include "link/decimal.h"

#include <ctype.h>
#include <float.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

double ParseDecimal(const char *text)
{
    return ReadDecimal(text, FIELD_TEXT_MAX);
}

int IsNumberText(const char *text)
{
    if (text == NULL)
        return 0;
    size_t i = 0;
    while (i < FIELD_TEXT_MAX && text[i] == ' ')
        ++i;
    if (i < FIELD_TEXT_MAX && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ++digits;
    }
    if (i < FIELD_TEXT_MAX && text[i] == '.') {
        ++i;
        while (i < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < FIELD_TEXT_MAX && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < FIELD_TEXT_MAX && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponent = 0;
        while (i < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++exponent;
        }
        if (exponent == 0)
            return 0;
    }
    while (i < FIELD_TEXT_MAX && text[i] == ' ')
        ++i;
    return i < FIELD_TEXT_MAX && text[i] == '\0';
}

struct NormalisedNumber NormaliseNumber(double value, double minimum, double maximum, double step)
{
    struct NormalisedNumber result = {0.0, 0};
    if (isnan(value))
        value = 0.0;
    if (value < minimum)
        value = minimum;
    else if (value > maximum)
        value = maximum;

    double tolerance = 0.0;
    if (step > 0.0) {
        double cut = step - DBL_EPSILON;
        if (cut > 0.0 && isfinite(value)) {
            value -= fmod(value, cut);
            tolerance = cut / 10.0;
        }
    }
    if (minimum - value > tolerance) {
        result.beep = 1;
        value = minimum;
    }
    if (value - maximum > tolerance) {
        result.beep = 1;
        value = maximum;
    }
    if (!isfinite(value)) /* a definition without finite limits: never hand on a non-number */
        value = 0.0;
    result.value = value;
    return result;
}
