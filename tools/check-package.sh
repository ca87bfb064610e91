#!/bin/sh
# Installs the Debian package on this machine, runs the installed program as an
# ordinary user the way the menu entry starts it, checks what a user relies on,
# takes a screenshot, and removes the package again. Run as root:
#
#   tools/check-package.sh [PACKAGE.deb] [SCREENSHOT.png]
#
# (defaults: the newest build/kelvara2027_*.deb and kelvara2027-installed.png).
# The user kvtest is made for the check and deleted afterwards unless it
# existed before.
set -eu

deb=$(realpath "${1:-$(ls -t build/kelvara2027_*.deb | head -n 1)}")
screenshot=$(realpath "${2:-kelvara2027-installed.png}")
user=kvtest
folder=/usr/lib/kelvara2027
entry=/usr/share/applications/kelvara2027.desktop
failures=0

pass() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {
  description=$1; shift
  if "$@" >/dev/null 2>&1; then pass "$description"; else fail "$description"; fi
}
as_user() { runuser -l "$user" -c "$1"; }

[ "$(id -u)" = 0 ] || { echo "check-package.sh: run as root" >&2; exit 2; }

echo "== $deb"
dpkg-deb --field "$deb" Package Version Depends
if ! id "$user" >/dev/null 2>&1; then
  useradd -m "$user"
  trap 'userdel -r "$user" 2>/dev/null' EXIT
fi
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.local/share/kelvara2027" "$home/.config/Kelvara Software"  # a first start

echo "== install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
installed=$(mktemp)
dpkg -L kelvara2027 >"$installed"

check "the installed folder is not writable by $user" sh -c "! runuser -u $user -- test -w $folder"
check "the delivered databases are not writable by $user" \
  sh -c "! runuser -u $user -- test -w $folder/Settings.db && ! runuser -u $user -- test -w $folder/Crysprin.db"
check "kelvara-calc is on the PATH" as_user "command -v kelvara-calc"
check "kelvara-calc calculates" as_user "kelvara-calc tax --income 500000 | grep -q '\"Tax\"'"
check "the manual page is installed" as_user "man -w kelvara-calc | grep -qx /usr/share/man/man1/kelvara-calc.1.gz"
check "the manual page reads" as_user "MANPAGER=cat man kelvara-calc 2>/dev/null | grep -q kelvara-calc"

echo "== start from the menu entry, as $user, under Xvfb"
command=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[A-Za-z]//g')
session=$(mktemp)
cat >"$session" <<'SESSION'
# As the user, on the virtual display: start, wait, take the screen, note the
# libraries the program has loaded, and end it; fails if it did not keep running.
$1 & program=$!
sleep 8
import -window root "$HOME/installed.png"
awk '{ print $6 }' "/proc/$program/maps" | grep '\.so' | sort -u >"$HOME/loaded-libraries"
kill -0 "$program" && kill "$program"
SESSION
chmod 644 "$session"
if as_user "xvfb-run -a -s '-screen 0 1280x900x24' sh $session '$command'"; then
  pass "'$command' starts and keeps running"
else
  fail "'$command' starts and keeps running"
fi
rm -f "$session"
cp "$home/installed.png" "$screenshot" && echo "     screenshot: $screenshot"
for database in Settings.db Crysprin.db; do
  check "$database is made in ~$user/.local/share/kelvara2027" \
    runuser -u "$user" -- test -w "$home/.local/share/kelvara2027/$database"
done

# Every library the running program loaded (the Qt plugins too, which
# dpkg-shlibdeps cannot see) comes from a package the package depends on.
# Qt's X11 platform opens the X cursor library (with the render extension it
# needs) only when it is there, for cursor themes: those are no dependency.
needed=$(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
  --no-breaks --no-replaces --no-enhances kelvara2027 | grep -v '^ ' | sort -u)
optional="libxcursor1 libxrender1"
missing=
for library in $(cat "$home/loaded-libraries"); do
  # dpkg knows some libraries by their path from before /lib became /usr/lib.
  owner=$( (dpkg -S "$library" || dpkg -S "${library#/usr}" || dpkg -S "/usr$library") 2>/dev/null \
    | head -n 1 | sed 's/[:,].*//')
  echo "$needed $optional" | tr ' ' '\n' | grep -qx "${owner:-none}" || missing="$missing ${owner:-no package}($library)"
done
if [ -z "$missing" ]; then
  pass "every loaded library comes with the package's dependencies"
else
  fail "libraries from outside the package's dependencies:$missing"
fi

echo "== remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kelvara2027 >/dev/null
check "the package is removed" sh -c "! dpkg-query -W -f='\${Status}' kelvara2027 2>/dev/null | grep -q ' installed'"
left=$(while read -r path; do if [ -e "$path" ] && [ ! -d "$path" ]; then echo "$path"; fi; done <"$installed")
if [ -z "$left" ]; then pass "no installed file is left"; else fail "files left behind: $left"; fi
check "$folder is gone" test ! -e "$folder"
check "the user's own databases stay" test -e "$home/.local/share/kelvara2027/Settings.db"
rm -f "$installed"

echo "== $failures failure(s)"
[ "$failures" = 0 ]
