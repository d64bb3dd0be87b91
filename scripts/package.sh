#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests) in build/ and makes its Debian
# package there, build/salvia_<version>_<architecture>.deb; prints the package's control data and
# files, and fails when the executable, the launcher, the icons, the help pages, the pictures, the
# metadata or the man page is missing from it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="${SALVIA_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$root/build" --target salvia

cd "$root/build"
rm -f salvia_*.deb
cpack -G DEB
package="$(ls salvia_*.deb)"
dpkg-deb --info "$package"
contents="$(dpkg-deb --contents "$package" | awk '{ print $NF }')"
echo "$contents"

expected=(./usr/bin/salvia ./usr/share/applications/salvia.desktop ./usr/share/man/man1/salvia.1.gz)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/salvia.png")
done
for folder in HtmlHelp Pictures; do
  while IFS= read -r file; do
    expected+=("./usr/share/salvia/$folder/${file#./}")
  done < <(cd "$root/resources/$folder" && find . -type f)
done
missing=0
for file in "${expected[@]}"; do
  if ! grep -qxF -- "$file" <<<"$contents"; then
    echo "Hiányzik a csomagból: $file" >&2
    missing=1
  fi
done
grep -qE '^\./usr/share/metainfo/[^/]+\.metainfo\.xml$' <<<"$contents" || { echo "Hiányzik a csomagból: metainfo" >&2; missing=1; }
[[ $missing == 0 ]]
echo "A csomag elkészült: $root/build/$package"
