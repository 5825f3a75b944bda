# The Windows build: icon, manifest and version information in both executables, the window
# without a console, GoogleTest from its sources (no prebuilt one exists for mingw), the zip
# and the per-user setup.
enable_language(RC)

# The project's one version number, as Windows wants it: four numbers, missing ones 0.
set(BW_VERSION_QUAD "")
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND BW_VERSION_QUAD 0)
  else()
    list(APPEND BW_VERSION_QUAD ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN BW_VERSION_QUAD "," BW_VERSION_COMMAS)
list(JOIN BW_VERSION_QUAD "." BW_VERSION_QUAD)

set(BW_GENERATED ${CMAKE_BINARY_DIR}/generated)
set(BW_MANIFEST ${BW_GENERATED}/brasswick.manifest)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.manifest.in ${BW_MANIFEST} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/brasswick_version.h.in
               ${BW_GENERATED}/brasswick_version.h @ONLY)

set(BW_RC_FILE ${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.rc)
if(TARGET brasswick)
  target_sources(brasswick PRIVATE ${BW_RC_FILE})
  set_target_properties(brasswick PROPERTIES WIN32_EXECUTABLE ON)
  # The window and the command line share one .rc; this picks the window's description.
  target_compile_definitions(brasswick PRIVATE BW_RC_WINDOW)
  target_include_directories(brasswick PRIVATE ${BW_GENERATED})
endif()
target_sources(brasswick-script PRIVATE ${BW_RC_FILE})
target_include_directories(brasswick-script PRIVATE ${BW_GENERATED})
set_source_files_properties(${BW_RC_FILE} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.ico;${BW_MANIFEST};${BW_GENERATED}/brasswick_version.h")
if(MSVC)
  # The .rc carries the manifest; the linker's own would be a second one.
  foreach(target brasswick brasswick-script)
    if(TARGET ${target})
      target_link_options(${target} PRIVATE /MANIFEST:NO)
    endif()
  endforeach()
endif()

# A cross build has no GoogleTest for Windows; Debian's sources build one. A native build
# finds its own (MSYS2's mingw-w64-ucrt-x86_64-gtest, or GTEST_ROOT with Visual Studio).
set(BW_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
if(BW_BUILD_TESTS AND CMAKE_CROSSCOMPILING AND NOT TARGET GTest::gtest)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${BW_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# dist/brasswick-<version>-windows-x64.zip: a Brasswick folder with both programs, the tables
# and the README for the Windows user. The setup installs the same staged files.
set(BW_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(BW_STAGE ${CMAKE_BINARY_DIR}/stage/Brasswick)
set(BW_ZIP ${BW_DIST_DIR}/brasswick-${PROJECT_VERSION}-windows-x64.zip)
file(GLOB BW_TABLE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/*.dat ${CMAKE_SOURCE_DIR}/data/00?)
add_custom_target(windows_stage
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage
  COMMAND ${CMAKE_COMMAND} -E make_directory ${BW_STAGE} ${BW_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:brasswick> $<TARGET_FILE:brasswick-script>
          ${BW_TABLE_FILES} ${BW_STAGE}
  COMMAND ${CMAKE_STRIP} ${BW_STAGE}/brasswick.exe ${BW_STAGE}/brasswick-script.exe
  # The Windows user's editor wants CR LF.
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/packaging/windows/README.txt
          -DOUT=${BW_STAGE}/README.txt -P ${CMAKE_SOURCE_DIR}/cmake/crlf.cmake
  DEPENDS brasswick brasswick-script
  VERBATIM
  COMMENT "Staging the Windows programs, tables and README")
add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND} -E rm -f ${BW_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage zip -q -X -r ${BW_ZIP} Brasswick
  DEPENDS windows_stage
  VERBATIM
  COMMENT "Packing dist/brasswick-${PROJECT_VERSION}-windows-x64.zip")

# dist/brasswick-setup-x64.exe: the per-user setup, made by NSIS from the staged files. The
# setup's file list is the zip's, so the uninstaller removes exactly what was installed.
find_program(BW_MAKENSIS makensis)
if(BW_MAKENSIS)
  set(BW_SETUP ${BW_DIST_DIR}/brasswick-setup-x64.exe)
  set(BW_SETUP_FILES ${BW_GENERATED}/setup_files.nsh)
  set(install_lines "")
  set(remove_lines "")
  foreach(file ${BW_STAGE}/brasswick.exe ${BW_STAGE}/brasswick-script.exe ${BW_STAGE}/README.txt
          ${BW_TABLE_FILES})
    get_filename_component(name ${file} NAME)
    string(APPEND install_lines "  File \"${BW_STAGE}/${name}\"\n")
    string(APPEND remove_lines "  Delete \"$INSTDIR\\${name}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${BW_SETUP_FILES} CONTENT
"; Made by CMake: the files of the Brasswick folder, as staged for the zip.
!macro InstallProgramFiles
${install_lines}!macroend
!macro RemoveProgramFiles
${remove_lines}!macroend
")
  add_custom_target(windows_setup
    COMMAND ${CMAKE_COMMAND} -E rm -f ${BW_SETUP}
    COMMAND ${BW_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DVERSION_QUAD=${BW_VERSION_QUAD}
            -DSTAGE=${BW_STAGE} -DICON=${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.ico
            -DOUTFILE=${BW_SETUP} -DSETUP_FILES=${BW_SETUP_FILES} ${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.nsi
    DEPENDS windows_stage ${CMAKE_SOURCE_DIR}/packaging/windows/brasswick.nsi
    VERBATIM
    COMMENT "Making dist/brasswick-setup-x64.exe")
else()
  add_custom_target(windows_setup
    COMMAND ${CMAKE_COMMAND} -E echo "makensis not found: install NSIS (Debian: nsis)"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()
