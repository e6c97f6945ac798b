# bash completion for phycalc and phydef: options, files after -u and -f,
# and in an expression the keywords and the unit names of the library.
_phycalc_words() {
    # The names of the library (phycalc --list), then the keywords.
    phycalc --list 2> /dev/null | cut -d' ' -f1
    printf '%s\n' sqrt exp ln lg10 log sin cos tan asin acos atan abs Re Im conj phase root tempC tempF pi help
}

_phycalc() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        -u|-f) COMPREPLY=($(compgen -f -- "$cur")); [ "$prev" = -u ] && COMPREPLY+=($(compgen -W si -- "$cur")); return ;;
        -p) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '-cr -S1 -S2 -S3 -p -u -f -q - --check --list --readable --strict --help --version' -- "$cur"))
        return
    fi
    # The name being typed is what follows the last operator or blank.
    local word=${cur##*[^A-Za-z0-9_]} head
    head=${cur%"$word"}
    COMPREPLY=($(compgen -P "$head" -W "$(_phycalc_words)" -- "$word"))
}

_phydef() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        -u) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        -name|-mult|-add1|-add2) return ;;
    esac
    COMPREPLY=($(compgen -W '-u -name -unit -mult -add1 -add2 --help --version' -- "$cur"))
}

complete -F _phycalc phycalc
complete -F _phydef phydef
