# fish completion for quantivo-convert. Category names come from the program itself
# (--list), and unit names too (--names: every name a unit is known by), so they
# follow whatever the installed program knows, units of the user's own included
# unless the line being completed leaves them out.

# Prints the category or unit names the operand under the cursor can take.
function __quantivo_convert_names
    set -l tokens (commandline -opc)
    set -l cmd $tokens[1]
    set -e tokens[1]
    string match -q -- '~/*' $cmd; and set cmd $HOME/(string sub -s 3 -- $cmd)

    set -l positional
    set -l ended 0
    set -l skip 0
    set -l list 0
    set -l table 0
    set -l own
    for word in $tokens
        if test $skip -eq 1
            set skip 0
        else if test $ended -eq 1
            set -a positional $word
        else
            switch $word
                case --
                    set ended 1
                case --format --precision
                    set skip 1
                case --list --names
                    set list 1
                case --table
                    set table 1
                case --batch --help --version -h
                    return
                case --no-custom-units
                    set own --no-custom-units
                case '--*' -v
                case '*'
                    set -a positional $word
            end
        end
    end

    # "to" between the units ("1 mile to km") is no operand of its own: right after
    # it comes TO, and after TO nothing.
    set -l count (count $positional)
    set -l to
    if test $list -eq 0 -a $table -eq 0
        for i in (seq $count -1 2)
            test (string lower -- $positional[$i]) = to; or continue
            test $i -eq $count; and set to next; or set to given
            set count (math $i - 1)
            break
        end
    end

    if test $count -eq 0
        $cmd $own --list 2>/dev/null
        return
    else if test $list -eq 1 -o "$to" = given -o $count -gt 3
        return
    end
    # The program tells whether the first operand is a category, in any of the ways
    # it accepts one, and gives its names; a number is a value.
    set -l names
    if not string match -qr -- '^[-+]?\.?[0-9]' $positional[1]
        and set names ($cmd $own --names -- $positional[1] 2>/dev/null)
        # A category first: its names for FROM, and for TO without --table.
        if test "$to" = next -o $count -eq 2 || test $count -eq 3 -a $table -eq 0
            printf '%s\n' $names
        end
    else if test "$to" = next -o $count -eq 1 || test $count -eq 2 -a $table -eq 0
        # A value first: the names of every category.
        $cmd $own --names 2>/dev/null
    end
end

complete -c quantivo-convert -f -a '(__quantivo_convert_names)'
complete -c quantivo-convert -l format -x -a 'auto scientific fixed commas' -d 'Result format'
complete -c quantivo-convert -l precision -x -d 'Digits for scientific, decimals for fixed and commas'
complete -c quantivo-convert -l batch -d 'Convert the requests read from standard input'
complete -c quantivo-convert -l list -d 'List the categories, or the units of a category'
complete -c quantivo-convert -l names -d 'List every name a unit is known by, of a category or of all'
complete -c quantivo-convert -l table -d 'Convert VALUE from FROM into every unit of the category'
complete -c quantivo-convert -l sorted -d 'Alphabetical order for --list and --table'
complete -c quantivo-convert -l no-custom-units -d 'Leave out the units of your own'
complete -c quantivo-convert -s v -l verbose -d 'Tell on standard error how each request was read'
complete -c quantivo-convert -s h -l help -d 'Show the usage'
complete -c quantivo-convert -l version -d 'Show the version'
