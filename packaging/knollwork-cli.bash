# Completion for knollwork-cli. The steps and the words they take are read from the
# program's own --help, so they follow the program; after a file step, names with the
# extensions it reads are offered.

_knollwork_cli_files() {
    local pattern=$1 name
    local IFS=$'\n'
    for name in $(compgen -f -- "$cur"); do
        if [[ -d $name || -z $pattern || ${name,,} =~ \.($pattern)$ ]]; then
            COMPREPLY+=("$name")
        fi
    done
    compopt -o filenames 2>/dev/null
}

_knollwork_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local usage argument
    COMPREPLY=()
    usage=$("${COMP_WORDS[0]}" --help 2>/dev/null) || return
    # The help lists each step as "  --step ARGUMENT", two blanks, then its summary.
    argument=$(awk -v step="$prev" '/^  --/ {
        usage = substr($0, 3); usage = substr(usage, 1, index(usage, "  ") - 1)
        if (usage ~ "^" step " ") print substr(usage, length(step) + 2) }' <<<"$usage")
    case $prev in
        --open | --save) _knollwork_cli_files 'tga|ppm|png|pgm|r16|raw'; return ;;
        --import | --export) _knollwork_cli_files 'png|pgm|r16|raw'; return ;;
        --palette) _knollwork_cli_files 'pal'; return ;;
    esac
    case $argument in
        FILE.*) _knollwork_cli_files "${argument#FILE.}"; return ;;
        FILE) _knollwork_cli_files ''; return ;;
        *'|'*)
            # "whole|inside|outside", or "up|middle|down:VALUE", where the value follows.
            local words=${argument%%:*} suffix=
            [[ $argument == *:* ]] && suffix=:
            COMPREPLY=($(compgen -W "${words//|/ }" -S "$suffix" -- "$cur"))
            [[ -n $suffix ]] && compopt -o nospace 2>/dev/null
            return ;;
        ?*) return ;;
    esac
    COMPREPLY=($(compgen -W "$(awk '/^  --/ { print $1 }' <<<"$usage")" -- "$cur"))
}

complete -F _knollwork_cli knollwork-cli
