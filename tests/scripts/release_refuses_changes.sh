#!/bin/bash
# release.sh refuses a tree with an untracked file or a changed tracked one,
# unless a test build is asked for.
set -euo pipefail
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp -r "$(dirname "$0")/../../scripts" "$tree"
cd "$tree"
echo "exit 1" >scripts/install-deps.sh  # where the release stops going on
echo "project(Slotmate VERSION 1.0)" >CMakeLists.txt
git init -q && git add . && git -c user.name=t -c user.email=t@t commit -qm t
refusals() { [[ $(scripts/release.sh 2>&1 | grep -c "release: refused") == "$1" ]]; }
refusals 0
touch stray
refusals 1
rm stray && echo "# changed" >>CMakeLists.txt
refusals 1
SLOTMATE_RELEASE_TEST_BUILD=1 refusals 0
