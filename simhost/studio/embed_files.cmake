# Writes OUTPUT, a C++ file that holds every file under the page's folders as an array of
# bytes: arrays, unlike one string literal, have no length that a compiler may refuse. Run
# by the build whenever one of those files changes:
#
#   cmake -DSTUDIO_DIR=simhost/studio -DOUTPUT=studio_files.cpp -P embed_files.cmake
#
# Each folder is served at the root: assets/index.html as /index.html, vendor-generated's
# files under /vendor-generated/.
cmake_minimum_required(VERSION 3.25)

set(types_.html "text/html; charset=utf-8")
set(types_.js "text/javascript; charset=utf-8")
set(types_.css "text/css; charset=utf-8")
set(types_.svg "image/svg+xml")
set(types_.json "application/json")

file(GLOB_RECURSE assets RELATIVE "${STUDIO_DIR}/assets" "${STUDIO_DIR}/assets/*")
file(GLOB_RECURSE vendored RELATIVE "${STUDIO_DIR}" "${STUDIO_DIR}/vendor-generated/*")
set(files "")
foreach(asset IN LISTS assets)
  list(APPEND files "assets/${asset}|/${asset}")
endforeach()
foreach(file IN LISTS vendored)
  list(APPEND files "${file}|/${file}")
endforeach()
list(SORT files)

set(arrays "")
set(table "")
set(index 0)
foreach(entry IN LISTS files)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 source)
  list(GET parts 1 served)
  get_filename_component(extension "${source}" LAST_EXT)
  if(NOT DEFINED types_${extension})
    message(FATAL_ERROR "${STUDIO_DIR}/${source}: the studio serves no files of kind '${extension}'")
  endif()
  file(READ "${STUDIO_DIR}/${source}" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    # An array cannot be empty; the byte is not served.
    set(bytes "0")
  else()
    # Twenty bytes a line.
    string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])"
           "\\1\n    " hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  endif()
  math(EXPR size "${digits} / 2")
  string(APPEND arrays "// ${source}\nconst unsigned char kFile${index}[] = {\n    ${bytes}};\n\n")
  string(APPEND table "        {\"${served}\"sv, \"${types_${extension}}\"sv, Bytes(kFile${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT [[
// Made by the build from the files under simhost/studio/assets and
// simhost/studio/vendor-generated (simhost/studio/embed_files.cmake); edit those files.
#include "simhost/studio/studio_assets.h"

namespace simhost {

namespace {

using namespace std::string_view_literals;

std::string_view Bytes(const unsigned char *bytes, size_t size) {
    return {reinterpret_cast<const char *>(bytes), size};
}

@arrays@}  // namespace

std::span<const StudioAsset> StudioFiles() {
    static const StudioAsset files[] = {
@table@    };
    return files;
}

}  // namespace simhost
]] @ONLY)
