# Sourced by run.sh and test.sh: Ninja and ccache with settings that let every
# clone of the repository on this machine share compiled objects.
#
# The cache keys paths relative to the clone's root, so a fresh clone in
# another folder (a CI run) reuses what a working copy compiled before.
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=1
# Precompiled headers: the cache may reuse objects built on a header whose
# macros or timestamps it cannot judge; the header is the same for all of them.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-10G}"

# Configures the build folder $1 with Ninja and ccache; further arguments are
# passed on to cmake.
quillon_configure() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
}
