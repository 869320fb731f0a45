#!/usr/bin/env bash
# Set-up and build for a fresh Debian 12 or Ubuntu 24.04 (or later) machine, in one command each:
#
#   ./scripts/dev.sh run     install what is missing, build, and start Quorlin
#   ./scripts/dev.sh test    install what is missing, build, and run every test
#   ./scripts/dev.sh setup [PACKAGE...]
#                            only install what is missing (plus any packages named)
#   ./scripts/dev.sh format [--check]
#                            format every C++ file with the project's clang-format, or only check them
#
# System packages come from apt-get, through sudo unless we already are root; nothing is installed that is
# there already, and the package lists are refreshed only when something has to be installed.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

readonly BasePackages=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev pkg-config
    libxml2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang
    desktop-file-utils appstream dpkg-dev file
)

g_listsUpdated=false

say()
{
    printf '==> %s\n' "$*"
}

asRoot()
{
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "dev.sh: installing packages needs root; run as root or install sudo" >&2
        exit 1
    fi
}

isInstalled()
{
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

isKnownToApt()
{
    [ -n "$(apt-cache --quiet=2 policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: *//p' | grep -v '(none)')" ]
}

aptGet()
{
    asRoot env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"
}

# Installs those of the given packages that are not installed yet.
ensurePackages()
{
    local missing=() package
    for package in "$@"; do
        isInstalled "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "Installing ${missing[*]}"
    if [ "$g_listsUpdated" = false ]; then
        aptGet update
        g_listsUpdated=true
    fi
    aptGet install --no-install-recommends "${missing[@]}"
}

# libFuzzer and the sanitizer runtimes come in a package named after clang's major version on recent
# releases, and inside clang's own packages on older ones; the fuzz build is optional, so a release that has
# no such package is only told about.
ensureClangRuntime()
{
    local major runtime
    major=$(clang --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)
    [ -n "$major" ] || return 0
    runtime="libclang-rt-$major-dev"
    if isInstalled "$runtime"; then
        return 0
    fi
    if [ "$g_listsUpdated" = false ]; then
        aptGet update
        g_listsUpdated=true
    fi
    if isKnownToApt "$runtime"; then
        ensurePackages "$runtime"
    else
        say "No package $runtime here; the fuzz build may lack libFuzzer"
    fi
}

setUp()
{
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "dev.sh: this script expects Debian or Ubuntu (dpkg and apt-get)" >&2
        exit 1
    fi
    ensurePackages "${BasePackages[@]}" "$@"
    ensureClangRuntime
}

# The formatter is pinned to one version, since each version lays code out a little differently; Debian 12
# and Ubuntu 24.04 both offer this one.
readonly ClangFormat=clang-format-14

formatSources()
{
    ensurePackages "$ClangFormat"
    local files=() unformatted=() file
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
    if [ "${1:-}" != --check ]; then
        "$ClangFormat" -i "${files[@]}"
        return 0
    fi
    echo "checking ${#files[@]} files with $("$ClangFormat" --version)"
    for file in "${files[@]}"; do
        "$ClangFormat" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
    done
    if [ ${#unformatted[@]} -ne 0 ]; then
        echo "${#unformatted[@]} files differ from .clang-format (./scripts/dev.sh format fixes them):" >&2
        printf '  %s\n' "${unformatted[@]}" >&2
        return 1
    fi
}

# Builds (and tests) run on every core.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

usage()
{
    sed -n '2,9s/^# \{0,1\}//p' "${BASH_SOURCE[0]}" >&2
    exit 2
}

[ $# -ge 1 ] || usage
command=$1
shift
case "$command" in
    run)
        setUp
        cmake --workflow --preset app
        say "Starting Quorlin"
        exec ./build/default/app/quorlin "$@"
        ;;
    test)
        setUp
        cmake --workflow --preset default
        ;;
    setup)
        setUp "$@"
        ;;
    format)
        setUp
        formatSources "$@"
        ;;
    *)
        usage
        ;;
esac
