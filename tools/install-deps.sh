#!/bin/sh
# Installs what building, running and testing need on Debian 12 (as root),
# in one apt-get install: each call reads the package lists again.
set -e
export DEBIAN_FRONTEND=noninteractive
build="cmake g++ make pkg-config ca-certificates
  qt6-base-dev qt6-base-dev-tools libqt6serialport6-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  dbus dbus-x11 xvfb xauth srecord python3
  ser2net
  fonts-dejavu fonts-noto-cjk desktop-file-utils shared-mime-info
  clang libclang-rt-14-dev lld clang-format ccache"
# The editor's translations: lupdate and lrelease, their CMake package, and
# Qt's own translations of its standard dialogs.
translations="qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
# The hand-over sheet's test reads its PDF back as text (pdftotext).
sheet="poppler-utils"
# The Debian package: cpack's dependency lookup (file, dpkg-shlibdeps), its
# check (lintian), the man pages' and the user guide's source formats (scdoc,
# cmark) and what the package's test uses (man, bash completion, the AppStream
# validator).
package="file dpkg-dev lintian scdoc cmark man-db bash-completion appstream"
# The Ansible collection's test.
ansible="ansible-core"
apt-get update -q
# Word splitting of the lists is wanted here.
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $build $translations $sheet $package $ansible
