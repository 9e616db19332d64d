# Sourced by the arm64 scripts: arm64_programs_run lets the kernel hand arm64 programs to qemu's
# user-mode emulator, so that they run as they are, also inside an arm64 chroot (qemu-user-static
# registers itself with the "fix binary" flag: the chroot needs no copy of qemu). Run as root.
arm64_programs_run() {
  local misc=/proc/sys/fs/binfmt_misc
  [ -e "$misc/register" ] || mount -t binfmt_misc binfmt_misc "$misc"
  [ -e "$misc/qemu-aarch64" ] || update-binfmts --enable qemu-aarch64
  grep -qx enabled "$misc/qemu-aarch64" || { echo "arm64: qemu's binfmt entry is not enabled" >&2; return 1; }
}
