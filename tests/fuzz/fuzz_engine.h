// The simulated instrument for the fuzz targets: no sleeping, no clock, and
// its state carried over 64 inputs, then rebuilt (a reset rebuilds the whole
// instrument, about 10 ms an input under the sanitizers).
#ifndef TORVEX_FUZZ_ENGINE_H
#define TORVEX_FUZZ_ENGINE_H
#include "sim_engine.h"

inline tvsim::Engine &FuzzEngine()
{
    static tvsim::Platform platform{[](unsigned) {}, [] { return 0.0; }};
    static tvsim::Engine engine(platform);
    static unsigned inputs = 0;
    if (inputs++ % 64 == 0)
        engine.Reset();
    return engine;
}
#endif
