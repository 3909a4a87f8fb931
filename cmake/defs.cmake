# torvex_def(VAR file.def): the module-definition file to build with.
# In the i386 product the file is used as written: the standard-call
# entries carry their @N decorations (GVI=GVI@12, _tvl_Write@28). x86-64 has
# no such decorations, so the verification build uses a copy without them.
function(torvex_def var file)
  get_filename_component(abs ${file} ABSOLUTE)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(${var} ${abs} PARENT_SCOPE)
    return()
  endif()
  file(READ ${abs} text)
  string(REGEX REPLACE "[ \t]*=[ \t]*[A-Za-z0-9_]+@[0-9]+" "" text "${text}")
  string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" text "${text}")
  get_filename_component(name ${file} NAME)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/x64-${name})
  file(WRITE ${out}.tmp "${text}")
  configure_file(${out}.tmp ${out} COPYONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${abs})
  set(${var} ${out} PARENT_SCOPE)
endfunction()
