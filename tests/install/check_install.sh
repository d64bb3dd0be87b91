#!/usr/bin/env bash
# Installs the built program into a temporary prefix and runs it from there: the install tree holds
# the executable, every help page and picture, the launcher, the icons, the AppStream metadata and
# the man page; the installed program prints its version and builds the demo database; the
# launcher and the metadata pass their validators where those are installed.
# Arguments: the source folder, the build folder, the program version, the AppStream id.
set -euo pipefail
source_dir="$1"
build_dir="$2"
version="$3"
appstream_id="$4"

work="$(mktemp -d "${TMPDIR:-/tmp}/salvia-install.XXXXXX")"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

files=(bin/salvia share/applications/salvia.desktop "share/metainfo/$appstream_id.metainfo.xml"
  share/man/man1/salvia.1.gz)
for size in 16 22 24 32 48 64 128 256; do
  files+=("share/icons/hicolor/${size}x${size}/apps/salvia.png")
done
for file in "${files[@]}"; do
  [[ -f "$prefix/$file" ]] || fail "not installed: $file"
done
[[ -x "$prefix/bin/salvia" ]] || fail "not executable: bin/salvia"
for folder in HtmlHelp Pictures; do
  diff <(cd "$source_dir/resources/$folder" && find . -type f | sort) \
    <(cd "$prefix/share/salvia/$folder" 2>/dev/null && find . -type f | sort) \
    || fail "share/salvia/$folder differs from resources/$folder"
done

# The installed program, started away from the build folder, with a program directory of its own.
cd "$work"
export SALVIA_HOME="$work/home"
printed="$("$prefix/bin/salvia" --version)" || fail "salvia --version"
[[ "$printed" == "Salvia $version" ]] || fail "salvia --version printed: $printed"
"$prefix/bin/salvia" --demo "$work/demo" >"$work/demo.log" 2>&1 || { cat "$work/demo.log"; fail "salvia --demo"; }
[[ -n "$(ls -A "$work/demo")" ]] || fail "salvia --demo made no database"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/salvia.desktop" || fail "desktop-file-validate"
else
  echo "desktop-file-validate is not installed: the launcher is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$appstream_id.metainfo.xml" || fail "appstreamcli validate"
else
  echo "appstreamcli is not installed: the metadata is not validated"
fi
echo "installed program runs from $prefix"
