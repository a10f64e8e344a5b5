# Installation and the Debian package: `cmake --install` lays the program
# out as a desktop expects it, and `cpack` (scripts/package.sh) makes
# build/tabulon_<version>_amd64.deb of the same files.
#
#   bin/tabulon
#   share/applications/Tabulon.desktop        the launcher (menu entry)
#   share/icons/hicolor/*/apps/tabulon.{png,svg}
#   share/metainfo/org.example.tabulon.metainfo.xml  AppStream description
#   share/man/man1/tabulon.1.gz
#   share/doc/tabulon/{copyright,changelog.gz}
#
# The launcher and the icons are written by a small build step from the
# program's own launcher keys and icon resource, so they cannot drift apart.

include(GNUInstallDirs)
# Installing (and so cpack) takes the program as built, without first
# building every test and benchmark; scripts/package.sh builds what the
# package holds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
find_package(ZLIB REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)

# Dated with the version in project(); both change together at a release.
set(TABULON_RELEASE_DATE 2026-12-08)
set(TABULON_MAINTAINER "Tabulon developers <developers@tabulon.example.org>")
set(TABULON_HOMEPAGE "https://tabulon.example.org/")
set(TABULON_APPSTREAM_ID org.example.tabulon)
execute_process(COMMAND date -u -R -d "${TABULON_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TABULON_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)

set(TABULON_PACKAGING_SOURCE ${PROJECT_SOURCE_DIR}/packaging/linux)
set(TABULON_DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)

add_executable(tabulon_desktop_files packaging/tool/DesktopFilesTool.cpp)
target_link_libraries(tabulon_desktop_files PRIVATE tabulon_core ZLIB::ZLIB)

set(TABULON_ICON_SIZES 16 22 24 32 48 64 128 256)
set(desktop_outputs ${TABULON_DESKTOP_DIR}/applications/Tabulon.desktop
                    ${TABULON_DESKTOP_DIR}/icons/hicolor/scalable/apps/tabulon.svg)
foreach(size IN LISTS TABULON_ICON_SIZES)
  list(APPEND desktop_outputs ${TABULON_DESKTOP_DIR}/icons/hicolor/${size}x${size}/apps/tabulon.png)
endforeach()
add_custom_command(OUTPUT ${desktop_outputs}
  COMMAND tabulon_desktop_files ${TABULON_DESKTOP_DIR} ${TABULON_ICON_SIZES}
  DEPENDS tabulon_desktop_files
  COMMENT "Writing the launcher and the icons")

# Texts that carry the version, then squeezed as Debian wants them
# (gzip -n: no name or time stamp inside).
configure_file(${TABULON_PACKAGING_SOURCE}/tabulon.1.in ${TABULON_DESKTOP_DIR}/tabulon.1 @ONLY)
configure_file(${TABULON_PACKAGING_SOURCE}/changelog.in ${TABULON_DESKTOP_DIR}/changelog @ONLY)
configure_file(${TABULON_PACKAGING_SOURCE}/tabulon.metainfo.xml.in
               ${TABULON_DESKTOP_DIR}/${TABULON_APPSTREAM_ID}.metainfo.xml @ONLY)
foreach(name tabulon.1 changelog)
  add_custom_command(OUTPUT ${TABULON_DESKTOP_DIR}/${name}.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -f -k ${TABULON_DESKTOP_DIR}/${name}
    DEPENDS ${TABULON_DESKTOP_DIR}/${name})
  list(APPEND desktop_outputs ${TABULON_DESKTOP_DIR}/${name}.gz)
endforeach()
add_custom_target(tabulon_desktop_data ALL DEPENDS ${desktop_outputs})

# Relocations read-only once loaded, as Debian builds its programs.
target_link_options(tabulon PRIVATE LINKER:-z,relro,-z,now)
install(TARGETS tabulon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# File by file, so that nothing left over in the build folder slips in.
install(FILES ${TABULON_DESKTOP_DIR}/applications/Tabulon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS TABULON_ICON_SIZES ITEMS scalable)
  set(folder ${size}x${size})
  set(file tabulon.png)
  if(size STREQUAL "scalable")
    set(folder scalable)
    set(file tabulon.svg)
  endif()
  install(FILES ${TABULON_DESKTOP_DIR}/icons/hicolor/${folder}/apps/${file}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${folder}/apps)
endforeach()
install(FILES ${TABULON_DESKTOP_DIR}/${TABULON_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TABULON_DESKTOP_DIR}/tabulon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TABULON_PACKAGING_SOURCE}/copyright ${TABULON_DESKTOP_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tabulon)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TABULON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for text and binary data files, record by record")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TABULON_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The long description; CPack puts the summary line above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tabulon reads any file as an ordered list of records: DOS text, UNIX text,
or binary data cut into records of a fixed width. Records are shown as
characters, as EBCDIC or in a hex display, and are edited byte by byte with
undo, find and replace, jumps, clipboard transfer of record ranges and
printing. What is not edited is written back exactly as it was read.")
include(CPack)
