# SPDX-License-Identifier: MIT
# bash completion for orvalin-cli: its commands, their options, file names after
# --output and --from, the formats after --format, noonmark's surfaces, the papers,
# the dial's kinds of time, steps and date lines and, after --zone, the names that
# `orvalin-cli zones` lists (the ones --zone
# accepts, links of the zone data too).
# An option's value may follow it as the next word or after "=" (--output=FILE).

# The word being typed as the program will see it: without the opening quote or
# the backslashes that escape blanks.
_orvalin_cli_dequote() {
  case $1 in
    \'*) printf '%s' "${1#\'}" ;;
    \"*) printf '%s' "${1#\"}" ;;
    *) printf '%s' "${1//\\/}" ;;
  esac
}

# Whether either word is made of colons alone.
_orvalin_cli_colons() {
  [[ ( -n $1 && -z ${1//:} ) || ( -n $2 && -z ${2//:} ) ]]
}

# Bash splits words at the characters of COMP_WORDBREAKS, ':' among them, so
# "--zone UTC+09:3" comes as --zone, UTC+09, ":" and 3. Sets `words` to COMP_WORDS up
# to the word being completed with those pieces joined again ("UTC+09:3"), and
# `cword` to the index of that word. Pieces the line separates by blanks stay apart.
_orvalin_cli_words() {
  local rest=${COMP_LINE-} i word spaced
  words=() cword=0
  for ((i = 0; i <= COMP_CWORD && i < ${#COMP_WORDS[@]}; i++)); do
    word=${COMP_WORDS[i]}
    spaced=0
    if [[ -n ${COMP_LINE+set} ]]; then
      [[ $rest == [[:blank:]]* ]] && spaced=1
      rest=${rest#*"$word"}
    fi
    if ((i >= 2 && !spaced)) && _orvalin_cli_colons "$word" "${COMP_WORDS[i-1]}"; then
      words[cword]+=$word
    else
      ((i > 0)) && cword=$((cword + 1))
      words[cword]=$word
    fi
  done
}

_orvalin_cli() {
  local cur prev command= word option prefix= words cword
  _orvalin_cli_words
  cur=${words[cword]}
  prev=${words[cword-1]}
  # Bash replaces only what follows the word's last ':' when ':' breaks words.
  local before_colon=
  [[ $COMP_WORDBREAKS == *:* && $cur == *:* ]] && before_colon=${cur%"${cur##*:}"}
  for word in "${words[@]:1:cword-1}"; do
    case $word in
      at|table|noon|zones|chart|card|noonmark|facing|analemmatic|dial) command=$word; break ;;
    esac
  done
  # Where "=" breaks words (bash's default), --output=my is three words: --output,
  # "=" and my; where it does not, one word, and each answer must repeat --output=.
  option=$prev
  if [[ $cur == = && $prev == --* ]]; then
    cur=
  elif [[ $prev == = ]] && ((cword >= 2)); then
    option=${words[cword-2]}
  elif [[ $cur == --*=* ]]; then
    option=${cur%%=*} prefix=${cur%%=*}= cur=${cur#*=}
  fi
  cur=$(_orvalin_cli_dequote "$cur")
  local program=${COMP_WORDS[0]}
  [[ $program == \~/* ]] && program=$HOME/${program#\~/}
  case $option in
    -o|--output|--from)
      # One answer a line, so that a name with blanks stays one name.
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      [[ -z $prefix ]] && compopt -o filenames 2>/dev/null ;;
    --time)
      COMPREPLY=()
      [[ $command == dial ]] && mapfile -t COMPREPLY < <(compgen -W "apparent standard mean" -- "$cur") ;;
    -H|--hour|-l|--longitude|--latitude|--height|--year|--facing|--tilt|--at|--shadow-angle|--size|--scale|\
    --mean-years) COMPREPLY=() ;;
    --step) mapfile -t COMPREPLY < <(compgen -W "60 30 15 10" -- "$cur") ;;
    --dates) mapfile -t COMPREPLY < <(compgen -W "none seasons zodiac months" -- "$cur") ;;
    -f|--format)
      case $command in
        card) mapfile -t COMPREPLY < <(compgen -W "pdf svg" -- "$cur") ;;
        noonmark|analemmatic) mapfile -t COMPREPLY < <(compgen -W "svg pdf csv" -- "$cur") ;;
        dial) mapfile -t COMPREPLY < <(compgen -W "csv svg pdf dxf" -- "$cur") ;;
        *) mapfile -t COMPREPLY < <(compgen -W "png svg pdf" -- "$cur") ;;
      esac ;;
    --surface) mapfile -t COMPREPLY < <(compgen -W "floor wall" -- "$cur") ;;
    --paper) mapfile -t COMPREPLY < <(compgen -W "a4 a3 letter" -- "$cur") ;;
    --lang) mapfile -t COMPREPLY < <(compgen -W "ja en" -- "$cur") ;;
    -z|--zone) mapfile -t COMPREPLY < <(compgen -W "$("$program" zones 2>/dev/null)" -- "$cur") ;;
    *) option= ;;
  esac
  if [[ -n $option ]]; then
    # Bash quotes file names itself only when it completes them as a word of their own.
    local i
    for i in "${!COMPREPLY[@]}"; do
      [[ -n $prefix ]] && COMPREPLY[i]=$prefix$(printf '%q' "${COMPREPLY[i]}")
      [[ -n $before_colon ]] && COMPREPLY[i]=${COMPREPLY[i]#"$before_colon"}
    done
    return 0
  fi
  local options
  case $command in
    at) options="--from --csv -c --json -j --help -h" ;;
    table) options="--hour -H --csv -c --json -j --help -h" ;;
    noon) options="--longitude -l --zone -z --csv -c --json -j --help -h" ;;
    zones) options="--help -h" ;;
    card) options="--longitude -l --zone -z --no-longitude --mean-years --output -o --format -f --lang --help -h" ;;
    chart) options="--rate -r --legend --output -o --format -f --help -h" ;;
    noonmark) options="--latitude --longitude -l --zone -z --height --surface --facing --tilt --time --year
                       --no-refraction --output -o --format -f --paper --lang --help -h" ;;
    facing) options="--latitude --longitude -l --zone -z --at --shadow-angle --from --help -h" ;;
    analemmatic) options="--latitude --longitude -l --zone -z --size --year --summer --scale --output -o --format -f
                          --paper --lang --help -h" ;;
    dial) options="--latitude --longitude -l --zone -z --tilt --facing --height --time --step --dates --summer --year
                   --no-refraction --lang --paper --format -f --output -o --help -h" ;;
    *) options="--help -h --version -V" ;;
  esac
  if [[ -z $command && $cur != -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "at table noon zones chart card noonmark facing analemmatic dial" -- "$cur")
  elif [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  fi
}
complete -F _orvalin_cli orvalin-cli
