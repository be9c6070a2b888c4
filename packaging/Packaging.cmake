# SPDX-License-Identifier: GPL-3.0-or-later
# Installs each program's menu entry, icons, AppStream metainfo and man page, and makes the Debian
# package of the three programs with CPack (scripts/package builds it).
include(GNUInstallDirs)

# Menu entries, metainfo and icons are named <prefix>.<program> (tools/assets names the icons so too).
set(GIOCHI_APP_ID_PREFIX io.github.giochimatematica)

# The metainfo shows the README's screenshots where the web site publishes the repository's docs/.
string(REGEX REPLACE "/+$" "" GIOCHI_SCREENSHOT_URL "${GIOCHI_CONTACT_URL}")
string(APPEND GIOCHI_SCREENSHOT_URL "/docs/screenshots/")

set(giochi_packaged_programs "")
set(giochi_man_pages "")
foreach(program filarino cestaro intarsello)
    if(NOT BUILD_${program})
        continue()
    endif()
    list(APPEND giochi_packaged_programs ${program})
    set(id ${GIOCHI_APP_ID_PREFIX}.${program})
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/applications/${id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    # Metainfo and man page name the makers with the contact details of the top-level CMakeLists.txt.
    set(metainfo ${CMAKE_BINARY_DIR}/packaging/metainfo/${id}.metainfo.xml)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/metainfo/${id}.metainfo.xml.in ${metainfo} @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32 48 256)
        install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor/${size}x${size}/apps/${id}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()

    # Man pages go in compressed, as Debian wants them; -n keeps the name and time out, so the bytes
    # depend on the page only.
    set(page ${CMAKE_BINARY_DIR}/packaging/man/${program}.6)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/man/${program}.6.in ${page} @ONLY)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND gzip -9nkf ${page}
        DEPENDS ${page}
        VERBATIM)
    list(APPEND giochi_man_pages ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${giochi_man_pages})

# The install tree as a user gets it: every file in place, menu entries, metainfo and man pages valid.
if(BUILD_TESTING)
    add_test(NAME packaging_install
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/tests/check-install ${CMAKE_BINARY_DIR} ${giochi_packaged_programs})
    set_tests_properties(packaging_install PROPERTIES LABELS package)
endif()

# The Debian package: giochi-matematica_<version>-<revision>_<arch>.deb with all three programs. The
# upstream version is the project's; the revision counts the packagings of it.
set(GIOCHI_DEBIAN_REVISION 1)
set(GIOCHI_DEBIAN_VERSION ${PROJECT_VERSION}-${GIOCHI_DEBIAN_REVISION})

# What Debian wants in /usr/share/doc/<package>: the licence in machine-readable form and the changelog
# of the package, compressed without a name or time stamp so that its bytes depend on its text only.
set(giochi_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/giochi-matematica)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright DESTINATION ${giochi_doc_dir})
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.Debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -9nkf ${changelog}
    DEPENDS ${changelog}
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${giochi_doc_dir})
# The one lintian warning a package built outside Debian cannot help (the override file says why).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME giochi-matematica)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME giochi-matematica)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${GIOCHI_DEBIAN_REVISION})
set(CPACK_PACKAGE_VENDOR "${GIOCHI_CONTACT_NAME}")
set(CPACK_PACKAGE_CONTACT "${GIOCHI_CONTACT_NAME} <${GIOCHI_CONTACT_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${GIOCHI_CONTACT_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maths games for primary-school pupils, in Italian")
# CPack puts the summary first and indents each line by one blank; lines indented further stay as written.
set(CPACK_PACKAGE_DESCRIPTION "Three small mouse-driven maths games with an Italian interface, for pupils
of about seven to eleven:
  filarino    multiplication read from arrays of dots
  cestaro     a sum triangle to complete, at three levels
  intarsello  the pentomino puzzle on a 10 x 6 grid
They answer at once by colour, sound and message, read no files and write
nothing.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps. What Qt loads at run time, which no linker
# sees, is declared here: the X11 platform plugin and the image plugin that reads the embedded icons (the
# packages that hold them are looked up with dpkg; Qt loads plugins only of its own version), libsndfile,
# which the programs load at their first PCM or ADPCM sound, and the fonts: Liberation Sans stands in for
# Arial and MS Sans Serif, DejaVu Sans for Verdana. A plugin's package that also holds a Qt library the
# programs link is left to dpkg-shlibdeps, so that Depends names no package twice.
# The Debian package holding the file of imported target `target`, in `var` ("" when there is none).
function(giochi_package_of target var)
    get_target_property(file ${target} LOCATION)
    execute_process(COMMAND dpkg-query --search ${file}
        OUTPUT_VARIABLE owner RESULT_VARIABLE failed ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
        message(WARNING "No Debian package holds ${file}: the Debian package cannot depend on it")
        set(owner "")
    endif()
    string(REGEX REPLACE ":.*" "" owner "${owner}") # "libqt6gui6:amd64: /usr/lib/..."
    set(${var} "${owner}" PARENT_SCOPE)
endfunction()
set(giochi_linked_packages "")
foreach(library Core Gui Widgets)
    giochi_package_of(Qt6::${library} owner)
    list(APPEND giochi_linked_packages ${owner})
endforeach()
set(giochi_runtime_packages "")
foreach(plugin QXcbIntegrationPlugin QICOPlugin)
    find_package(Qt6${plugin} CONFIG QUIET PATHS ${Qt6Gui_DIR} NO_DEFAULT_PATH)
    if(NOT TARGET Qt6::${plugin})
        message(WARNING "Qt has no ${plugin}: the programs could not show their windows or icons")
        continue()
    endif()
    giochi_package_of(Qt6::${plugin} owner)
    if(owner AND NOT owner IN_LIST giochi_linked_packages)
        list(APPEND giochi_runtime_packages "${owner} (>= ${Qt6_VERSION})")
    endif()
endforeach()
list(REMOVE_DUPLICATES giochi_runtime_packages)
list(APPEND giochi_runtime_packages libsndfile1 fonts-liberation fonts-dejavu-core)
list(JOIN giochi_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
