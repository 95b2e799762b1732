#!/bin/sh
# run_bounded.sh <fuzz target> <seed folder> <work folder> <inputs>
# Runs the target over the committed seeds and then mutations of them, <inputs> in all, from a fixed random seed,
# in an emptied work folder (the corpus it grows and its temporary files), with the address space laid out the
# same each time and without feeding compared values back into the mutations (among them are pointers, which
# the toolkit's own threads shift), so that one commit gets the same verdict each time. scripts/fuzz fuzzes
# with every feedback on. The time-out per input is far above any input's real time, so a loaded machine cannot
# turn a slow input into a finding.
set -eu
target=$1 seeds=$2 work=$3 inputs=$4
rm -rf "$work"
mkdir -p "$work/corpus" "$work/tmp"
export TMPDIR="$work/tmp"
fixed_layout="setarch $(uname -m) -R"
$fixed_layout true 2>/dev/null || fixed_layout=""
exec $fixed_layout "$target" -seed=1 -runs="$inputs" -use_cmp=0 -timeout=120 -rss_limit_mb=2048 \
    -artifact_prefix="$work/" "$work/corpus" "$seeds"
