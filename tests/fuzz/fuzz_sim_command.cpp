// The simulated instrument's command parser: any bytes as written commands
// and queries, compound lines, and reply buffers of any size. A reply never
// passes its buffer and is always NUL-terminated, its length never beyond it.
#include <stdint.h>
#include <string.h>

#include <vector>

#include "fuzz_fail.h"
#include "fuzz_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 4096)
        return 0;
    tvsim::Engine &engine = FuzzEngine();
    const uint32_t replySize = data[0] == 0 ? 0 : (data[0] == 1 ? 1 : 256);
    const char *text = reinterpret_cast<const char *>(data + 1);
    const size_t length = size - 1;
    std::vector<char> reply(replySize + 16);
    for (size_t start = 0, lineEnd; start < length; start = lineEnd + 1) {
        const char *end = static_cast<const char *>(memchr(text + start, '\n', length - start));
        lineEnd = end ? static_cast<size_t>(end - text) : length;
        const char *line = text + start;
        uint32_t n = static_cast<uint32_t>(lineEnd - start);
        if (n > 0 && line[0] == '?') {
            memset(reply.data(), 0x7e, reply.size());
            uint32_t got = 12345;
            engine.Query(line + 1, n - 1, replySize ? reply.data() : nullptr, replySize, &got);
            if (replySize > 0 && (got >= replySize || memchr(reply.data(), 0, replySize) == nullptr))
                FUZZ_FAIL();
            for (size_t i = replySize; i < reply.size(); ++i)
                if (reply[i] != 0x7e)
                    FUZZ_FAIL();
        } else {
            engine.Write(line, n);
        }
    }
    return 0;
}
