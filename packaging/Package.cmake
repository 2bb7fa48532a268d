# The Debian package: what the install rules put under the prefix, and CPack's
# Debian generator. `cmake --build build --target deb` (or `./run.sh
# --package`) writes build/chronidex_<version>_amd64.deb.
set(CHRONIDEX_APP_ID io.github.chronidex.Chronidex)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

# The supplied program folder, from which each user's is laid out.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CHRONIDEX_SUPPLIED_DIR})

install(FILES ${packaging}/${CHRONIDEX_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${packaging}/${CHRONIDEX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps
        RENAME ${CHRONIDEX_APP_ID}.png)
endforeach()

# The manual page and the changelog go in compressed, without gzip's name and
# time stamp, so that the same sources give the same package.
set(docs ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${docs}/chronidex.1.gz ${docs}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${docs}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/docs/chronidex.1 > ${docs}/chronidex.1.gz
    COMMAND gzip -9nc ${packaging}/changelog > ${docs}/changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/chronidex.1 ${packaging}/changelog
    VERBATIM)
add_custom_target(chronidex_docs ALL DEPENDS ${docs}/chronidex.1.gz ${docs}/changelog.gz)
install(FILES ${docs}/chronidex.1.gz DESTINATION share/man/man1)
install(FILES ${docs}/changelog.gz ${packaging}/copyright DESTINATION share/doc/chronidex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME chronidex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Chronidex developers <chronidex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "desktop clock with reminders, timed launches and a calendar")
# The control file keeps the line breaks; lintian wants them under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Chronidex is a skinned analogue clock in a borderless window at the top"
    "right of the screen, with a month calendar under it. It keeps reminders"
    "(a sound and a message box) and timed program launches, reports what fell"
    "due while it was not running, marks holidays, slides off the screen edge"
    "by itself or at a pull tab, speaks Russian, English and French, and can"
    "start when the user logs on. Its command line adds, lists, removes,"
    "exports and imports the schedule's entries.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/chronidex/chronidex)
# The libraries it links, the sound module's among them, are found by
# dpkg-shlibdeps; the forms' font is loaded by path, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wine)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# CPack would build everything, the tests too, before it installs: the
# target below builds only what the package holds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

add_custom_target(deb
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS chronidex chronidex_sound chronidex_docs
    VERBATIM)
