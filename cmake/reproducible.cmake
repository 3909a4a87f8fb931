# Reproducible binaries: the same commit built in any folder, at any time,
# gives the same bytes.
# - no link time in the PE header (nor in the export directory);
# - no absolute source or build folder in the image or its debug
#   information: sources are named relative to the source folder
#   (plugin/entry.cpp), the build folder (the compiler's working folder) is
#   ".", so addr2line answers "./plugin/entry.cpp:133". GCC tries the map
#   given last first, so the build folder (often inside the source folder)
#   comes last.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
add_link_options(-Wl,--no-insert-timestamp)

# torvex_split_debug(TARGET): after linking, the target's debug information
# moves to TARGET_FILE.debug beside it, and the binary is stripped and named
# that file in a .gnu_debuglink section (with its CRC), where gdb and
# addr2line find it. The build folder's binary is then the one that ships.
# objcopy writes the current time into the PE header of what it writes unless
# SOURCE_DATE_EPOCH says otherwise: 0, as the linker leaves it.
function(torvex_split_debug target)
  if(NOT CMAKE_OBJCOPY)
    message(FATAL_ERROR "objcopy not found: cannot split the debug information of ${target}")
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
            $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    COMMENT "Moving the debug information of ${target} into $<TARGET_FILE_NAME:${target}>.debug"
    VERBATIM)
endfunction()
