#!/usr/bin/env bash
# Checks the bash completion of kelvane-cli against kelvane-cli itself: the
# engines, options, fields, check boxes, sweep fields and series it offers
# are the ones the program takes, engine by engine, so the lists written in
# the completion cannot drift from the field tables and charts. The man page
# names the same engines, and for each action the engines that take it.
# Run as: CompletionMatchesCli.sh KELVANE_CLI COMPLETION_FILE MAN_PAGE
set -uo pipefail
cli=$1
# shellcheck source=/dev/null
source "$2"
compopt() { :; } # only works inside a real completion
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1 # the option probes below may write files named "1"
failures=0

# What the completion offers for the words after "kelvane-cli", the last
# being the word under the cursor: sorted, one a line.
offers() {
    COMP_WORDS=(kelvane-cli "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _kelvane_cli
    [[ ${#COMPREPLY[@]} -eq 0 ]] || printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect() {
    if [[ $2 != "$3" ]]; then
        echo "FAIL: $1"
        diff <(echo "$2") <(echo "$3") | sed 's/^/    /'
        failures=$((failures + 1))
    fi
}

# "A, B, C" after a lead-in in a message, one a line, sorted.
listed_after() {
    sed -n "s/.*$1//p" | sed "s/, not '.*//" | tr ',' '\n' | tr -d ' ' | grep -v '^$' | sort
}

usage=$("$cli" --help)
engines=$(sed -n 's/^ *ENGINE *//p' <<<"$usage" | tr '|' '\n' | tr -d ' ' | sort)
expect "engines and first options" "$(printf '%s\n' $engines --help --version | sort)" \
    "$(offers '')"

all_options=$(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | grep -vx -- '--help\|--version' | sort -u)
for engine in $engines; do
    # An option the engine does not take is refused by name; one it takes is not.
    # One that needs another ("--memo needs --sweep", "--size goes with
    # --picture") is taken with it.
    taken="" needing=""
    for option in $all_options; do
        args=("$engine" "$option")
        placeholder=$(grep -o -- "$option [A-Z][A-Za-z.]*" <<<"$usage" | head -n 1 | cut -d' ' -f2)
        case $placeholder in
        "") ;;
        WxH) args+=(1x1) ;;
        *) args+=(1) ;;
        esac
        first=$("$cli" "${args[@]}" 2>&1 >/dev/null | head -n 1)
        if [[ $first =~ ^kelvane-cli:\ $option\ (needs|goes\ with)\ (--[a-z-]+)$ ]]; then
            needing+="$option ${BASH_REMATCH[2]}"$'\n'
        elif [[ ! $first =~ ^kelvane-cli:\ $option\ is\ for ]]; then
            taken+="$option"$'\n'
        fi
    done
    while read -r option needed; do
        [[ -n $option ]] && grep -qx -- "$needed" <<<"$taken" && taken+="$option"$'\n'
    done <<<"$needing"
    expect "$engine: options" "$(sort <<<"${taken%$'\n'}")" "$(offers "$engine" '')"

    fields=$("$cli" "$engine" --set '?=1' 2>&1 | listed_after 'its fields are ')
    expect "$engine: fields" "$fields" "$(offers "$engine" --set '' | tr -d =)"

    for field in $fields; do
        boxed=""
        refusal=$("$cli" "$engine" --set "$field=maybe" 2>&1)
        [[ $refusal == *"takes Y or N"* ]] && boxed=$'N\nY'
        expect "$engine: Y or N for $field, '=' a word break" "$boxed" \
            "$(offers "$engine" --set "$field" =)"
        expect "$engine: Y or N for $field, '=' in the word" \
            "$(sed "/./s/^/$field=/" <<<"$boxed")" "$(offers "$engine" --set "$field=")"
    done

    sweep=$("$cli" "$engine" --sweep '?' 2>&1 | listed_after 'needs one of ')
    expect "$engine: sweep fields" "$sweep" "$(offers "$engine" --sweep '')"

    "$cli" "$engine" --csv "$scratch/$engine" >/dev/null
    expect "$engine: series" "$(ls "$scratch/$engine" | sed 's/\.csv$//' | sort)" \
        "$(offers "$engine" --series '')"
done

for engine in gamma rider; do
    "$cli" $engine --sweep PhaseOffset --csv "$scratch/$engine-sweep" >/dev/null
    expect "$engine: series after --sweep" \
        "$(ls "$scratch/$engine-sweep" | sed 's/\.csv$//' | sort)" \
        "$(offers $engine --sweep PhaseOffset --series '')"
done

# The man page: each engine under ENGINE, and the engines each action is for,
# as the usage lists them ("--calc N          (gamma, rider) ...").
man=$3
man_engines=$(sed -n '/^\.I ENGINE$/,/^\.PP$/p' "$man" | sed -n 's/^\.B \([a-z]*\)$/\1/p' | sort)
expect "man page: engines" "$engines" "$man_engines"
for option in --calc --steps --sweep; do
    in_usage=$(grep -- "^  $option " <<<"$usage" | sed 's/^[^(]*(\([^)]*\)).*/\1/' | tr -d ' ' |
        tr ',' '\n' | sort)
    in_man=$(grep -A1 -F -- ".BI ${option//-/\\-} " "$man" | sed -n 's/^\.RB ( *\(.*\))$/\1/p' |
        sed 's/", "/\n/g' | tr -d ' "' | sort)
    expect "man page: engines of $option" "$in_usage" "$in_man"
done

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "completion and man page match kelvane-cli"
