# TORVEX2.dll: the plug-in. One folder per subsystem; the portable logic
# (no Windows headers) is also a library of its own, torvex_core.

set(TORVEX_CORE_SOURCES
  ${PROJECT_SOURCE_DIR}/plugin/host_number.cpp
  ${PROJECT_SOURCE_DIR}/plugin/format_slots.cpp
  ${PROJECT_SOURCE_DIR}/link/decimal.cpp
  ${PROJECT_SOURCE_DIR}/link/reply_field.cpp
  ${PROJECT_SOURCE_DIR}/fields/numeric.cpp
  ${PROJECT_SOURCE_DIR}/fields/paramdef_text.cpp
  ${PROJECT_SOURCE_DIR}/memory/rom_format.cpp
  ${PROJECT_SOURCE_DIR}/memory/rom_check.cpp
)
add_library(torvex_core STATIC ${TORVEX_CORE_SOURCES})
target_include_directories(torvex_core PUBLIC ${PROJECT_SOURCE_DIR})

file(GLOB TORVEX_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/plugin/*.cpp
  ${PROJECT_SOURCE_DIR}/link/*.cpp
  ${PROJECT_SOURCE_DIR}/fields/*.cpp
  ${PROJECT_SOURCE_DIR}/dialogs/*.cpp
  ${PROJECT_SOURCE_DIR}/memory/*.cpp)
list(REMOVE_ITEM TORVEX_SOURCES ${TORVEX_CORE_SOURCES})

torvex_def(TORVEX2_DEF ${PROJECT_SOURCE_DIR}/resources/torvex2.def)
add_library(TORVEX2 SHARED ${TORVEX_SOURCES} ${TORVEX2_DEF})
target_sources(TORVEX2 PRIVATE ${TORVEX_RC_FILE})
# The resource script includes the string table, the dialog templates and the
# generated definitions: rebuild it when any of them changes. (Source file
# properties belong to the directory of the target that uses the source.)
file(GLOB TORVEX_RC_PARTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.rc ${PROJECT_SOURCE_DIR}/resources/dialogs/*.rc)
set_source_files_properties(${TORVEX_RC_FILE} PROPERTIES
  OBJECT_DEPENDS "${TORVEX_RC_PARTS};${TORVEX_GENERATED_DIR}/paramdefs.rc;${PROJECT_SOURCE_DIR}/resources/resource.h;${PROJECT_SOURCE_DIR}/plugin/version.h")
add_dependencies(TORVEX2 torvex_resources)
set_target_properties(TORVEX2 PROPERTIES PREFIX "" OUTPUT_NAME TORVEX2)
target_include_directories(TORVEX2 PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/resources ${TORVEX_GENERATED_DIR})
target_compile_options(TORVEX2 PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${PROJECT_SOURCE_DIR}/resources -I${PROJECT_SOURCE_DIR}/resources/dialogs -I${TORVEX_GENERATED_DIR}>)
target_link_libraries(TORVEX2 PRIVATE torvex_core TELVOR KTCUSTOM user32 kernel32 advapi32)
target_link_options(TORVEX2 PRIVATE -Wl,--enable-stdcall-fixup)
torvex_split_debug(TORVEX2)
