# What `cmake --install` puts where, and the Debian package made from it
# (scripts/package runs `cpack -G DEB`). Included at the end of the top-level
# CMakeLists.txt, once the programs' targets exist.

include(GNUInstallDirs)

set(ENCLAVIO_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
set(ENCLAVIO_MAN_DIR ${CMAKE_BINARY_DIR}/man)
# The package's documentation folder is named after the package, whatever the
# project is called.
set(ENCLAVIO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/enclavio)

# Folders the install creates are readable by everyone whatever the umask, as
# the files are; a package must not carry group-writable folders.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# ---- Compressed documents ----------------------------------------------------
# Manual pages and the changelog are installed compressed, as Debian wants
# them: gzip -9, without the name and time stamp, so that the same sources give
# the same bytes.
find_program(ENCLAVIO_GZIP gzip REQUIRED)
set(_enclavio_gzipped)
function(enclavio_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${ENCLAVIO_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    VERBATIM)
  set(_enclavio_gzipped ${_enclavio_gzipped} ${output} PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${ENCLAVIO_MAN_DIR})
enclavio_gzip(${ENCLAVIO_PACKAGING}/debian/changelog ${CMAKE_BINARY_DIR}/changelog.gz)

if(TARGET enclavio)
  enclavio_gzip(${ENCLAVIO_PACKAGING}/enclavio.1 ${ENCLAVIO_MAN_DIR}/enclavio.1.gz)
endif()

# enclavio-cli(1) is made from the program's own --help and --version, so the
# commands and options are described in one place and a new one reaches the
# page by itself. packaging/enclavio-cli.h2m adds the name line, FILES and SEE
# ALSO.
set(ENCLAVIO_CLI_MAN OFF)
find_program(ENCLAVIO_HELP2MAN help2man)
if(NOT ENCLAVIO_HELP2MAN)
  message(STATUS "help2man not found: enclavio-cli(1) is not made (scripts/setup installs it)")
elseif(CMAKE_CROSSCOMPILING)
  message(STATUS "Cross-compiling: enclavio-cli cannot run here, so enclavio-cli(1) is not made")
else()
  set(ENCLAVIO_CLI_MAN ON)
  add_custom_command(OUTPUT ${ENCLAVIO_MAN_DIR}/enclavio-cli.1
    COMMAND ${CMAKE_COMMAND} -E env ENCLAVIO_CLI=$<TARGET_FILE:enclavio-cli>
            ${ENCLAVIO_HELP2MAN} --include=${ENCLAVIO_PACKAGING}/enclavio-cli.h2m
            --output=${ENCLAVIO_MAN_DIR}/enclavio-cli.1 ${ENCLAVIO_PACKAGING}/help2man-cli
    DEPENDS enclavio-cli ${ENCLAVIO_PACKAGING}/enclavio-cli.h2m ${ENCLAVIO_PACKAGING}/help2man-cli
    COMMENT "Making the manual page enclavio-cli(1) from enclavio-cli --help"
    VERBATIM)
  enclavio_gzip(${ENCLAVIO_MAN_DIR}/enclavio-cli.1 ${ENCLAVIO_MAN_DIR}/enclavio-cli.1.gz)
endif()

add_custom_target(enclavio_documents ALL DEPENDS ${_enclavio_gzipped})

# ---- Install rules --------------------------------------------------------------
if(TARGET enclavio)
  install(TARGETS enclavio RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${ENCLAVIO_PACKAGING}/enclavio.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ENCLAVIO_PACKAGING}/enclavio.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # Project files show the program's icon in file managers.
  install(FILES ${ENCLAVIO_PACKAGING}/enclavio.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
          RENAME application-x-enclavio-project.svg)
  install(FILES ${ENCLAVIO_PACKAGING}/enclavio.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${ENCLAVIO_PACKAGING}/org.example.enclavio.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${ENCLAVIO_MAN_DIR}/enclavio.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(TARGETS enclavio-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ENCLAVIO_CLI_MAN)
  install(FILES ${ENCLAVIO_MAN_DIR}/enclavio-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${ENCLAVIO_PACKAGING}/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${ENCLAVIO_DOC_DIR})

# Installed straight into a system, the desktop's MIME and application caches
# are brought up to date, so that a double-click on an .ecv file opens
# Enclavio at once. Not when staged under DESTDIR (as cpack does): a package's
# installer runs these itself.
if(TARGET enclavio)
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(_enclavio_update_mime update-mime-database)
      find_program(_enclavio_update_desktop update-desktop-database)
      if(_enclavio_update_mime)
        message(STATUS \"Updating \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\")
        execute_process(COMMAND \${_enclavio_update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\"
                        OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(_enclavio_update_desktop)
        execute_process(COMMAND \${_enclavio_update_desktop} -q \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
                        OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()")
endif()

# ---- Debian package: cpack -G DEB (from the build folder) ----------------------
set(CPACK_PACKAGE_NAME "enclavio")
set(CPACK_PACKAGE_VENDOR "The Enclavio developers")
set(CPACK_PACKAGE_CONTACT "The Enclavio developers <feedback@enclavio.example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loudspeaker box volume, port tuning and cutting-list calculator")
# The extended description: lines under 80 columns, paragraphs apart.
set(CPACK_PACKAGE_DESCRIPTION [=[
Enclavio is a calculator for people who build loudspeaker enclosures by
hand, mostly ported subwoofer boxes. Type the outside size of the box, the
thickness of the board, the ports and the driver, and it answers at once with
the internal and working volumes, the port tuning frequency (or the port
length for a chosen tuning), nine standing-wave resonances listed and drawn
on a frequency strip, and a cutting list of the eight panels in millimetres,
centimetres, feet-inches-and-fractions or decimal inches.

Projects are kept as small text files with notes, and a plain-text report
can be written. The command-line companion enclavio-cli gives the same
answers without a window.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://enclavio.example.org/")
# The libraries the programs link come from dpkg-shlibdeps. Qt loads its
# platform plugins (xcb and others) and its SVG image plugins at run time, so
# no library names them: they are added here. The SVG plugins draw the
# program's icon and the icon theme's icons in the file windows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Runs natively on a Wayland desktop when Qt's Wayland plugin is there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

# The same files checked as scripts/package checks them, with the tools that
# are installed.
if(ENCLAVIO_TESTS AND ENCLAVIO_CLI_MAN)
  add_test(NAME packaging_files COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-packaging ${CMAKE_BINARY_DIR})
endif()
