# What differs between the Linux build and the 32-bit Windows cross build.

# Windows binaries carry their C++ runtime inside, so that they need nothing but the
# system's DLLs.
function(stelmarin_self_contained target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

# A program that plays the host: on Windows it exports the host functions itself.
function(stelmarin_host_program target)
  stelmarin_self_contained(${target})
  if(WIN32)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:simhost_host_exports>)
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  endif()
endfunction()

# A path as the built programs see it: under Wine, Unix paths live on drive Z:.
if(CMAKE_CROSSCOMPILING AND WIN32)
  set(STELMARIN_RUNTIME_PATH_PREFIX "Z:")
else()
  set(STELMARIN_RUNTIME_PATH_PREFIX "")
endif()

# Windows programs of a cross build run under Wine, each in this build's own prefix.
if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(STELMARIN_WINE wine)
  if(STELMARIN_WINE)
    set(STELMARIN_WINEPREFIX "${PROJECT_BINARY_DIR}/wineprefix")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${PROJECT_BINARY_DIR}/wine-run
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE @ONLY)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_BINARY_DIR}/wine-run")
  endif()
endif()
