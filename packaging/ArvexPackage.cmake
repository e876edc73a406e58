# The Debian package (tools/build-package.sh): the program folder under /usr/lib/arvex-tools as
# `cmake --install` lays it out, plus launchers in /usr/bin, their manual pages, a menu entry and
# its icon, the copyright and changelog, and the marker that tells the programs they are installed.
set(ARVEX_PACKAGE_NAME arvex-tools)
set(ARVEX_PACKAGE_PREFIX /usr/lib/${ARVEX_PACKAGE_NAME})
set(ARVEX_PACKAGE_DOCS /usr/share/doc/${ARVEX_PACKAGE_NAME})

# The files outside the program folder, and the marker, belong to the package only;
# `cmake --install --prefix DIR` leaves them out.
function(arvex_install_package_files destination)
    install(FILES ${ARGN} DESTINATION ${destination} COMPONENT package EXCLUDE_FROM_ALL)
endfunction()

# Debian keeps manual pages and changelogs compressed, without a time stamp.
function(arvex_gzip source target)
    execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

function(arvex_install_launcher command program)
    set(ARVEX_LAUNCHED_PROGRAM ${program})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/launcher.in ${CMAKE_BINARY_DIR}/packaging/${command} @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/${command}
        DESTINATION /usr/bin COMPONENT package EXCLUDE_FROM_ALL)
    arvex_gzip(${CMAKE_CURRENT_LIST_DIR}/${command}.1 ${CMAKE_BINARY_DIR}/packaging/${command}.1.gz)
    arvex_install_package_files(/usr/share/man/man1 ${CMAKE_BINARY_DIR}/packaging/${command}.1.gz)
endfunction()

arvex_install_launcher(arvex-client ArvexClient)
arvex_install_package_files(/usr/share/applications ${CMAKE_CURRENT_LIST_DIR}/arvex-client.desktop)
arvex_install_package_files(/usr/share/icons/hicolor/256x256/apps
    ${CMAKE_CURRENT_LIST_DIR}/arvex-client.png)
arvex_install_package_files(/usr/share/icons/hicolor/scalable/apps
    ${CMAKE_CURRENT_LIST_DIR}/arvex-client.svg)
arvex_install_package_files(. ${CMAKE_CURRENT_LIST_DIR}/arvex-installed)
arvex_install_package_files(${ARVEX_PACKAGE_DOCS} ${CMAKE_CURRENT_LIST_DIR}/copyright)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
arvex_gzip(${CMAKE_BINARY_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
arvex_install_package_files(${ARVEX_PACKAGE_DOCS} ${CMAKE_BINARY_DIR}/packaging/changelog.gz)

# What the programs run or look up by name, so that no library link reveals it: the fonts, pkexec
# for an update run with elevated rights, Qt's own translations (read from Qt's folder when the
# package does not carry copies) and avrdude for the download utility.
set(ARVEX_PACKAGE_DEPENDS "fonts-liberation, fonts-noto-cjk, pkexec")
if(NOT ARVEX_COPY_QT_TRANSLATIONS)
    string(APPEND ARVEX_PACKAGE_DEPENDS ", qttranslations5-l10n")
endif()
if(TARGET ArvexDownloadUtil)
    arvex_install_launcher(arvex-download-util ArvexDownloadUtil)
    string(APPEND ARVEX_PACKAGE_DEPENDS ", avrdude")
endif()

set(CPACK_PACKAGE_NAME ${ARVEX_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Arvex")
set(CPACK_PACKAGE_CONTACT "Arvex Tools maintainers <maintainers@arvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teach and play back the Arvex desktop robot arm")
set(CPACK_PACKAGE_DESCRIPTION "ArvexClient jogs the four-axis Arvex desktop robot arm, records
poses as points and plays them back; ArvexDownloadUtil writes new firmware into
the arm's controller board. The controller library in this package simulates
the arm, so that the programs can be tried without one.")
# With DESTDIR the absolute destinations above land in the package's root, not in the build
# machine's; the program folder then goes to CPACK_INSTALL_PREFIX.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${ARVEX_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
# Everything `cmake --install` installs, and the package's own files besides.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};package;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${ARVEX_PACKAGE_PREFIX})
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${ARVEX_PACKAGE_DEPENDS})
include(CPack)
