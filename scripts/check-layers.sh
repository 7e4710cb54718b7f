#!/usr/bin/env bash
# Fails when a source under src/ includes a folder its layer may not see.
#   common → design → calc (common → loads → members → run) → formats → figures → report
#   → programs (cli, app); render → formats; viewer → render.
# An include is checked by its first path part(s): "calc/loads/x.h" names calc/loads;
# report/chapters belongs to report.
set -u
root=${1:-.}
cd "$root/src" || exit 2

# One pass: every quoted include with a path, checked against the folders its file's layer
# may include (itself always among them).
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+/' --include='*.h' --include='*.cpp' . |
  sed -E 's|^\./||; s/^([^:]+):([0-9]+):[^"]*"([^"]+)".*/\1 \2 \3/' |
  awk '
    function layer(p,   a) {
      split(p, a, "/")
      if (a[1] == "calc") return "calc/" a[2]
      return a[1]
    }
    BEGIN {
      core = "common design calc/common calc/loads calc/members calc/run formats figures report"
      may["common"] = "common"
      may["design"] = "common design"
      may["calc/common"] = "common calc/common"
      may["calc/loads"] = "common design calc/common calc/loads"
      may["calc/members"] = "common design calc/common calc/loads calc/members"
      may["calc/run"] = "common design calc/common calc/loads calc/members calc/run"
      may["formats"] = "common formats"
      may["figures"] = "common design calc/common calc/loads calc/members calc/run formats figures"
      may["report"] = core
      may["render"] = "common formats render"
      may["viewer"] = "common formats render viewer"
      may["cli"] = core " cli"
      may["app"] = core " render app"
      bad = 0
    }
    {
      from = layer($1); to = layer($3)
      if (!(from in may)) { print $1 ": folder " from " has no place in the layers"; bad = 1; next }
      if (index(" " may[from] " ", " " to " ") == 0) {
        print $1 ":" $2 ": includes " $3 " (" from " may not include " to ")"; bad = 1
      }
    }
    END { exit bad }'
