# What a system-wide install holds besides the programs, laid out as Debian lays out a
# package, and the package itself (CPack's DEB generator; dependencies found by
# dpkg-shlibdeps). Included by the top CMakeLists.txt for KELDRA_PACKAGE_LAYOUT.
set(KELDRA_APP_ID org.example.keldra)  # reverse-DNS of the project's web address
set(package_dir ${CMAKE_BINARY_DIR}/package)
set(dist ${PROJECT_SOURCE_DIR}/dist)

install(FILES ${dist}/package/${KELDRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The low-space notices as a user service: systemctl --user enable --now keldra-notify
install(FILES ${dist}/package/keldra-notify.service DESTINATION lib/systemd/user)
configure_file(${dist}/package/${KELDRA_APP_ID}.metainfo.xml.in
               ${package_dir}/${KELDRA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${package_dir}/${KELDRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/art/icons/keldra-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${KELDRA_APP_ID}.png)
endforeach()

# Manual pages and the changelog compressed as Debian's tools would (gzip -9n: no
# name or time inside, so the same sources give the same bytes).
find_program(KELDRA_GZIP gzip REQUIRED)
function(keldra_gzip source out)
  add_custom_command(OUTPUT ${out}
    COMMAND ${KELDRA_GZIP} -9nc ${source} > ${out}
    DEPENDS ${source} VERBATIM)
endfunction()
set(compressed)
foreach(page keldra.1 keldra-report.1)
  configure_file(${dist}/man/${page} ${package_dir}/${page} @ONLY)
  keldra_gzip(${package_dir}/${page} ${package_dir}/${page}.gz)
  list(APPEND compressed ${package_dir}/${page}.gz)
  install(FILES ${package_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${dist}/package/changelog.in ${package_dir}/changelog @ONLY)
keldra_gzip(${package_dir}/changelog ${package_dir}/changelog.gz)
list(APPEND compressed ${package_dir}/changelog.gz)
add_custom_target(keldra_package_files ALL DEPENDS ${compressed})
install(FILES ${package_dir}/changelog.gz ${dist}/package/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/keldra)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keldra)
set(CPACK_PACKAGE_VERSION ${KELDRA_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The Keldra developers <keldra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small window showing how full each chosen drive is")
set(CPACK_PACKAGE_DESCRIPTION "Keldra keeps a narrow window open, optionally above all other windows,
and shows for each drive chosen a gauge of the share used (green, yellow or
red) and the free space over the capacity, refreshed on a timer. A volume
that stops answering never freezes the window.

keldra-report prints the same rows on standard output, as text, JSON or a
status bar's line, and can raise a desktop notice when a drive runs low on
space (the keldra-notify user service).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/keldra)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's private call the window makes (telling it where it lives) ties the
# package to the exact toolkit build: dpkg-shlibdeps adds that from the toolkit's own
# symbols file.
# Times New Roman, Arial and Courier's metrics; the desktop's opener for the read-me.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
# keldra-report --notify loads GLib's D-Bus client when it starts, unseen by
# dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libglib2.0-0")
include(CPack)
