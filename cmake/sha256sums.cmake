# Install step of the product: SHA256SUMS over the files it installed
# (TORVEX_SUM_FILES, relative to the installation folder), in the form
# "sha256sum -c" reads: "<hash>  <name>", one line each.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(sums "")
foreach(name IN LISTS TORVEX_SUM_FILES)
  if(NOT EXISTS "${root}/${name}")
    message(FATAL_ERROR "SHA256SUMS: ${root}/${name} was not installed")
  endif()
  file(SHA256 "${root}/${name}" hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
message(STATUS "Installing: ${root}/SHA256SUMS")
file(WRITE "${root}/SHA256SUMS" "${sums}")
