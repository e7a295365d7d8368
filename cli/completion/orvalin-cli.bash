# SPDX-License-Identifier: MIT
# bash completion for orvalin-cli: its commands, their options, and file names
# after --output.
_orvalin_cli() {
  local cur prev command word
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
      at|table|chart) command=$word; break ;;
    esac
  done
  case $prev in
    -o|--output) COMPREPLY=($(compgen -f -- "$cur")); compopt -o filenames 2>/dev/null; return ;;
    -H|--hour) COMPREPLY=(); return ;;
  esac
  local options
  case $command in
    at) options="--json -j --help -h" ;;
    table) options="--hour -H --csv -c --json -j --help -h" ;;
    chart) options="--rate -r --output -o --help -h" ;;
    *) options="--help -h --version -V" ;;
  esac
  if [[ -z $command && $cur != -* ]]; then
    COMPREPLY=($(compgen -W "at table chart" -- "$cur"))
  elif [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  fi
}
complete -F _orvalin_cli orvalin-cli
