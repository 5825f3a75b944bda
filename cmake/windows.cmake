# The Windows build: icon and version information in both executables, the window without a
# console, GoogleTest from its sources (no prebuilt one exists for mingw), and the zip that
# users unpack beside AutoCAD LT.
enable_language(RC)

set(BW_RC_FILE ${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.rc)
if(TARGET brasswick)
  target_sources(brasswick PRIVATE ${BW_RC_FILE})
  set_target_properties(brasswick PROPERTIES WIN32_EXECUTABLE ON)
  # The window and the command line share one .rc; this picks the window's description.
  target_compile_definitions(brasswick PRIVATE BW_RC_WINDOW)
endif()
target_sources(brasswick-script PRIVATE ${BW_RC_FILE})
set_source_files_properties(${BW_RC_FILE} PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.ico)
# A cross build has no GoogleTest for Windows; Debian's sources build one. A native build
# finds its own (MSYS2's mingw-w64-ucrt-x86_64-gtest, or GTEST_ROOT with Visual Studio).
set(BW_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
if(BW_BUILD_TESTS AND CMAKE_CROSSCOMPILING AND NOT TARGET GTest::gtest)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${BW_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# dist/brasswick-windows-x64.zip: a Brasswick folder with both programs, the tables and the
# README for the Windows user.
set(BW_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(BW_STAGE ${CMAKE_BINARY_DIR}/stage/Brasswick)
file(GLOB BW_TABLE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/*.dat ${CMAKE_SOURCE_DIR}/data/00?)
add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage
  COMMAND ${CMAKE_COMMAND} -E make_directory ${BW_STAGE} ${BW_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:brasswick> $<TARGET_FILE:brasswick-script>
          ${BW_TABLE_FILES} ${BW_STAGE}
  COMMAND ${CMAKE_STRIP} ${BW_STAGE}/brasswick.exe ${BW_STAGE}/brasswick-script.exe
  # The Windows user's editor wants CR LF.
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/packaging/windows/README.txt
          -DOUT=${BW_STAGE}/README.txt -P ${CMAKE_SOURCE_DIR}/cmake/crlf.cmake
  COMMAND ${CMAKE_COMMAND} -E rm -f ${BW_DIST_DIR}/brasswick-windows-x64.zip
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage
          zip -q -X -r ${BW_DIST_DIR}/brasswick-windows-x64.zip Brasswick
  DEPENDS brasswick brasswick-script
  VERBATIM
  COMMENT "Packing dist/brasswick-windows-x64.zip")
