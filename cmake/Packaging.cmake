# What a user installs, each in its zip: the plug-in module with an install note and the
# licence; and, on Windows, the stand-in host with the plug-in beside it, its examples,
# a note, and the licences of everything built into it.
set(_note ${PROJECT_BINARY_DIR}/INSTALL.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/install-note.txt.in ${_note} @ONLY)
# The Windows DLL leaves its build stripped, its debug information in a file beside it that
# is not shipped: the zips take it byte for byte as the checks and the tests saw it, where
# installing it as a target would strip it again and stamp it anew.
if(WIN32)
  set(_install_module PROGRAMS $<TARGET_FILE:stelmarin>)
else()
  set(_install_module TARGETS stelmarin LIBRARY)
endif()
install(${_install_module} DESTINATION . COMPONENT plugin)
install(FILES ${_note} DESTINATION . COMPONENT plugin)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT plugin)
set(_components plugin)

if(WIN32 AND TARGET simhost)
  set(_simhost_note ${PROJECT_BINARY_DIR}/SIMHOST.txt)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/simhost-note.txt.in ${_simhost_note} @ONLY)
  install(TARGETS simhost RUNTIME DESTINATION . COMPONENT simhost)
  install(${_install_module} DESTINATION . COMPONENT simhost)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION examples COMPONENT simhost)
  install(FILES ${_simhost_note} DESTINATION . RENAME README.txt COMPONENT simhost)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT simhost)
  # The program carries these projects' code: their licences go with it. Debian's
  # copyright files hold each licence's full text.
  set(_licences
      "nlohmann-json|/usr/share/doc/nlohmann-json3-dev/copyright"
      "CLI11|/usr/share/doc/libcli11-dev/copyright"
      "pugixml|${STELMARIN_PUGIXML_DIR}/LICENSE.md"
      "three.js|${PROJECT_SOURCE_DIR}/simhost/studio/bundle/LICENSE.three"
      "three-mesh-bvh|${PROJECT_SOURCE_DIR}/simhost/studio/bundle/LICENSE.three-mesh-bvh"
      "mingw-w64-runtime|/usr/share/doc/mingw-w64-common/copyright"
      "gcc-runtime|/usr/share/doc/gcc-mingw-w64-base/copyright")
  foreach(_licence IN LISTS _licences)
    string(REPLACE "|" ";" _parts "${_licence}")
    list(GET _parts 0 _name)
    list(GET _parts 1 _file)
    if(NOT EXISTS "${_file}")
      message(FATAL_ERROR "The licence of ${_name} is not at ${_file}: run scripts/install-deps --windows")
    endif()
    install(FILES ${_file} DESTINATION licences RENAME ${_name}.txt COMPONENT simhost)
  endforeach()
  list(APPEND _components simhost)
endif()
if(WIN32)
  set(_system win32)
else()
  set(_system linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME stelmarin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_SOURCE_DIR}/dist)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
# One zip a component, each named for what it holds; only these components: the test
# libraries built beside them install things too.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${_components})
set(CPACK_ARCHIVE_PLUGIN_FILE_NAME stelmarin-${PROJECT_VERSION}-${_system})
set(CPACK_ARCHIVE_SIMHOST_FILE_NAME stelmarin-simhost-${PROJECT_VERSION}-${_system})
include(CPack)
