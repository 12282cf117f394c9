# bash completion for lumora, lumora-cli and lumora-radio

_lumora_cli()
{
    local cur prev words cword
    _init_completion || return
    local verbs="ports doctor read write diff backup restore fleet import-csv export-csv history print help"
    case $prev in
    -p | --port)
        COMPREPLY=($(compgen -W "$(lumora-cli ports 2>/dev/null)" -- "$cur"))
        compopt -o filenames
        return
        ;;
    -o | --output | --trace | --report)
        _filedir
        return
        ;;
    -t | --timeout | --keep-days | --keep-count | --radio)
        return
        ;;
    --page)
        COMPREPLY=($(compgen -W "A4 Letter" -- "$cur"))
        return
        ;;
    esac
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$verbs --help --version --verbose" -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--port --output --timeout --verify --plan --plan-strict --strict --json --no-history --keep-days --keep-count --radio --page --trace --find --report --help" -- "$cur"))
        return
    fi
    case ${words[1]} in
    help)
        ((cword == 2)) && COMPREPLY=($(compgen -W "$verbs" -- "$cur"))
        ;;
    read | write | diff)
        if ((cword == 2)); then
            COMPREPLY=($(compgen -W "main dtmf 2tone 5tone fsk" -- "$cur"))
        fi
        _filedir '@(wh|json)'
        ;;
    restore) _filedir json ;;
    history)
        ((cword == 2)) && COMPREPLY=($(compgen -W "list show diff restore prune" -- "$cur"))
        ;;
    import-csv) _filedir csv ;;
    export-csv) _filedir wh ;;
    print) _filedir '@(wh|json|csv)' ;;
    esac
} && complete -F _lumora_cli lumora-cli

_lumora()
{
    local cur prev words cword
    _init_completion || return
    if [[ $prev == --port ]]; then
        COMPREPLY=($(compgen -W "$(lumora-cli ports 2>/dev/null)" -- "$cur"))
        return
    fi
    if [[ $prev == --palette ]]; then
        COMPREPLY=($(compgen -W "light dark high-contrast" -- "$cur"))
        return
    fi
    if [[ $prev == --trace ]]; then
        _filedir
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--port --palette --trace --no-history --help --version --verbose" -- "$cur"))
        return
    fi
    _filedir wh
} && complete -F _lumora lumora

_lumora_radio()
{
    local cur prev words cword
    _init_completion || return
    case $prev in
    --link | --memory | --trace)
        _filedir
        return
        ;;
    esac
    COMPREPLY=($(compgen -W "--link --memory --exit-after --pace --seed --drop --drop-first --corrupt --delay
        --hangup-after --quiet-after --trace --bad-byte --crc-swapped --double-ack --wrong-block --lose-answer
        --deaf-after --help --version" -- "$cur"))
} && complete -F _lumora_radio lumora-radio
