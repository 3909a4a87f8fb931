// Typed field texts and parameter-definition records: reading a number,
// deciding whether a text may be sent, bringing a value into a definition's
// range, and using the definition's format on the result.
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "fuzz_fail.h"
#include "fields/numeric.h"
#include "fields/paramdef_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The whole input is a definition record (six NUL-separated texts) ...
    ParamDef def;
    ParseParamDef(reinterpret_cast<const char *>(data), size, &def);
    if (!IsDoubleFormat(def.format) || strlen(def.prefix) > PARAMDEF_PREFIX_MAX)
        FUZZ_FAIL();

    // ... and its first 64 characters a typed field text.
    char text[80];
    size_t n = size < sizeof text - 1 ? size : sizeof text - 1;
    memcpy(text, data, n);
    text[n] = '\0';
    double typed = ParseDecimal(text);
    if (isnan(typed))
        FUZZ_FAIL();
    if (IsNumberText(text) && strlen(text) > FIELD_TEXT_MAX)
        FUZZ_FAIL();

    NormalisedNumber v = NormaliseNumber(typed, def.minimum, def.maximum, def.step);
    if (!isfinite(v.value))
        FUZZ_FAIL();
    // Inside the range, give or take the tenth of a step that the step cut
    // may leave without putting the value back to a limit.
    double slack = def.step > 0 ? def.step / 10 * (1 + 1e-9) : 0;
    // (A range with an infinite end cannot hold the finite value promised.)
    bool finiteRange = isfinite(def.minimum) && isfinite(def.maximum);
    if (finiteRange && def.minimum <= def.maximum && (v.value < def.minimum - slack || v.value > def.maximum + slack))
        FUZZ_FAIL();

    // What a field shows and sends: the definition's format on the value,
    // into the field's 20-character buffer and into a command buffer.
    char shown[20], command[64];
    snprintf(shown, sizeof shown, def.format, v.value);
    snprintf(command, sizeof command, "%s %s", def.prefix, shown);
    return 0;
}
