# The Debian package (`cpack -G DEB` in the build folder): the program folder under /opt/arvex as
# `cmake --install` lays it out, plus launchers in /usr/bin, a menu entry and its icon.
set(ARVEX_PACKAGE_PREFIX /opt/arvex)

# The files outside the program folder belong to the package only; `cmake --install --prefix DIR`
# leaves them out.
function(arvex_install_launcher command program)
    set(ARVEX_LAUNCHED_PROGRAM ${program})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/launcher.in ${CMAKE_BINARY_DIR}/packaging/${command} @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/${command}
        DESTINATION /usr/bin COMPONENT desktop EXCLUDE_FROM_ALL)
endfunction()

arvex_install_launcher(arvex-client ArvexClient)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/arvex-client.desktop
    DESTINATION /usr/share/applications COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/arvex-client.png
    DESTINATION /usr/share/icons/hicolor/256x256/apps COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/arvex-client.svg
    DESTINATION /usr/share/icons/hicolor/scalable/apps COMPONENT desktop EXCLUDE_FROM_ALL)

# avrdude and the fonts are run or looked up by name, so no library link reveals them.
set(ARVEX_PACKAGE_DEPENDS "fonts-liberation, fonts-noto-cjk")
if(TARGET ArvexDownloadUtil)
    arvex_install_launcher(arvex-download-util ArvexDownloadUtil)
    string(APPEND ARVEX_PACKAGE_DEPENDS ", avrdude")
endif()

set(CPACK_PACKAGE_NAME arvex-tools)
set(CPACK_PACKAGE_VENDOR "Arvex")
set(CPACK_PACKAGE_CONTACT "Arvex Tools maintainers <maintainers@arvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teach and play back the Arvex desktop robot arm")
set(CPACK_PACKAGE_DESCRIPTION "ArvexClient jogs the four-axis Arvex desktop robot arm, records \
poses as points and plays them back; ArvexDownloadUtil writes new firmware into the arm's \
controller board.")
# With DESTDIR the absolute destinations above land in the package's root, not in the build
# machine's; the program folder then goes to CPACK_INSTALL_PREFIX.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${ARVEX_PACKAGE_PREFIX})
# Everything `cmake --install` installs, and the launchers, menu entry and icon besides.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};desktop;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${ARVEX_PACKAGE_PREFIX})
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${ARVEX_PACKAGE_DEPENDS})
include(CPack)
