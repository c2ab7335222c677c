# libkovelund, the component the hosts load: KV, its factory and the C entry, over every domain layer.
# Loading it registers the windows of forms/; the version script exports only KV, the factory and the
# C entry. Its users in the build tree see the headers it installs, and only those.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

add_library(kovelund SHARED ${CMAKE_CURRENT_LIST_DIR}/Bibliothek.cpp)
add_library(Kovelund::kovelund ALIAS kovelund)
target_link_libraries(kovelund PRIVATE kovelund_forms kovelund_component kovelund_dao kovelund_docx kovelund_common)
# Its windows are the Qt views of gui/; a build without them gives a library whose Show says so.
if(KOVELUND_GUI)
  target_link_libraries(kovelund PRIVATE kovelund_ansichten)
  target_compile_definitions(kovelund PRIVATE KOVELUND_FENSTER)
endif()
# KV.h is C++20; a host that links the package gets the standard with it.
target_compile_features(kovelund INTERFACE cxx_std_20)
kovelund_headers(kovelund component/Export.h component/KV.h component/kovelund.h common/Fehler.h common/Variant.h)
set_target_properties(kovelund PROPERTIES
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
  VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
  LINK_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/libkovelund.map)
target_link_options(kovelund PRIVATE
  -Wl,--version-script=${CMAKE_CURRENT_LIST_DIR}/libkovelund.map -Wl,--no-undefined
  # Qt keeps pointers into the library (its widgets, their classes) until the process ends.
  -Wl,-z,nodelete)
kovelund_warnings(kovelund)

install(TARGETS kovelund EXPORT KovelundTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kovelund)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/Export.h ${CMAKE_CURRENT_LIST_DIR}/KV.h ${CMAKE_CURRENT_LIST_DIR}/kovelund.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kovelund/component)
install(FILES ${PROJECT_SOURCE_DIR}/common/Fehler.h ${PROJECT_SOURCE_DIR}/common/Variant.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kovelund/common)
install(EXPORT KovelundTargets NAMESPACE Kovelund:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kovelund)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KovelundConfig.cmake.in
  ${PROJECT_BINARY_DIR}/KovelundConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kovelund)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KovelundConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/KovelundConfig.cmake ${PROJECT_BINARY_DIR}/KovelundConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Kovelund)
