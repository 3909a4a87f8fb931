#include "reply_field.h"

#include <stdlib.h>

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
    return strtod(p, NULL);
}
