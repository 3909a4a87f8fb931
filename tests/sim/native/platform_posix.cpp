// The system side of the simulated instrument in the native build: a
// recursive mutex, a sleep and a steady clock.
#include <chrono>
#include <mutex>
#include <thread>

#include "sim_platform.h"

static std::recursive_mutex g_lock;

void tvsim::PlatformLock() { g_lock.lock(); }
void tvsim::PlatformUnlock() { g_lock.unlock(); }
void tvsim::PlatformSleep(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
double tvsim::PlatformMicroseconds()
{
    using namespace std::chrono;
    return duration<double, std::micro>(steady_clock::now().time_since_epoch()).count();
}
