#include "paramdef_text.h"

#include <string.h>

#include "numeric.h"

namespace {

/* Copies the next text of the data into out (cut to limit) and moves on. */
void NextText(const char *&p, const char *end, char *out, size_t limit)
{
    size_t n = 0;
    while (p < end && *p != '\0') {
        if (n < limit)
            out[n++] = *p;
        ++p;
    }
    out[n] = '\0';
    if (p < end)
        ++p; /* past the NUL */
}

} // namespace

int IsDoubleFormat(const char *format)
{
    int conversions = 0;
    for (const char *p = format; *p != '\0'; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p != '\0' && strchr("-+ #0", *p) != NULL)
            ++p;
        /* Width and precision of at most two digits: a wider field would
           only make the text longer than any buffer that shows it. */
        int digits = 0;
        while (*p >= '0' && *p <= '9' && digits++ < 3)
            ++p;
        if (digits > 2)
            return 0;
        if (*p == '.') {
            ++p;
            digits = 0;
            while (*p >= '0' && *p <= '9' && digits++ < 3)
                ++p;
            if (digits > 2)
                return 0;
        }
        if (*p == '\0' || strchr("eEfgG", *p) == NULL)
            return 0;
        ++conversions;
    }
    return conversions == 1;
}

void ParseParamDef(const char *data, size_t size, struct ParamDef *def)
{
    const char *p = data;
    const char *end = data + size;
    char number[PARAMDEF_PREFIX_MAX + 1];
    NextText(p, end, def->prefix, PARAMDEF_PREFIX_MAX);
    NextText(p, end, number, PARAMDEF_PREFIX_MAX);
    def->minimum = ParseDecimal(number);
    NextText(p, end, number, PARAMDEF_PREFIX_MAX);
    def->maximum = ParseDecimal(number);
    NextText(p, end, number, PARAMDEF_PREFIX_MAX);
    def->defaultValue = ParseDecimal(number);
    NextText(p, end, number, PARAMDEF_PREFIX_MAX);
    def->step = ParseDecimal(number);
    NextText(p, end, def->format, PARAMDEF_FORMAT_MAX);
    if (!IsDoubleFormat(def->format))
        strcpy(def->format, "%g");
}
