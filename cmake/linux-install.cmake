# `cmake --install BUILD --prefix PREFIX` on Linux: the program keeps its tables and its
# settings file DrawPath.txt beside itself, so it goes into a folder of its own,
# PREFIX/lib/brasswick, which must be writable by its user (a prefix such as ~/.local).
# A menu entry and the icon go where the desktop looks for them.
include(GNUInstallDirs)
set(BW_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/brasswick)
install(TARGETS brasswick-script RUNTIME DESTINATION ${BW_INSTALL_DIR})
if(TARGET brasswick)
  install(TARGETS brasswick RUNTIME DESTINATION ${BW_INSTALL_DIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${BW_INSTALL_DIR}
        PATTERN README.md EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brasswick.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brasswick.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
# The menu entry names the program by its installed path, known only when installing.
install(CODE "
  set(exec \"\${CMAKE_INSTALL_PREFIX}/${BW_INSTALL_DIR}/brasswick\")
  file(READ \"${CMAKE_SOURCE_DIR}/packaging/linux/brasswick.desktop.in\" entry)
  string(REPLACE \"@BW_EXEC@\" \"\${exec}\" entry \"\${entry}\")
  set(dest \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  file(MAKE_DIRECTORY \"\${dest}\")
  file(WRITE \"\${dest}/brasswick.desktop\" \"\${entry}\")
  message(STATUS \"Installing: \${dest}/brasswick.desktop\")
")
