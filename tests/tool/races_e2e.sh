#!/usr/bin/env bash
# Two officers on one shared record folder: one confirms every record while
# the other rejects every one, each press a process of its own started
# together with the other officer's on the same record, then a second round on
# what the first left, where the same buttons take decisions back. Afterwards
# every record lies in exactly one place with the files it had, and the place
# is one that the moves the tool called successful lead to, in some order: a
# move that lost its race must have been reported as a failure.
#   races_e2e.sh VANTREL_TOOL
set -uo pipefail
export LC_ALL=C
tool=$1
records=100
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$root"
for i in $(seq 0 $((records - 1))); do
    name=$(printf '2006-03-01 10:%02d:%02d' $((i / 60)) $((i % 60)))
    mkdir "$root/$name"
    printf 'frame %d\n' "$i" >"$root/$name/L1F1.CFA"
    printf '%d checked\n' $((i % 10)) >"$root/$name/PrivateNote.txt"
    echo "$name" >>"$work/names"
done

# One line per record directory found anywhere under the root: its place
# (U, C or R), its name and a hash of its file names and contents.
snapshot() {
    local place directory
    for place in U C R; do
        case $place in
        U) directory="$root" ;;
        C) directory="$root/!CONFIRMED" ;;
        R) directory="$root/!REJECTED" ;;
        esac
        [ -d "$directory" ] || continue
        find "$directory" -mindepth 1 -maxdepth 1 -type d ! -name '!*' -print0 |
            while IFS= read -r -d '' record; do
                hash=$(cd "$record" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum)
                printf '%s\t%s\t%s\n' "$place" "${record##*/}" "${hash%% *}"
            done
    done | sort -t $'\t' -k2,2
}

# Where strace runs, each press is traced for the renames it made, so that a
# press that says it moved a record is held to one rename that succeeded.
if command -v strace >/dev/null && strace -qq -e trace=none true 2>/dev/null; then
    traced() { strace -f -qq -e trace=renameat2 -o "$1" "${@:2}"; }
else
    echo "strace cannot run here: the presses' renames are not checked"
    traced() { "${@:2}"; }
fi

# One press, logged as "name<TAB>status<TAB>error lines<TAB>renames that
# succeeded" (- when untraced).
press() {  # BUTTON NAME LOG
    local errors="$3.$BASHPID.err" renames="$3.$BASHPID.trace" status moved=-
    traced "$renames" "$tool" "$1" --root "$root" "$2" >/dev/null 2>"$errors"
    status=$?
    [ -e "$renames" ] && moved=$(grep -c ') = 0$' "$renames")
    printf '%s\t%s\t%s\t%s\n' "$2" "$status" "$(wc -l <"$errors")" "$moved" >>"$3"
}

# The two officers go down the list together: for each record both presses
# start at once, so that their scans and moves overlap.
race() {  # ROUND
    local name
    while IFS= read -r name; do
        press confirm "$name" "$work/confirm$1" &
        press reject "$name" "$work/reject$1" &
        wait
    done <"$work/names"
}

# Checks the round: the same records with the same files, each in one place
# that the successful presses reach from where the round started, and every
# press either succeeded silently or failed with a message.
check() {  # ROUND BEFORE AFTER
    [ "$(cut -f2,3 "$2")" = "$(cut -f2,3 "$3")" ] ||
        fail "round $1: the records or their files changed"$'\n'"$(diff <(cut -f2,3 "$2") <(cut -f2,3 "$3"))"
    [ "$(cut -f2 "$3" | uniq -d)" = "" ] || fail "round $1: a record lies in two places"
    # Only the two decision directories may hold directories, and only records.
    ! find "$root" -mindepth 2 -type d | sed "s|^$root/||" | grep -v '^![^/]*/[^/]*$' ||
        fail "round $1: a directory was moved into another"
    sort "$work/confirm$1" >"$work/confirm$1.sorted"
    sort "$work/reject$1" >"$work/reject$1.sorted"
    join -t $'\t' -1 2 -2 1 <(sort -t $'\t' -k2,2 "$2") "$work/confirm$1.sorted" |
        join -t $'\t' - "$work/reject$1.sorted" |
        join -t $'\t' - <(cut -f1,2 "$3" | awk -F'\t' '{ print $2 "\t" $1 }' | sort -t $'\t' -k1,1) |
        awk -F'\t' -v round="$1" '
            # name, place before, hash, then status, error lines and renames of
            # the confirm and of the reject press, place after
            function press(button, place) {
                if (button == "confirm") return place == "C" ? "U" : "C"
                return place == "R" ? "U" : "R"
            }
            {
                reached[$2] = 0
                if ($4 == 0 && $7 == 0) {
                    reached[press("reject", press("confirm", $2))] = 1
                    reached[press("confirm", press("reject", $2))] = 1
                } else if ($4 == 0) {
                    reached[press("confirm", $2)] = 1
                } else if ($7 == 0) {
                    reached[press("reject", $2)] = 1
                } else {
                    reached[$2] = 1
                }
                if (!reached[$10]) { print "round " round ": " $1 " went " $2 " -> " $10 " against the statuses " $4 " " $7; bad = 1 }
                if (($4 == 0) != ($5 == 0) || ($7 == 0) != ($8 == 0)) { print "round " round ": " $1 " status and message disagree"; bad = 1 }
                if (($6 != "-" && ($4 == 0) != ($6 == 1)) || ($9 != "-" && ($7 == 0) != ($9 == 1))) {
                    print "round " round ": " $1 " renames " $6 " " $9 " against the statuses " $4 " " $7; bad = 1
                }
                for (k in reached) delete reached[k]
                lost += ($4 != 0) + ($7 != 0)
                rows++
            }
            END {
                if (rows != '"$records"') { print "round " round ": " rows " records checked"; bad = 1 }
                print "round " round ": " lost " presses lost their race and said so"
                exit bad
            }' || fail "round $1"
}

snapshot >"$work/before1"
[ "$(wc -l <"$work/before1")" -eq "$records" ] || fail "the records were not written"
race 1
snapshot >"$work/after1"
check 1 "$work/before1" "$work/after1"
race 2
snapshot >"$work/after2"
check 2 "$work/after1" "$work/after2"
echo "PASS"
