# Sourced by run.sh and test.sh: installs the Debian 12 packages the build needs when missing.
# libqt6svg6 holds the SVG plug-ins that draw the window's pictures (without them the window
# takes their PNG renders). liburing-dev drives the readers' submission ring;
# libsqlite3-dev keeps the catalogue index. The last line is
# for the desktop files' checks and the Debian package.
zuf_packages="cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-base-dev-tools \
libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6svg6 liburing-dev libsqlite3-dev pkg-config xvfb xauth \
desktop-file-utils appstream libxml2-utils shared-mime-info groff-base dpkg-dev file"
zuf_missing=""
for p in $zuf_packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        zuf_missing="$zuf_missing $p"
done
if [ -n "$zuf_missing" ]; then
    echo "== installing:$zuf_missing"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q $zuf_missing
fi
