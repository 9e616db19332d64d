# Cross-builds for 64-bit ARM Linux with Debian's cross compiler, against Debian's arm64 libraries
# installed beside this machine's own (multiarch), or against the static libraries in
# QUORAX_PORTABLE_PREFIX. The test programs run through qemu's user-mode emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)

# The static libraries' prefix first: Debian's arm64 SDL, there for the Debian package, must not
# stand in for them.
set(CMAKE_FIND_ROOT_PATH ${QUORAX_PORTABLE_PREFIX} /usr/aarch64-linux-gnu /usr)
# Build-machine programs are found on the host; libraries only among the arm64 ones. The headers
# of the multiarch packages are shared with the host's in /usr/include.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
