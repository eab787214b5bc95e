# Libraries of other projects: from the system's packages, or, where the packages serve
# only the native target, built here from Debian's sources (scripts/install-deps).

set(STELMARIN_PUGIXML_DIR "" CACHE PATH "pugixml sources, for builds that compile it themselves")
# The sanitizer build compiles pugixml even where the package serves: the package's library
# is not instrumented, so the sanitizers could not check the parser nor the fuzzers see into
# it. Here it takes the sanitizer and coverage flags of the project's own code, but not its
# warnings.
if(NOT STELMARIN_SANITIZE)
  find_package(pugixml QUIET)
endif()
if(NOT TARGET pugixml::pugixml)
  if(NOT EXISTS "${STELMARIN_PUGIXML_DIR}/src/pugixml.cpp")
    message(FATAL_ERROR "pugixml's sources are needed for this build: run scripts/install-deps "
                        "--windows (or --asan for the sanitizer build), or set STELMARIN_PUGIXML_DIR "
                        "to them")
  endif()
  # Shared where the package's library is, so that the host modules loaded side by side in
  # one process share one parser, as they do with the package; Windows programs carry theirs.
  if(WIN32)
    add_library(pugixml STATIC "${STELMARIN_PUGIXML_DIR}/src/pugixml.cpp")
  else()
    add_library(pugixml SHARED "${STELMARIN_PUGIXML_DIR}/src/pugixml.cpp")
  endif()
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

# Header-only libraries of the stand-in host (its command line) and of the benchmarks (the
# OBJ parser that the mesh load is measured against), taken from the system's packages.
# Their headers are copied into the build, so that a cross build never searches the
# system's own include folder.
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

  # The HTTP client of the studio's tests and benchmark: cpp-httplib's single header, from
  # Debian's sources with Debian's patches (scripts/install-deps), for every target. The
  # studio serves with a server of its own (simhost/studio/http_server.h). On Windows it
  # needs the socket library, and the Windows 10 API that MinGW does not always assume.
  set(STELMARIN_HTTPLIB_DIR "${PROJECT_SOURCE_DIR}/build/third_party/cpp-httplib" CACHE PATH
      "cpp-httplib's header, as scripts/install-deps fetches it")
  if(NOT EXISTS "${STELMARIN_HTTPLIB_DIR}/httplib.h")
    message(FATAL_ERROR "cpp-httplib's header is needed: run scripts/install-deps, or set "
                        "STELMARIN_HTTPLIB_DIR to the folder that holds httplib.h")
  endif()
  add_library(third_party_httplib INTERFACE)
  target_include_directories(third_party_httplib SYSTEM INTERFACE ${STELMARIN_HTTPLIB_DIR})
  find_package(Threads REQUIRED)
  target_link_libraries(third_party_httplib INTERFACE Threads::Threads)
  if(WIN32)
    target_compile_definitions(third_party_httplib INTERFACE _WIN32_WINNT=0x0A00)
    target_link_libraries(third_party_httplib INTERFACE ws2_32)
  endif()
endif()

# JSON, for the stand-in host's reports: Debian's header-only nlohmann-json. Its headers
# serve every target, so the cross build finds the same package among the system's own
# (not under the cross toolchain's root); and like the headers above, only the package's
# own folder is copied into the build, so that no build puts the system's whole include
# folder on its compiler's path.
if(STELMARIN_BUILD_SIMHOST)
  find_package(nlohmann_json 3 REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  get_target_property(_json_includes nlohmann_json::nlohmann_json INTERFACE_INCLUDE_DIRECTORIES)
  list(GET _json_includes 0 _json_include)
  set(_json_headers ${PROJECT_BINARY_DIR}/third_party/json/include)
  file(COPY ${_json_include}/nlohmann DESTINATION ${_json_headers})
  add_library(third_party_json INTERFACE)
  target_include_directories(third_party_json SYSTEM INTERFACE ${_json_headers})
endif()
