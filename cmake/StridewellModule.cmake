# Builds a module the program loads when first needed (data/moduleloader.h),
# so the large libraries it links stay out of the program's start-up.
#
#   stridewell_add_module(<module> FOR <library> NAME_MACRO <macro>
#                         SOURCES <source>... LIBS <library>...)
#
# The module lands beside the executables and exports only its entry;
# installed, it goes to the program's private library folder. It is
# built whenever <library> is, whose sources find its file name in <macro>.
function(stridewell_add_module module)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "FOR;NAME_MACRO" "SOURCES;LIBS")
  add_library(${module} MODULE ${ARG_SOURCES})
  target_link_libraries(${module} PRIVATE ${ARG_LIBS})
  # Its table's version is worked out from the header both sides share.
  target_include_directories(${module} PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(${module} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    AUTOMOC OFF
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  # Every symbol the module needs comes from a library it names itself. The
  # sanitizers' runtime lives in the executable, so they are let off.
  if(NOT STRIDEWELL_SANITIZE)
    target_link_options(${module} PRIVATE LINKER:--no-undefined)
  endif()
  install(TARGETS ${module} LIBRARY DESTINATION ${STRIDEWELL_INSTALL_MODULEDIR}
          COMPONENT program)
  # Whatever links <library> needs the module beside it.
  add_dependencies(${ARG_FOR} ${module})
  target_compile_definitions(${ARG_FOR} PRIVATE
    ${ARG_NAME_MACRO}="$<TARGET_FILE_NAME:${module}>")
endfunction()
