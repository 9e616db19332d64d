# Emscripten's file packager writes a random id for the data package into every quorax.js it links
# (for a cache in IndexedDB that the page does not use), so two builds of the same sources would
# differ in quorax.js and so in the service worker's cache name. This puts an id made from the
# packed data's own hash in its place.
# Run as: cmake -DLOADER=<quorax.js> -DDATA=<the packed data> -P fixed-package-id.cmake
file(READ "${LOADER}" text)
set(pattern "\"package_uuid\":\"[0-9a-f-]+\"")
string(REGEX MATCHALL "${pattern}" ids "${text}")
list(LENGTH ids count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "${LOADER}: expected one package id, found ${count}")
endif()
file(SHA256 "${DATA}" hash)
string(REGEX REPLACE "^(........)(....)(....)(....)(............).*$" "\\1-\\2-\\3-\\4-\\5" id "${hash}")
string(REGEX REPLACE "${pattern}" "\"package_uuid\":\"${id}\"" text "${text}")
file(WRITE "${LOADER}" "${text}")
