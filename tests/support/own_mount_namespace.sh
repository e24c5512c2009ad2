#!/usr/bin/env bash
# Runs a command in a user and mount namespace of its own, as the same user but
# allowed to mount there: the tests that need real volumes mount tmpfs ones,
# which nobody outside sees and which go away with the namespace. No root is
# needed where unprivileged user namespaces are allowed (Debian 12 allows
# them); as root it works the same. Where a namespace cannot be made, it fails
# and says why: the tests never skip.
# Usage: own_mount_namespace.sh COMMAND [ARG...]
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: own_mount_namespace.sh COMMAND [ARG...]" >&2; exit 2; }

# --map-current-user keeps the user's own id inside (its files, home and wine
# server folder stay its own); --keep-caps lets the command keep the
# capabilities it has in the namespace, among them mounting; the namespace's
# mounts are private.
namespace=(unshare --user --map-current-user --keep-caps --mount --propagation private)
if ! err=$("${namespace[@]}" true 2>&1); then
    if [ "$(id -u)" -eq 0 ] && unshare --mount --propagation private true 2>/dev/null; then
        # Root without user namespaces can still mount in a mount namespace.
        exec unshare --mount --propagation private -- "$@"
    fi
    echo "FAILED: cannot make a user and mount namespace of its own (${err:-unshare failed})." >&2
    echo "These tests mount tmpfs volumes there and need unprivileged user namespaces:" >&2
    echo "allow them (sysctl kernel.unprivileged_userns_clone=1, user.max_user_namespaces > 0," >&2
    echo "kernel.apparmor_restrict_unprivileged_userns=0 where present) or run the tests as root." >&2
    exit 1
fi
exec "${namespace[@]}" -- "$@"
