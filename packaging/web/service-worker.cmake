# Writes the page's service worker, PAGE/sw.js, from sw.js.in beside this script: every other file
# of PAGE with its size and SHA-256, and the name of the build's cache, a hash of that list. The
# same files give the same worker byte for byte (a release stays reproducible); any changed file
# gives a new cache name, which is how a browser learns of a new build.
# Run as: cmake -DPAGE=<the page's folder> -P service-worker.cmake
if(NOT IS_DIRECTORY "${PAGE}")
  message(FATAL_ERROR "PAGE must name the page's folder")
endif()
file(GLOB names LIST_DIRECTORIES false RELATIVE "${PAGE}" "${PAGE}/*")
list(REMOVE_ITEM names sw.js)
list(SORT names)
set(entries)
foreach(name ${names})
  file(SHA256 "${PAGE}/${name}" sha256)
  file(SIZE "${PAGE}/${name}" size)
  list(APPEND entries "\n  \"${name}\": { \"size\": ${size}, \"sha256\": \"${sha256}\" }")
endforeach()
list(JOIN entries "," QUORAX_FILES)
set(QUORAX_FILES "{${QUORAX_FILES}\n}")
string(SHA256 build "${QUORAX_FILES}")
string(SUBSTRING "${build}" 0 16 QUORAX_BUILD)
configure_file("${CMAKE_CURRENT_LIST_DIR}/sw.js.in" "${PAGE}/sw.js" @ONLY)
