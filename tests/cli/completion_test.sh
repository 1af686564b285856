# The shell completion of quantivo-convert, run against the built program.
#   bash completion_test.sh COMPLETIONS_DIR PROGRAM CONFIG_DIR
# The bash function is called as bash calls it; the zsh and fish files are only
# parsed, by those shells where they are installed.
completions=$1
program=$2
units_config=$3  # holds Quantivo/units.ini; elsewhere the program finds no units file
export XDG_CONFIG_HOME=/nonexistent
PATH=$(dirname "$program"):$PATH
source "$completions/quantivo-convert.bash" || exit 1

failures=0

# expect "REPLY..." WORD...: completing the last WORD offers exactly these
# replies, in this order, written as they go into the line (blank-separated).
expect()
{
    local expected=$1 got
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _quantivo_convert
    got="${COMPREPLY[*]}"
    if [[ $got != "$expected" ]]; then
        echo "FAIL: $* -> [$got], expected [$expected]"
        failures=$((failures + 1))
    fi
}

expect 'Length' quantivo-convert Len
expect 'Volume Volume\ -\ Dry' quantivo-convert Vol
expect 'Volume\ -\ Dry' quantivo-convert 'Volume\ -\ D'
# Inside an open quote only the text after the quote is replaced, unescaped.
expect 'Volume - Dry' quantivo-convert '"Volume - D'
expect 'BTU-inch/hour-foot²-°F' quantivo-convert '"Thermal Conductivity"' 1 BTU-inch
expect 'kilometer kilometers kilometre kilometres' quantivo-convert Length 1 kilom
expect 'foot\ \(US\ Survey\)' quantivo-convert --precision 2 Length 1 meter 'foot\ \('
# No category: the names of every category, table names first, each once.
expect 'kilometer kilometers kilometre kilometres kilometer² kilometer/hour kilometer/minute kilometer/second kilometers\ per\ hour kilometres\ per\ hour kilometers\ per\ minute kilometres\ per\ minute kilometers\ per\ second kilometres\ per\ second' \
    quantivo-convert 1 kilom
expect 'pint pints' quantivo-convert 1 liter pin
expect 'kilometer kilometers kilometre kilometres' quantivo-convert --table Length 1 kilom
# A category as the program takes it: any case, or a start of four letters or more.
expect 'meter megaparsec meters metre metres megaparsecs' quantivo-convert length 1 me
expect 'W/\(m·K\) W/m·K W/mK W/m-K W/\(cm·°C\) W/cm·°C' quantivo-convert -v therm 1 W
expect '' quantivo-convert Len 1 meter ''
# "to" is followed by TO, whatever came before; after TO comes nothing.
expect 'yard yards' quantivo-convert LENGTH 1 mile to ya
expect 'pint pints' quantivo-convert 1 fl oz TO pin
expect '' quantivo-convert 1 mile to km ''
expect '' quantivo-convert --version ''
expect '' quantivo-convert --table Length 1 kilometer ''
expect 'Volume Volume\ -\ Dry' quantivo-convert --list Vol
expect '--list' quantivo-convert --li
expect '--verbose --version' quantivo-convert --ver
expect 'scientific' quantivo-convert --format s
expect 'scientific' quantivo-convert --format = s
# Units of the user's own come after the table's, unless the line leaves them out.
XDG_CONFIG_HOME=$units_config expect 'step stere steres' quantivo-convert 1 ste
XDG_CONFIG_HOME=$units_config expect 'stere steres' quantivo-convert --no-custom-units 1 ste
# The command word as typed is the program asked for the names.
PATH=/nonexistent expect 'Length' "$program" Len

for shell in zsh fish; do
    file=$completions/quantivo-convert.fish
    [[ $shell == zsh ]] && file=$completions/_quantivo-convert
    if command -v $shell > /dev/null; then
        $shell -n "$file" || { echo "FAIL: $shell -n $file"; failures=$((failures + 1)); }
    else
        echo "skipped: $shell is not installed"
    fi
done

((failures == 0)) && echo "ok" || exit 1
