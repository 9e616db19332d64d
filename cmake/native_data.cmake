# A cross build's data files: copied from the native build named by QUORAX_NATIVE_BUILD, which
# lists them in quorax-data-files.cmake, into this build's game folder, with the status line's font.
# The font is installed only where the game carries its own: a Debian package depends on Debian's.
set(QUORAX_NATIVE_BUILD "" CACHE PATH "The native build whose generated data files a cross build takes")
set(manifest ${QUORAX_NATIVE_BUILD}/quorax-data-files.cmake)
if(NOT EXISTS ${manifest})
  message(FATAL_ERROR "${manifest} is missing: configure and build a native build (targets assets, "
                      "music and icons) and name its folder in QUORAX_NATIVE_BUILD")
endif()
include(${manifest})

set(copies)
set(installed)
foreach(file ${QUORAX_NATIVE_DATA_FILES} ${QUORAX_FONT})
  get_filename_component(name ${file} NAME)
  add_custom_command(
    OUTPUT ${QUORAX_RUNTIME_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${QUORAX_RUNTIME_DIR}/${name}
    DEPENDS ${file}
    VERBATIM)
  list(APPEND copies ${QUORAX_RUNTIME_DIR}/${name})
  if(NOT file STREQUAL QUORAX_FONT OR WIN32 OR QUORAX_PORTABLE OR EMSCRIPTEN)
    list(APPEND installed ${QUORAX_RUNTIME_DIR}/${name})
  endif()
endforeach()
add_custom_target(assets ALL DEPENDS ${copies})
set_property(GLOBAL APPEND PROPERTY QUORAX_DATA_FILES ${installed})
set_property(GLOBAL PROPERTY QUORAX_ICON_DIR ${QUORAX_NATIVE_ICON_DIR})
