# shellcheck shell=bash
# Sourced after xvfb_lib.sh: the running game as assistive technology sees
# it, through the accessibility bus that start_accessibility_bus starts.

accessible_tree() { /usr/bin/python3 "$here/accessible_tree.py" Zumbilo; }

# Presses the control named $1 as a screen reader does.
press_accessible() { /usr/bin/python3 "$here/accessible_tree.py" Zumbilo "$1"; }

# Waits up to $1 ms until the accessible tree has the line $2.
wait_for_accessible() {
  local deadline=$(($(now_ms) + $1))
  local tree
  for (( ; ; )); do
    tree=$(accessible_tree 2>/dev/null || true)
    grep -qxF -- "$2" <<<"$tree" && return
    (($(now_ms) < deadline)) || fail "nothing accessible as \"$2\"; the tree: $(accessible_tree 2>&1)"
    sleep "$POLL_SECONDS"
  done
}
