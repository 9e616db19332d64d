# Builds for the browser (WebAssembly) with Debian's Emscripten. QUORAX_WEB_PREFIX names the
# folder that holds the libraries built by tools/web/deps.sh. emcc needs NODE_PATH=/usr/share/nodejs
# in the environment (tools/web/build.sh sets it).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Programs built for node (the simulator) run there from CTest and the scripts.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch)
