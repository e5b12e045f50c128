# Gives a program target the starter data beside its executable after each
# build: the exercise library and the sample circuits, copied only where the
# application folder has no such file yet, so a user's own files survive
# every rebuild.
#
#   include(${CMAKE_SOURCE_DIR}/cmake/StarterData.cmake)
#   stridewell_copy_starter_data(<target>)
get_filename_component(STRIDEWELL_STARTER_DIR "${CMAKE_CURRENT_LIST_DIR}/../starter" ABSOLUTE)
set(STRIDEWELL_COPY_STARTER_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/copy_starter.cmake")

function(stridewell_copy_starter_data target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} "-DSOURCE=${STRIDEWELL_STARTER_DIR}"
            "-DDEST=$<TARGET_FILE_DIR:${target}>" -P "${STRIDEWELL_COPY_STARTER_SCRIPT}"
    COMMENT "Adding the starter exercises and circuits beside ${target}"
    VERBATIM)
endfunction()
