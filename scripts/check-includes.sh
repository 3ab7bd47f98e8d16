#!/usr/bin/env bash
# Prints which source folder includes which (src/<from> -> src/<to>, with the number of include
# lines) and fails when the folders include each other in a circle, so every folder can be
# built and understood on top of the ones it names.
set -euo pipefail
cd "$(dirname "$0")/../src"

folders=$(find . -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)

grep -rHoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[A-Za-z0-9_]+/' --include='*.h' --include='*.cpp' . |
  awk -v folders="$folders" '
    BEGIN { n = split(folders, list, "\n"); for (i = 1; i <= n; ++i) known[list[i]] = 1 }
    {
      split($0, path, "/"); from = path[2]            # ./<from>/<file>:#include "<to>/
      to = $0; sub(/^[^"]*"/, "", to); sub(/\/$/, "", to)
      if (from != to && (to in known)) count[from " " to]++
    }
    END {
      for (edge in count) {
        split(edge, ends, " "); print ends[1] " -> " ends[2] " (" count[edge] ")"
        out[ends[1]]++; into[ends[2]]++; from_of[edge] = ends[1]; to_of[edge] = ends[2]; left[edge] = 1
      }
      # Take away, again and again, the edges into folders that include no other and the edges
      # out of folders nothing includes; what stays lies on a circle.
      do {
        removed = 0
        for (edge in left)
          if (out[to_of[edge]] + 0 == 0 || into[from_of[edge]] + 0 == 0) {
            out[from_of[edge]]--; into[to_of[edge]]--; delete left[edge]; removed = 1
          }
      } while (removed)
      circle = 0
      for (edge in left) {
        if (!circle) print "Folders include each other in a circle; the edges on it:" > "/dev/stderr"
        print "  " from_of[edge] " -> " to_of[edge] > "/dev/stderr"; circle = 1
      }
      exit circle
    }' | sort
