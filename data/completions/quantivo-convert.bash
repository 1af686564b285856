# bash completion for quantivo-convert
#
# Category and unit names come from the program itself (--list), so they follow
# whatever the installed program knows. Needs nothing from the bash-completion
# package beyond the loading.

# Removes the shell quoting from $1 (backslashes, '...' and "..."). Sets REPLY to
# the result and, for a word that ends inside an open quote, _quantivo_open to
# that quote and _quantivo_before to the text before it.
_quantivo_convert_dequote()
{
    local word=$1 out='' quote='' c i
    _quantivo_open='' _quantivo_before=''
    for ((i = 0; i < ${#word}; i++)); do
        c=${word:i:1}
        if [[ $quote == "'" ]]; then
            if [[ $c == "'" ]]; then quote=; else out+=$c; fi
        elif [[ $quote == '"' ]]; then
            if [[ $c == '"' ]]; then
                quote=
            elif [[ $c == \\ && ${word:i+1:1} == [\$\`\"\\] ]]; then
                out+=${word:i+1:1}
                ((++i))
            else
                out+=$c
            fi
        elif [[ $c == \\ ]]; then
            out+=${word:i+1:1}
            ((++i))
        elif [[ $c == [\"\'] ]]; then
            quote=$c
            _quantivo_before=$out
        else
            out+=$c
        fi
    done
    _quantivo_open=$quote
    [[ $quote ]] || _quantivo_before=
    REPLY=$out
}

# Adds the names among "$@" that start with $cur to COMPREPLY, written the way
# the word being completed is quoted so far.
_quantivo_convert_add()
{
    local name rest out c i
    for name; do
        [[ $name && $name == "$cur"* ]] || continue
        case $open in
            \')
                # Readline replaces only what follows the open quote.
                rest=${name:${#before}}
                COMPREPLY+=("${rest//\'/\'\\\'\'}")
                ;;
            \")
                rest=${name:${#before}} out=''
                for ((i = 0; i < ${#rest}; i++)); do
                    c=${rest:i:1}
                    [[ $c == [\$\`\"\\] ]] && out+=\\
                    out+=$c
                done
                COMPREPLY+=("$out")
                ;;
            *)
                out=''
                for ((i = 0; i < ${#name}; i++)); do
                    c=${name:i:1}
                    [[ $c == [][[:space:]\'\"\\\$\`\(\)\{\}\<\>\|\&\;\!\*\?\#\~=,^] ]] && out+=\\
                    out+=$c
                done
                COMPREPLY+=("$out")
                ;;
        esac
    done
}

_quantivo_convert()
{
    local cword=$COMP_CWORD cmd=${COMP_WORDS[0]} REPLY
    local _quantivo_open _quantivo_before
    [[ $cmd == \~/* ]] && cmd=$HOME/${cmd#\~/}
    _quantivo_convert_dequote "$cmd"
    cmd=$REPLY
    COMPREPLY=()

    # Read the words before the one being completed.
    local -a positional=()
    local i=1 word ended='' list='' table='' batch='' help=''
    while ((i < cword)); do
        _quantivo_convert_dequote "${COMP_WORDS[i]}"
        word=$REPLY
        ((++i))
        if [[ $ended ]]; then
            positional+=("$word")
            continue
        fi
        case $word in
            --) ended=1 ;;
            --format | --precision)
                # The value is the next word, or the one after a separate "=".
                [[ ${COMP_WORDS[i]-} == = ]] && ((++i))
                ((++i))
                ;;
            --list) list=1 ;;
            --table) table=1 ;;
            --batch) batch=1 ;;
            --help) help=1 ;;
            --?*) ;;
            *) positional+=("$word") ;;
        esac
    done

    local raw=${COMP_WORDS[cword]} prev='' option=''
    ((cword > 1)) && prev=${COMP_WORDS[cword - 1]}
    if [[ ! $ended ]]; then
        # The value of an option: "--format x", "--format=x", and with "=" one of
        # the shell's word breaks, "--format" "=" "x".
        if [[ $prev == --format || $prev == --precision ]]; then
            option=$prev
            [[ $raw == = ]] && raw=
        elif [[ $prev == = ]] && ((cword > 2)) &&
            [[ ${COMP_WORDS[cword - 2]} == --format || ${COMP_WORDS[cword - 2]} == --precision ]]; then
            option=${COMP_WORDS[cword - 2]}
        fi
    fi
    local prefix=''
    if [[ ! $option && ! $ended && $raw == --format=* ]]; then
        option=--format prefix=--format= raw=${raw#--format=}
    elif [[ ! $option && ! $ended && $raw == --precision=* ]]; then
        option=--precision
    fi

    _quantivo_convert_dequote "$raw"
    local cur=$REPLY open=$_quantivo_open before=$_quantivo_before

    if [[ $option == --format ]]; then
        local format
        for format in auto scientific fixed commas; do
            [[ $format == "$cur"* ]] && COMPREPLY+=("$prefix$format")
        done
        return 0
    fi
    [[ $option ]] && return 0

    if [[ ! $ended && $cur == -* ]]; then
        local flag
        for flag in --format --precision --batch --list --sorted --table --help; do
            [[ $flag == "$cur"* ]] && COMPREPLY+=("$flag")
        done
        return 0
    fi
    [[ $batch || $help ]] && return 0

    local -a categories=()
    mapfile -t categories < <("$cmd" --list 2>/dev/null)
    local count=${#positional[@]} category='' name
    if ((count > 0)); then
        for name in "${categories[@]}"; do
            [[ $name == "${positional[0]}" ]] && category=$name && break
        done
    fi

    # What the word is: a category, its units, or the units of every category
    # when the first word is a value.
    local want=''
    if [[ $list ]]; then
        ((count == 0)) && want=categories
    elif ((count == 0)); then
        want=categories
    elif [[ $category ]]; then
        ((count == 2 || (count == 3 && !table))) && want=units
    else
        ((count == 1 || (count == 2 && !table))) && want=all
    fi

    local -a units=()
    case $want in
        categories)
            _quantivo_convert_add "${categories[@]}"
            ;;
        units)
            mapfile -t units < <("$cmd" --list "$category" 2>/dev/null)
            _quantivo_convert_add "${units[@]}"
            ;;
        all)
            local -A seen=()
            local -a each=()
            for category in "${categories[@]}"; do
                mapfile -t each < <("$cmd" --list "$category" 2>/dev/null)
                for name in "${each[@]}"; do
                    [[ $name && ! ${seen[$name]-} ]] || continue
                    seen[$name]=1
                    units+=("$name")
                done
            done
            _quantivo_convert_add "${units[@]}"
            ;;
    esac
    return 0
}

complete -F _quantivo_convert quantivo-convert
