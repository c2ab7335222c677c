# The Debian package (`cmake --build --preset release --target package`): what an installed Kovelund
# brings besides its programs and libkovelund — the pkg-config file, the desktop entry with its icons
# and AppStream data, the manual pages made from the programs' --help, and the documentation folder.
# The programs and the examples are installed by host/ and gui/ next to their targets.
include(GNUInstallDirs)

# Debian names the documentation folder after the package, lower case.
set(KOVELUND_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kovelund)
set(KOVELUND_MAINTAINER_MAIL maintainers@users.noreply.c-seed-9e868bc2.example)
set(paket ${PROJECT_SOURCE_DIR}/packaging)
set(erzeugt ${PROJECT_BINARY_DIR}/packaging)

configure_file(${paket}/kovelund.pc.in ${erzeugt}/kovelund.pc @ONLY)
install(FILES ${erzeugt}/kovelund.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Debian wants the changelog and the manual pages compressed, without a time stamp in the gzip header.
configure_file(${paket}/changelog.in ${erzeugt}/changelog @ONLY)
function(kovelund_gzip quelle ziel)
  add_custom_command(OUTPUT ${ziel} COMMAND sh -c "gzip -9n -c '${quelle}' > '${ziel}'"
    DEPENDS ${quelle} VERBATIM)
endfunction()
kovelund_gzip(${erzeugt}/changelog ${erzeugt}/changelog.gz)
set(paketdateien ${erzeugt}/changelog.gz)
install(FILES ${paket}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
  RENAME kovelund)
install(FILES ${erzeugt}/changelog.gz ${paket}/copyright ${PROJECT_SOURCE_DIR}/host/SKRIPT.md
  DESTINATION ${KOVELUND_DOCDIR})

# kovelund_manpage(<target> <name>): section 1 page from the program's --help and packaging/<name>.h2m.
find_program(HELP2MAN help2man)
# A sanitized build makes no pages: its programs are not what a package ships.
function(kovelund_manpage target name)
  if(KOVELUND_SANITIZE)
    return()
  elseif(NOT HELP2MAN)
    message(STATUS "help2man not found: no manual page for ${name}")
    return()
  endif()
  set(seite ${erzeugt}/${name}.1)
  add_custom_command(OUTPUT ${seite}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${HELP2MAN} --no-info --section=1 --version-string=${PROJECT_VERSION}
            --include=${paket}/${name}.h2m --output=${seite} $<TARGET_FILE:${target}>
    DEPENDS ${target} ${paket}/${name}.h2m VERBATIM)
  kovelund_gzip(${seite} ${seite}.gz)
  set(paketdateien ${paketdateien} ${seite}.gz PARENT_SCOPE)
  install(FILES ${seite}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
kovelund_manpage(kovelund_cli kovelund)

if(KOVELUND_GUI)
  kovelund_manpage(kovelund_gui kovelund-gui)
  install(FILES ${paket}/kovelund.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  configure_file(${paket}/kovelund.metainfo.xml.in ${erzeugt}/kovelund.metainfo.xml @ONLY)
  install(FILES ${erzeugt}/kovelund.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  install(FILES ${paket}/kovelund.svg DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
  # The sizes desktops look up in the hicolor theme, rendered from the one drawing.
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    foreach(pixel 16 22 24 32 48 64 128 256)
      set(bild ${erzeugt}/icons/${pixel}x${pixel}/kovelund.png)
      add_custom_command(OUTPUT ${bild}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${erzeugt}/icons/${pixel}x${pixel}
        COMMAND ${RSVG_CONVERT} --width=${pixel} --height=${pixel} --output=${bild} ${paket}/kovelund.svg
        DEPENDS ${paket}/kovelund.svg VERBATIM)
      list(APPEND paketdateien ${bild})
      install(FILES ${bild} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${pixel}x${pixel}/apps)
    endforeach()
  else()
    message(STATUS "rsvg-convert not found: the package gets the scalable icon only")
  endif()
endif()
add_custom_target(kovelund_paketdateien ALL DEPENDS ${paketdateien})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovelund)
set(CPACK_PACKAGE_VENDOR "Kovelund")
set(CPACK_PACKAGE_CONTACT "Kovelund maintainers <${KOVELUND_MAINTAINER_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fees for cadastral surveying work, written into invoices")
# Debian wants the description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Kovelund calculates the fees for cadastral surveying work under a state fee"
  "schedule and writes each calculation as a fee-statement table into an invoice"
  "document (.docx). It rebuilds the invoice totals and stores them in the invoice"
  "record of the office's database."
  "."
  "The package holds the command line kovelund, the desktop front end kovelund-gui"
  "and the component libkovelund with its headers, CMake package and pkg-config"
  "file for host applications.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME kovelund)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are those of the libraries the binaries actually link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${paket}/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
