# What `cmake --install` puts in place, and the Debian package that CPack
# builds from it (`cpack -G DEB` in the build folder).

include(GNUInstallDirs)

install(TARGETS morvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT WIN32)
  # The manual page and the changelog are installed compressed, as Debian
  # wants them, with no name or time stamp in the gzip header, so that every
  # build gives the same bytes.
  find_program(MORVEX_GZIP gzip REQUIRED)
  set(MORVEX_COMPRESSED ${PROJECT_BINARY_DIR}/compressed)
  add_custom_command(
    OUTPUT ${MORVEX_COMPRESSED}/morvex.1.gz ${MORVEX_COMPRESSED}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVEX_COMPRESSED}
    COMMAND sh -c "${MORVEX_GZIP} -9nc \"$1\" >\"$2\"" sh
            ${PROJECT_SOURCE_DIR}/man/morvex.1 ${MORVEX_COMPRESSED}/morvex.1.gz
    COMMAND sh -c "${MORVEX_GZIP} -9nc \"$1\" >\"$2\"" sh
            ${PROJECT_SOURCE_DIR}/debian/changelog ${MORVEX_COMPRESSED}/changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/man/morvex.1 ${PROJECT_SOURCE_DIR}/debian/changelog
    VERBATIM)
  add_custom_target(morvex_compressed_docs ALL
    DEPENDS ${MORVEX_COMPRESSED}/morvex.1.gz ${MORVEX_COMPRESSED}/changelog.gz)
  install(FILES ${MORVEX_COMPRESSED}/morvex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${MORVEX_COMPRESSED}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/morvex)
endif()

set(CPACK_PACKAGE_NAME morvex)
set(CPACK_PACKAGE_VENDOR "Morvex maintainers")
set(CPACK_PACKAGE_CONTACT "Morvex maintainers <maintainers@users.noreply.c-seed-364cff87.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draft POSIX sh scripts from MS-DOS batch files")
set(CPACK_PACKAGE_DESCRIPTION [[Morvex converts an MS-DOS or Windows batch file into a POSIX sh script
written beside it. Every line of the batch file is kept as a comment,
followed by notes on what has no translation and by the translated command.
Commands with a direct counterpart are rewritten; conditions are noted, not
translated. The script is a draft for a person to finish.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries the program links, with their versions, as Debian's
# own tool finds them; without the tool, the three it links on Debian.
find_program(MORVEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(MORVEX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()

include(CPack)
