# Reference pages: scripts/manpages.sh runs Doxygen over the public headers into share/man/man3 of
# the build tree, from where they are installed. New headers are picked up at the next build.
find_program(DOXYGEN_EXECUTABLE doxygen REQUIRED)
set(CVGUI_REFERENCE_INPUT ${CMAKE_SOURCE_DIR}/util_libs/include ${CVGUI_GENERATED_INCLUDE_DIR})
file(GLOB reference_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/util_libs/include/*.h)
set(man_dir ${CMAKE_BINARY_DIR}/share/man)
add_custom_command(OUTPUT ${man_dir}/man3.stamp
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/manpages.sh ${man_dir} ${PROJECT_VERSION} ${CVGUI_REFERENCE_INPUT}
  COMMAND ${CMAKE_COMMAND} -E touch ${man_dir}/man3.stamp
  DEPENDS ${reference_headers} ${CVGUI_GENERATED_INCLUDE_DIR}/cvguiVersion.h
          ${CMAKE_SOURCE_DIR}/cmake/Doxyfile ${CMAKE_SOURCE_DIR}/scripts/manpages.sh
  COMMENT "Making the reference pages"
  VERBATIM)
add_custom_target(reference_pages ALL DEPENDS ${man_dir}/man3.stamp)
install(DIRECTORY ${man_dir}/man3 DESTINATION ${CMAKE_INSTALL_MANDIR})
