# fish completion for quantivo-convert. Category and unit names come from the
# program itself (--list), so they follow whatever the installed program knows.

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
                case --list
                    set list 1
                case --table
                    set table 1
                case --batch --help
                    return
                case '--*'
                case '*'
                    set -a positional $word
            end
        end
    end

    set -l categories ($cmd --list 2>/dev/null)
    set -l count (count $positional)
    if test $count -eq 0
        printf '%s\n' $categories
    else if test $list -eq 1
        return
    else if contains -- $positional[1] $categories
        # A category first: its units for FROM, and for TO without --table.
        if test $count -eq 2 || test $count -eq 3 -a $table -eq 0
            $cmd --list $positional[1] 2>/dev/null
        end
    else if test $count -eq 1 || test $count -eq 2 -a $table -eq 0
        # A value first: the units of every category.
        set -l units
        for category in $categories
            for name in ($cmd --list $category 2>/dev/null)
                contains -- $name $units; or set -a units $name
            end
        end
        printf '%s\n' $units
    end
end

complete -c quantivo-convert -f -a '(__quantivo_convert_names)'
complete -c quantivo-convert -l format -x -a 'auto scientific fixed commas' -d 'Result format'
complete -c quantivo-convert -l precision -x -d 'Digits for scientific, decimals for fixed and commas'
complete -c quantivo-convert -l batch -d 'Convert the requests read from standard input'
complete -c quantivo-convert -l list -d 'List the categories, or the units of a category'
complete -c quantivo-convert -l table -d 'Convert VALUE from FROM into every unit of the category'
complete -c quantivo-convert -l sorted -d 'Alphabetical order for --list and --table'
complete -c quantivo-convert -l help -d 'Show the usage'
