# bash completion for vorlakctl: commands, their words, the key names, and the macro and
# profile names of the data folder in use (quoted, since names may hold blanks).
_vorlakctl_run() {  # _vorlakctl_run WORD...: vorlakctl on the data folder typed, if any
    local opts=()
    [ -n "${_vorlakctl_dir:-}" ] && opts=(--data-dir "$_vorlakctl_dir")
    "${COMP_WORDS[0]}" "${opts[@]}" "$@" 2>/dev/null
}
_vorlakctl_names() {  # _vorlakctl_names macro|profile: the names, one a line
    _vorlakctl_run "$1" list |
        sed -n 's/^[* ]*[0-9]\{1,2\}  \(.*\)$/\1/p' | sed 's/  [0-9]* events\{0,1\}, loop .*$//'
}

# _vorlakctl_offer WORD: the names on standard input that start with WORD, as the shell reads
# them back as one word: with backslashes, or inside the quote WORD opened.
_vorlakctl_offer() {
    local cur=$1 quote= name
    case $cur in \'*|\"*) quote=${cur:0:1}; cur=${cur:1} ;; esac
    COMPREPLY=()
    while IFS= read -r name; do
        [[ $name == "$cur"* ]] || continue
        if [ -n "$quote" ]; then
            COMPREPLY+=("$quote$name$quote")
        else
            printf -v name '%q' "$name"; COMPREPLY+=("$name")
        fi
    done
}

_vorlakctl() {
    local cur=${COMP_WORDS[COMP_CWORD]} i=1 _vorlakctl_dir=
    while [ $i -lt $COMP_CWORD ]; do  # the program's options before the command
        case ${COMP_WORDS[i]} in
            --data-dir) _vorlakctl_dir=${COMP_WORDS[i + 1]}; i=$((i + 2)) ;;
            --simulate-line|--wait) i=$((i + 2)) ;;
            --*) i=$((i + 1)) ;;
            *) break ;;
        esac
    done
    local words=("${COMP_WORDS[@]:i:COMP_CWORD-i}") candidates=
    if [ "${COMP_WORDS[COMP_CWORD - 1]}" = --data-dir ]; then
        COMPREPLY=($(compgen -d -- "$cur")); return
    fi
    case "${#words[@]} ${words[*]}" in
        0\ *) candidates="--simulate --simulate-line --trace --data-dir --wait --help --version status
              apply events show dpi polling lighting sensitivity pointer assign keys profile macro
              reset help" ;;
        1\ help) candidates="status apply events show dpi polling lighting sensitivity pointer
                 assign keys profile macro reset" ;;
        1\ show) COMPREPLY=($(compgen -f -X '!*.bin' -- "$cur") $(compgen -W --json -- "$cur"))
                 return ;;
        1\ dpi) candidates="1 2 3 4 5 6" ;;
        *\ dpi\ *) candidates="on off colour $(seq -s ' ' 200 100 5000) 5200 5400 5600 5800 6000" ;;
        1\ polling) candidates="125 250 500 1000" ;;
        1\ lighting) candidates="standard respiration neon" ;;
        2\ lighting\ *) candidates="1 2 3 4 5 6" ;;
        *\ pointer*) candidates="speed double-click wheel page" ;;
        1\ assign) candidates="1 2 3 4 5 6 7 shift+1 shift+2 shift+3 shift+4 shift+5 shift+6 shift+7" ;;
        2\ assign\ *) candidates="click menu scroll forward back double-click shift deactivated
                      dpi-up dpi-down dpi-loop media office windows key macro" ;;
        3\ assign\ *\ media) candidates="open-media-player next-track previous-track stop
                             play/pause mute volume-up volume-down" ;;
        3\ assign\ *\ office) candidates="new cut copy paste save print find redo undo select-all" ;;
        3\ assign\ *\ windows) candidates="my-computer web-home search-computer maximize minimize
                               show-desktop run" ;;
        3\ assign\ *\ key) _vorlakctl_offer "$cur" < <(_vorlakctl_run keys); return ;;
        3\ assign\ *\ macro) _vorlakctl_offer "$cur" < <(_vorlakctl_names macro); return ;;
        4\ assign\ *\ macro\ *) candidates="once until-any-button while-held" ;;
        1\ profile) candidates="list switch new copy rename delete import export" ;;
        2\ profile\ import|2\ profile\ export) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        2\ profile\ *) _vorlakctl_offer "$cur" < <(_vorlakctl_names profile); return ;;
        1\ macro) candidates="list show new rename delete set" ;;
        2\ macro\ show|2\ macro\ rename|2\ macro\ delete|2\ macro\ set)
            _vorlakctl_offer "$cur" < <(_vorlakctl_names macro); return ;;
        *\ macro\ set\ *)
            [ "${COMP_WORDS[COMP_CWORD - 1]}" = --file ] && { COMPREPLY=($(compgen -f -- "$cur")); return; }
            candidates="--loop --record-delay --file --events on off" ;;
    esac
    COMPREPLY=($(compgen -W "$candidates" -- "$cur"))
}
complete -F _vorlakctl vorlakctl
