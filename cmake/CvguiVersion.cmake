# The library's version, from the project version: a header for the public include directory and,
# for cvgui.dll, a version resource. CvguiInstall.cmake attaches both to the libraries.
set(CVGUI_GENERATED_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated/include)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cvguiVersion.h.in ${CVGUI_GENERATED_INCLUDE_DIR}/cvguiVersion.h @ONLY)
if(WIN32)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/cvguiVersion.rc.in ${CMAKE_BINARY_DIR}/generated/cvguiVersion.rc @ONLY)
endif()
