# Verification build for 64-bit Windows (x86-64). The product is the i386
# build; this one exists so that the same sources can run under Wine's 64-bit
# loader on kernels that cannot execute 32-bit x86 code at all.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
