# validador_windows_resources(TARGET DESCRIPTION [ICON file.ico])
# Gives a Windows executable its manifest (UTF-8 code page, long paths), a version
# resource with the project's version and, when given, its icon. Does nothing on
# other systems.
function(validador_windows_resources resource_target resource_description)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "ICON" "")
  set(resource_manifest "${PROJECT_SOURCE_DIR}/cmake/windows/validador.manifest")
  set(resource_icon_line "")
  if(arg_ICON)
    set(resource_icon_line "1 ICON \"${arg_ICON}\"")
  endif()
  set(resource_minor "${PROJECT_VERSION_MINOR}")
  if(resource_minor STREQUAL "")
    set(resource_minor 0)
  endif()
  set(rc_file "${CMAKE_CURRENT_BINARY_DIR}/${resource_target}.rc")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in" "${rc_file}" @ONLY)
  target_sources(${resource_target} PRIVATE "${rc_file}")
  set_property(SOURCE "${rc_file}" APPEND PROPERTY OBJECT_DEPENDS
    "${resource_manifest}" ${arg_ICON})
endfunction()
