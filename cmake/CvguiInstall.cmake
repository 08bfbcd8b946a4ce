# The installed package, for tools built outside this tree:
#   lib/ (bin/ for DLLs)            the libraries of the package below, with their soname or
#                                   version resource
#   include/cvgui/                  every public header: the library's, the version header, and
#                                   the headers of the libraries its interface uses
#   share/locale/<lang>/LC_MESSAGES the catalogues (util_libs/nls installs them)
#   share/cvgui/                    data files: the default MIB database, the expression library
#   share/X11/app-defaults/         the tools' resource files (Motif half)
#   share/man/man3/                 one reference page per function family
#   lib/cmake/cvgui/                find_package(cvgui): cvgui::cvgui (Motif half) or cvgui::kel
#                                   (native half), whichever the build makes
#   lib/pkgconfig/                  cvgui.pc (Motif half), cvgui-kel.pc (native half)
#
# A library joins the package by its place in CVGUI_PACKAGE_LIBRARIES. Every library that one of
# them links PUBLIC must be listed too, or CMake stops with "requires target ... that is not in
# any export set".

include(CMakePackageConfigHelpers)

set(CVGUI_INCLUDE_DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cvgui)
set(CVGUI_CMAKE_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/cvgui)
if(WIN32)
  set(CVGUI_HALF native)
  # The native half's target is cvgui_kel, cvgui::kel once installed; its file stays cvgui.dll.
  set(CVGUI_LIBRARY cvgui_kel)
  set(CVGUI_PACKAGE_LIBRARIES cvgui_kel afx afx_module cv cvutil cvw cvsnmp cvhelp)
  set_target_properties(cvgui_kel PROPERTIES EXPORT_NAME kel)
  target_sources(cvgui_kel PRIVATE ${CMAKE_BINARY_DIR}/generated/cvguiVersion.rc)
else()
  set(CVGUI_HALF motif)
  set(CVGUI_LIBRARY cvgui)
  set(CVGUI_PACKAGE_LIBRARIES cvgui cv cvutil cvw cvsnmp)
  set_target_properties(cvgui PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
endif()

# The version header is generated; it sits beside the other public headers once installed.
target_include_directories(${CVGUI_LIBRARY} PUBLIC $<BUILD_INTERFACE:${CVGUI_GENERATED_INCLUDE_DIR}>)
install(FILES ${CVGUI_GENERATED_INCLUDE_DIR}/cvguiVersion.h DESTINATION ${CVGUI_INCLUDE_DESTINATION})

# Installs a library of the package with the headers of its include directories. Directories of
# the source and build trees mean nothing once installed: there every header is in include/cvgui.
# New headers are picked up at the next build.
function(cvgui_package_library target)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  if(NOT dirs)
    set(dirs)
  endif()
  set(interface)
  foreach(dir IN LISTS dirs)
    if(dir MATCHES "^\\$<" OR NOT IS_ABSOLUTE "${dir}")
      list(APPEND interface "${dir}")
    elseif(dir MATCHES "^${CMAKE_SOURCE_DIR}/" OR dir MATCHES "^${CMAKE_BINARY_DIR}/")
      list(APPEND interface "$<BUILD_INTERFACE:${dir}>")
      file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
      # The database format belongs to the MIB compiler, not to the libraries' users.
      list(FILTER headers EXCLUDE REGEX "/cvmibdb\\.h$")
      install(FILES ${headers} DESTINATION ${CVGUI_INCLUDE_DESTINATION})
    else()
      list(APPEND interface "${dir}") # a system directory, as on the build machine
    endif()
  endforeach()
  list(APPEND interface "$<INSTALL_INTERFACE:${CVGUI_INCLUDE_DESTINATION}>")
  set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES "${interface}")
  install(TARGETS ${target} EXPORT cvguiTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
endfunction()

foreach(target IN LISTS CVGUI_PACKAGE_LIBRARIES)
  cvgui_package_library(${target})
endforeach()

if(NOT WIN32)
  # Motif has no CMake target of its own: the package's configuration makes cvgui::Xm from
  # FindMotif on the tool's machine instead of naming this machine's file.
  get_target_property(links cvgui INTERFACE_LINK_LIBRARIES)
  list(TRANSFORM links REPLACE "^(${MOTIF_LIBRARIES})$" "$<BUILD_INTERFACE:\\1>;$<INSTALL_INTERFACE:cvgui::Xm>")
  set_property(TARGET cvgui PROPERTY INTERFACE_LINK_LIBRARIES "${links}")
endif()

install(EXPORT cvguiTargets NAMESPACE cvgui:: DESTINATION ${CVGUI_CMAKE_DESTINATION})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/cvguiConfig.cmake.in
  ${CMAKE_BINARY_DIR}/generated/cvguiConfig.cmake
  INSTALL_DESTINATION ${CVGUI_CMAKE_DESTINATION})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/generated/cvguiConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/generated/cvguiConfig.cmake ${CMAKE_BINARY_DIR}/generated/cvguiConfigVersion.cmake
  DESTINATION ${CVGUI_CMAKE_DESTINATION})

# pkg-config files find the prefix from their own place, so an installed tree can be moved.
string(REGEX REPLACE "[^/]+" ".." CVGUI_PC_UP "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
if(WIN32)
  set(pc cvgui-kel.pc)
else()
  set(pc cvgui.pc)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.in ${CMAKE_BINARY_DIR}/generated/${pc} @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/generated/${pc} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(WIN32)
  # mibtool needs net-snmp and is built on Linux only; the database it makes serves both halves.
  set(CVGUI_HOST_MIBDB "" CACHE FILEPATH "A compiled MIB database to install with the native half")
  if(CVGUI_HOST_MIBDB)
    install(FILES ${CVGUI_HOST_MIBDB} DESTINATION ${CMAKE_INSTALL_DATADIR}/cvgui OPTIONAL)
  endif()
else()
  # Each file is named after the application class it serves.
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/tools/app-defaults/ DESTINATION ${CMAKE_INSTALL_DATADIR}/X11/app-defaults)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/CvguiReference.cmake)
