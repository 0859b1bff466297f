#!/usr/bin/env bash
# Runs the README's test command or CI in a fresh Debian 12 root, as a new machine would: nothing
# installed but the minimal base system, so a missing install step fails here instead of in CI.
# Debootstraps bookworm once into ROOT/pristine (kept for later runs), copies it, clones the
# committed HEAD of this repository into it with ../shared beside the clone, and runs the
# command there with each stage's time. Needs root (debootstrap, chroot, mounts).
# Usage: scripts/fresh-root.sh [--test | --ci] [ROOT]
#   --test  the README's test command, scripts/test.sh
#   --ci    .ci/run, as CI runs it (the default)
#   ROOT    where the roots are kept (default build/fresh-root)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
what=ci
case "${1:-}" in
  --test) what=test; shift ;;
  --ci) shift ;;
esac
base=$(mkdir -p "${1:-$repo/build/fresh-root}" && cd "${1:-$repo/build/fresh-root}" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "fresh-root.sh needs root" >&2; exit 2; }
command -v debootstrap >/dev/null || "$repo/scripts/deps.sh" debootstrap

# The mirror this machine's own apt uses, so the root gets the same package versions.
mirror=${ORBISK_DEBIAN_MIRROR:-$(grep -hoE '^(URIs:|deb) +[a-z]+://[^ ]+/debian/?( |$)' \
  /etc/apt/sources.list /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 | awk '{print $2}' || true)}
[ -n "$mirror" ] || { echo "no Debian mirror found; set ORBISK_DEBIAN_MIRROR" >&2; exit 2; }

timed() {
  local name=$1 began=$SECONDS
  shift
  "$@"
  printf '== fresh-root %-12s %4d s\n' "$name" $((SECONDS - began))
}

if [ ! -x "$base/pristine/bin/bash" ]; then
  rm -rf "$base/pristine"
  timed debootstrap debootstrap --variant=minbase bookworm "$base/pristine" "$mirror" >"$base/debootstrap.log"
fi

root=$base/root
# Everything mounted under the root, deepest first; rm never crosses into a mount (the bound /dev
# is the machine's own), and runs only once nothing is mounted there any more.
unmount_all() {
  local m
  for m in $(awk -v r="$root" '$2 == r || index($2, r "/") == 1 {print $2}' /proc/mounts | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
}
remove_root() {
  unmount_all
  if awk -v r="$root" 'index($2, r "/") == 1 {found = 1} END {exit !found}' /proc/mounts; then
    echo "still mounted under $root; not removing it" >&2
    return 1
  fi
  rm -rf --one-file-system "$root"
}
trap remove_root EXIT
remove_root
timed copy cp -a "$base/pristine" "$root"
# Updates and security fixes as on this machine, so that CI's versions are what is tested here.
if ls /etc/apt/sources.list.d/*.sources >/dev/null 2>&1; then
  cp /etc/apt/sources.list.d/*.sources "$root/etc/apt/sources.list.d/"
  rm -f "$root/etc/apt/sources.list"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

# As CI lays it out: a clean clone of what is committed, with shared/ beside it, read-only.
mkdir -p "$root/work"
git clone -q --no-local "$repo" "$root/work/main"
if [ -d "$repo/../shared" ]; then
  cp -a "$repo/../shared" "$root/work/shared"
  chmod -R a-w "$root/work/shared"
fi

case $what in
  test) inside='bash scripts/test.sh' ;;
  ci) inside='bash .ci/run' ;;
esac
began=$SECONDS
rc=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 CI=true \
  bash -c "cd /work/main && $inside" || rc=$?
printf '== fresh-root %-12s %4d s, exit status %d\n' "$what" $((SECONDS - began)) "$rc"
exit $rc
