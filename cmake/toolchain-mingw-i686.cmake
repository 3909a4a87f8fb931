# The product: 32-bit Windows (PE32, i386), Debian's mingw-w64 -posix compilers.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

# Doubles are computed in SSE2 registers, in double precision whatever x87
# precision the host process has set: a mingw-built host runs the x87 at 64
# bits, where 1.9 + 0.1 stays 1.99999999999999992 and a host variable of 1.9
# would read as 1; an MSVC-built one runs it at 53 bits. (Every x86
# processor since 2001 has SSE2.) -mincoming-stack-boundary=2 on top of these
# left cphost::Host unable to create its window under wine32: not used.
set(TORVEX_ARCH_OPTIONS -msse2 -mfpmath=sse)
