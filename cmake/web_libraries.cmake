# The browser's SDL2, SDL2_mixer and SDL2_ttf: plain archives in QUORAX_WEB_PREFIX, made by
# tools/web/deps.sh without CMake files of their own, as the targets the desktop's packages give.
set(QUORAX_WEB_PREFIX "" CACHE PATH "The folder of the browser's SDL libraries (tools/web/deps.sh)")
if(NOT EXISTS ${QUORAX_WEB_PREFIX}/lib/libSDL2.a)
  message(FATAL_ERROR "QUORAX_WEB_PREFIX (${QUORAX_WEB_PREFIX}) holds no libraries: run tools/web/deps.sh")
endif()
# The simulator runs under node with threads (SDL's silent audio device needs one); the page runs on
# the browser's one thread. Each takes its own set of the libraries.
option(QUORAX_WEB_NODE "Build the simulator for node, with threads, instead of the page" OFF)
if(QUORAX_WEB_NODE)
  set(libraries ${QUORAX_WEB_PREFIX}/lib/threads)
  add_compile_options(-pthread)
  add_link_options(-pthread)
else()
  set(libraries ${QUORAX_WEB_PREFIX}/lib)
endif()
foreach(library SDL2 SDL2_mixer SDL2_ttf)
  add_library(${library}::${library} STATIC IMPORTED)
  # Searched before Emscripten's own system headers, which hold an old SDL of the same names.
  set_target_properties(${library}::${library} PROPERTIES
    IMPORTED_LOCATION ${libraries}/lib${library}.a
    INTERFACE_INCLUDE_DIRECTORIES ${QUORAX_WEB_PREFIX}/include/SDL2
    IMPORTED_NO_SYSTEM ON)
endforeach()
set_property(TARGET SDL2_mixer::SDL2_mixer PROPERTY INTERFACE_LINK_LIBRARIES SDL2::SDL2)
set_property(TARGET SDL2_ttf::SDL2_ttf PROPERTY INTERFACE_LINK_LIBRARIES
  SDL2::SDL2 ${libraries}/libfreetype.a)
# SDL's audio calls these JavaScript helpers, which the linker otherwise leaves out. Their names
# begin with a dollar sign, which no link line passes on unchanged: emcc reads them from a file.
set(helpers ${CMAKE_BINARY_DIR}/sdl-javascript-helpers.json)
file(WRITE ${helpers} "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
set_property(TARGET SDL2::SDL2 PROPERTY INTERFACE_LINK_OPTIONS "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${helpers}")
