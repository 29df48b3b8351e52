# `cmake --install build --prefix P`: programs in P/bin, plug-ins in
# P/lib/corralon, data in P/share/corralon (with the marker that makes the
# game keep each user's files in the user's folders), desktop entries and
# icons. `cpack` (scripts/package.sh) makes the Debian package of the same.
set(game_programs corralon:Corralon quillet:Quillet qvl:qvl
    corralon-viewer:viewer corralon-rendercheck:rendercheck)
foreach(pair ${game_programs})
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 installed_name)
  list(GET pair 1 target)
  install(PROGRAMS $<TARGET_FILE:${target}> DESTINATION ${CORRALON_INSTALL_BINDIR}
          RENAME ${installed_name})
endforeach()

install(FILES $<TARGET_FILE:renderer_gl> $<TARGET_FILE:renderer_headless> $<TARGET_FILE:sound_fmod>
        DESTINATION ${CORRALON_INSTALL_PLUGINDIR})
# The behaviours sit where the data names them, Bichos\<creature>.dll.
install(DIRECTORY ${GAME_DIR}/Bichos DESTINATION ${CORRALON_INSTALL_PLUGINDIR}
        FILES_MATCHING PATTERN "*.so")

# The data the generator writes; the saved files, logs and reviews stay out.
install(DIRECTORY ${GAME_DIR}/Bichos ${GAME_DIR}/bmp ${GAME_DIR}/fondos ${GAME_DIR}/sonido
        DESTINATION ${CORRALON_INSTALL_DATADIR} PATTERN "*.so" EXCLUDE)
install(DIRECTORY ${GAME_DIR}/cfg DESTINATION ${CORRALON_INSTALL_DATADIR}
        FILES_MATCHING PATTERN "*.txt")
install(FILES ${CMAKE_CURRENT_LIST_DIR}/installed.txt DESTINATION ${CORRALON_INSTALL_DATADIR})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/corralon.desktop ${CMAKE_CURRENT_LIST_DIR}/quillet.desktop
        DESTINATION share/applications)
foreach(icon corralon quillet)
  foreach(size 48 128 256)
    install(FILES ${GAME_DIR}/icons/${icon}-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${icon}.png)
  endforeach()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/corralon)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corralon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Corralon developers <corralon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-view fighting game for two players")
set(CPACK_PACKAGE_DESCRIPTION "Two creatures fight in rounds on a painted, scrolling stage: \
arcade against the computer, versus, or a demo. Creatures, behaviours, stages, pictures and \
music are data that modders can change; Quillet sets the keys, qvl and corralon-viewer \
take creature files apart and play their animations.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Krellin reaches OpenGL through SDL at run time, which no link shows.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libegl1")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
