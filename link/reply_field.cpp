#include "reply_field.h"

#include "decimal.h"

double ReplyField(int n, const char *reply)
{
    if (reply == NULL)
        return 0.0;
    const char *p = reply;
    int passed = 0;
    while (passed < n - 1 && *p != '\0') {
        if (*p == ';' || *p == ',')
            ++passed;
        ++p;
    }
    if (passed < n - 1)
        return 0.0;
    size_t offset = static_cast<size_t>(p - reply);
    return offset < DECIMAL_TEXT_MAX ? ReadDecimal(p, DECIMAL_TEXT_MAX - offset) : 0.0;
}
