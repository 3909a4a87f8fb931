// Instrument replies as they come over the channel: any bytes up to the
// 255 characters the reply buffer holds, read field by field.
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
    for (int field = -1; field <= 12; ++field) {
        double value = ReplyField(field, reply);
        int32_t whole = HostNumberToInt(value);
        if (isnan(value) && whole != 0)
            FUZZ_FAIL();
    }
    return 0;
}
