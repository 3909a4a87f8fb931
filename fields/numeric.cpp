#include "numeric.h"

#include <ctype.h>
#include <float.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

double ParseDecimal(const char *text)
{
    if (text == NULL)
        return 0.0;
    /* Copy the longest decimal number at the start into a bounded buffer,
       then convert only that: strtod alone would also take hex and words. */
    char number[FIELD_TEXT_MAX + 1];
    size_t out = 0;
    size_t i = 0;
    while (i < FIELD_TEXT_MAX && text[i] != '\0' && isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < FIELD_TEXT_MAX && (text[i] == '+' || text[i] == '-'))
        number[out++] = text[i++];
    size_t digits = 0;
    while (i < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[i]))) {
        number[out++] = text[i++];
        ++digits;
    }
    if (i < FIELD_TEXT_MAX && text[i] == '.') {
        number[out++] = text[i++];
        while (i < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[i]))) {
            number[out++] = text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < FIELD_TEXT_MAX && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < FIELD_TEXT_MAX && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[j]))) {
            while (i < j)
                number[out++] = text[i++];
            while (i < FIELD_TEXT_MAX && isdigit(static_cast<unsigned char>(text[i])))
                number[out++] = text[i++];
        }
    }
    number[out] = '\0';
    double value = strtod(number, NULL);
    return isnan(value) ? 0.0 : value;
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
