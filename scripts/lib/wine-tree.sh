# Picks the build tree whose Windows programs this machine can run under Wine.
# The shipped build is 32-bit; a 64-bit-only kernel cannot execute any 32-bit x86 code (not even
# Wine's 32-bit loader), and there the same sources built for 64-bit Windows stand in for it.
wine_tree() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}
