// Instrument replies as they come over the channel: any bytes up to the
// 255 characters the reply buffer holds, read field by field. Whatever the
// text, a field never reads as NaN ("nan", "inf", hexadecimal are no
// numbers), and a text without a decimal digit reads as 0.0.
#include <math.h>
#include <stdint.h>
#include <string.h>

#include "fuzz_fail.h"
#include "link/reply_field.h"
#include "plugin/host_number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char reply[256];
    size_t n = size < 255 ? size : 255;
    memcpy(reply, data, n);
    reply[n] = '\0';
    bool digit = false;
    for (size_t i = 0; i < n && reply[i] != '\0'; ++i)
        digit = digit || (reply[i] >= '0' && reply[i] <= '9');
    for (int field = -1; field <= 12; ++field) {
        double value = ReplyField(field, reply);
        if (isnan(value) || (!digit && value != 0.0))
            FUZZ_FAIL();
        (void)HostNumberToInt(value);
    }
    return 0;
}
