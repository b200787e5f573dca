# Sourced by the build scripts: compile through ccache where it is installed, with paths taken
# relative to the checkout, so that a second checkout or a rebuild from scratch reuses the objects
# of the first. Takes effect when a build folder is configured for the first time.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi
