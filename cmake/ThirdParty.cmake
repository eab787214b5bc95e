# Libraries of other projects: from the system's packages, or, where the packages serve
# only the native target, built here from Debian's sources (scripts/install-deps).

find_package(pugixml QUIET)
if(NOT TARGET pugixml::pugixml)
  set(STELMARIN_PUGIXML_DIR "" CACHE PATH "pugixml sources, for targets that no package serves")
  if(NOT EXISTS "${STELMARIN_PUGIXML_DIR}/src/pugixml.cpp")
    message(FATAL_ERROR "pugixml is needed for this target: run scripts/install-deps --windows, "
                        "or set STELMARIN_PUGIXML_DIR to its sources")
  endif()
  add_library(pugixml STATIC "${STELMARIN_PUGIXML_DIR}/src/pugixml.cpp")
  target_include_directories(pugixml SYSTEM PUBLIC "${STELMARIN_PUGIXML_DIR}/src")
  add_library(pugixml::pugixml ALIAS pugixml)
endif()

if(STELMARIN_BUILD_TESTS)
  find_package(GTest QUIET)
  if(NOT TARGET GTest::gtest)
    # Debian's googletest package ships the sources for exactly this.
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    foreach(library gtest gtest_main gmock)
      if(NOT TARGET GTest::${library})
        add_library(GTest::${library} ALIAS ${library})
      endif()
    endforeach()
  endif()
endif()

# Header-only libraries of the stand-in host, taken from the system's packages. Their
# headers are copied into the build, so that a cross build never searches the system's
# own include folder.
if(STELMARIN_BUILD_SIMHOST)
  set(_headers ${PROJECT_BINARY_DIR}/third_party/include)
  foreach(header tiny_obj_loader.h CLI/CLI.hpp)
    if(NOT EXISTS /usr/include/${header})
      message(FATAL_ERROR "/usr/include/${header} is missing: run scripts/install-deps")
    endif()
  endforeach()
  file(COPY /usr/include/tiny_obj_loader.h DESTINATION ${_headers})
  file(COPY /usr/include/CLI DESTINATION ${_headers})
  add_library(third_party_headers INTERFACE)
  target_include_directories(third_party_headers SYSTEM INTERFACE ${_headers})
endif()
