#include "decimal.h"

#include <ctype.h>
#include <math.h>
#include <stdlib.h>

double ReadDecimal(const char *text, size_t limit)
{
    if (text == NULL)
        return 0.0;
    if (limit > DECIMAL_TEXT_MAX)
        limit = DECIMAL_TEXT_MAX;
    /* Copy the longest decimal number at the start into a bounded buffer and
       convert only that: the C runtime's strtod alone would also take
       hexadecimal, "nan" and "inf". The copy is never longer than `limit`. */
    char number[DECIMAL_TEXT_MAX + 1];
    size_t out = 0;
    size_t i = 0;
    while (i < limit && text[i] != '\0' && isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < limit && (text[i] == '+' || text[i] == '-'))
        number[out++] = text[i++];
    size_t digits = 0;
    while (i < limit && isdigit(static_cast<unsigned char>(text[i]))) {
        number[out++] = text[i++];
        ++digits;
    }
    if (i < limit && text[i] == '.') {
        number[out++] = text[i++];
        while (i < limit && isdigit(static_cast<unsigned char>(text[i]))) {
            number[out++] = text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < limit && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < limit && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < limit && isdigit(static_cast<unsigned char>(text[j]))) {
            while (i < j)
                number[out++] = text[i++];
            while (i < limit && isdigit(static_cast<unsigned char>(text[i])))
                number[out++] = text[i++];
        }
    }
    number[out] = '\0';
    double value = strtod(number, NULL);
    return isnan(value) ? 0.0 : value;
}
