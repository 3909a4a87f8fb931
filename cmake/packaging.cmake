# What ships, as CMake install rules, and the three archives CPack makes of
# them (scripts/release.sh):
#   product  TORVEX2-<version>-win32.zip          the plug-in for a data system:
#            TORVEX2.dll, docs/install.md, romtool.exe, SHA256SUMS
#   symbols  TORVEX2-<version>-win32-symbols.zip  TORVEX2.dll.debug
#   trainer  TORVEX2-<version>-trainer-win32.zip  cphost with the simulated
#            instrument, KTCUSTOM, the plug-in, the scenarios and README.txt
# The simulated TELVOR.dll goes into the trainer kit only: copied into a data
# system it would stand in for the instrument's own library.

# The version text of the package names is the one GVI answers.
file(STRINGS ${PROJECT_SOURCE_DIR}/plugin/version.h TORVEX_VERSION_TEXT REGEX "^#define TORVEX_VERSION_TEXT ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" TORVEX_VERSION_TEXT "${TORVEX_VERSION_TEXT}")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TORVEX_PLATFORM win32)
else()
  set(TORVEX_PLATFORM win64)
endif()

# TORVEX2.dll is already stripped after linking (its debug file beside it), so
# it is installed as the file it is, in the product and in the trainer kit.
# The guides are read on Windows: they ship with CR LF line ends.
configure_file(${PROJECT_SOURCE_DIR}/docs/install.md ${CMAKE_CURRENT_BINARY_DIR}/package/install.md @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/docs/trainer.md ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt @ONLY NEWLINE_STYLE CRLF)

set(product_files TORVEX2.dll docs/install.md)
install(FILES $<TARGET_FILE:TORVEX2> DESTINATION . COMPONENT product)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/install.md DESTINATION docs COMPONENT product)
if(TARGET romtool)
  install(TARGETS romtool RUNTIME DESTINATION . COMPONENT product)
  list(APPEND product_files romtool.exe)
endif()
# Last in the product: the sums of what it installed.
install(CODE "set(TORVEX_SUM_FILES \"${product_files}\")" COMPONENT product)
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/sha256sums.cmake COMPONENT product)

install(FILES $<TARGET_FILE:TORVEX2>.debug DESTINATION . COMPONENT symbols)

if(TARGET cphost)
  install(TARGETS cphost TELVOR KTCUSTOM
    RUNTIME DESTINATION . COMPONENT trainer
    ARCHIVE DESTINATION lib COMPONENT sdk EXCLUDE_FROM_ALL)
  install(FILES $<TARGET_FILE:TORVEX2> DESTINATION . COMPONENT trainer)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/README.txt DESTINATION . COMPONENT trainer)
  file(GLOB scenarios CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/scenarios/*.ini)
  install(FILES ${scenarios} DESTINATION scenarios COMPONENT trainer)
endif()

# torvex_release: everything the archives hold, and nothing else (no tests,
# no benchmark): what scripts/release.sh and the main job build.
add_custom_target(torvex_release)
add_dependencies(torvex_release TORVEX2)
foreach(target romtool cphost TELVOR KTCUSTOM)
  if(TARGET ${target})
    add_dependencies(torvex_release ${target})
  endif()
endforeach()

set(CPACK_PACKAGE_NAME TORVEX2)
set(CPACK_PACKAGE_VENDOR "TORVEX2")
set(CPACK_PACKAGE_VERSION ${TORVEX_VERSION_TEXT})
set(CPACK_PACKAGE_FILE_NAME TORVEX2-${TORVEX_VERSION_TEXT}-${TORVEX_PLATFORM})
set(CPACK_GENERATOR ZIP)
set(CPACK_SOURCE_GENERATOR "")
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL product symbols trainer)
set(CPACK_ARCHIVE_PRODUCT_FILE_NAME TORVEX2-${TORVEX_VERSION_TEXT}-${TORVEX_PLATFORM})
set(CPACK_ARCHIVE_SYMBOLS_FILE_NAME TORVEX2-${TORVEX_VERSION_TEXT}-${TORVEX_PLATFORM}-symbols)
set(CPACK_ARCHIVE_TRAINER_FILE_NAME TORVEX2-${TORVEX_VERSION_TEXT}-trainer-${TORVEX_PLATFORM})
# The programs installed as targets (romtool, the trainer's) lose their
# debug information; TORVEX2.dll has lost it already.
set(CPACK_STRIP_FILES ON)
include(CPack)
