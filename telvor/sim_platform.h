/*
 * sim_platform.h -- what the library's entries (telvor_api.cpp) need from
 * the system they run on: one lock around the instrument, a pause and a
 * monotonic clock. telvor_win.cpp supplies them for TELVOR.dll.
 */
#ifndef TORVEX_SIM_PLATFORM_H
#define TORVEX_SIM_PLATFORM_H

namespace tvsim {

void PlatformLock();    // recursive: a trace callback may call back in
void PlatformUnlock();
void PlatformSleep(unsigned ms);
double PlatformMicroseconds();

/* Frees the instrument (library unload). */
void ShutDown();

}  // namespace tvsim

#endif
