// Included first in the native build: the Windows calling convention and
// export markers of telvor.h and telvor_sim.h mean nothing there.
#define __stdcall
#define __declspec(x)
