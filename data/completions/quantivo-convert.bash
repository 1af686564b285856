# bash completion for quantivo-convert
#
# Category names come from the program itself (--list), and unit names too
# (--names: every name a unit is known by), so they follow whatever the installed
# program knows, units of the user's own included unless the line being completed
# leaves them out. Needs nothing from the bash-completion package beyond the loading.

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
    local -a own=()
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
            --list | --names) list=1 ;;
            --table) table=1 ;;
            --batch) batch=1 ;;
            --help | --version | -h) help=1 ;;
            --no-custom-units) own=(--no-custom-units) ;;
            --?* | -v) ;;
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
        for flag in --format --precision --batch --list --names --sorted --table \
            --no-custom-units --verbose -v --help -h --version; do
            [[ $flag == "$cur"* ]] && COMPREPLY+=("$flag")
        done
        return 0
    fi
    [[ $batch || $help ]] && return 0

    # "to" between the units ("1 mile to km") is no operand of its own: right after
    # it comes TO, and after TO nothing.
    local count=${#positional[@]} to=''
    if [[ ! $list && ! $table ]]; then
        for ((i = count - 1; i >= 1; i--)); do
            [[ ${positional[i],,} == to ]] || continue
            ((i == count - 1)) && to=next || to=given
            positional=("${positional[@]:0:i}")
            count=$i
            break
        done
    fi

    # What the word is: a category, or a unit, for FROM or TO.
    local want=''
    if [[ $list ]] || ((count == 0)); then
        ((count == 0)) && want=categories
    elif [[ $to ]]; then
        [[ $to == next ]] && want=to
    elif ((count <= 3)); then
        want=unit
    fi

    local -a names=()
    case $want in
        categories)
            mapfile -t names < <("$cmd" "${own[@]}" --list 2>/dev/null)
            ;;
        to | unit)
            # The program tells whether the first operand is a category, in any of
            # the ways it accepts one, and gives its names; a number is a value.
            local first=${positional[0]} out category=''
            if [[ $first != [0-9]* && $first != [-+.][0-9]* && $first != [-+].[0-9]* ]] &&
                out=$("$cmd" "${own[@]}" --names -- "$first" 2>/dev/null); then
                category=1
            fi
            if [[ $category ]]; then
                [[ $want == to ]] || ((count == 2 || (count == 3 && !table))) || return 0
            else
                # A value first: the names of every category.
                [[ $want == to ]] || ((count == 1 || (count == 2 && !table))) || return 0
                out=$("$cmd" "${own[@]}" --names 2>/dev/null)
            fi
            mapfile -t names <<< "$out"
            ;;
    esac
    _quantivo_convert_add "${names[@]}"
    return 0
}

complete -F _quantivo_convert quantivo-convert
