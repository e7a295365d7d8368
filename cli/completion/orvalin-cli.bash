# SPDX-License-Identifier: MIT
# bash completion for orvalin-cli: its commands, their options, file names after
# --output, the formats after --format and the system's zone names after --zone.
_orvalin_cli() {
  local cur prev command word
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
      at|table|noon|chart) command=$word; break ;;
    esac
  done
  case $prev in
    -o|--output) COMPREPLY=($(compgen -f -- "$cur")); compopt -o filenames 2>/dev/null; return ;;
    -H|--hour|-l|--longitude) COMPREPLY=(); return ;;
    -f|--format) COMPREPLY=($(compgen -W "png svg pdf" -- "$cur")); return ;;
    -z|--zone) COMPREPLY=($(compgen -W "UTC $(cd /usr/share/zoneinfo 2>/dev/null && find [A-Z]* -type f 2>/dev/null)" -- "$cur")); return ;;
  esac
  local options
  case $command in
    at) options="--json -j --help -h" ;;
    table) options="--hour -H --csv -c --json -j --help -h" ;;
    noon) options="--longitude -l --zone -z --csv -c --json -j --help -h" ;;
    chart) options="--rate -r --legend --output -o --format -f --help -h" ;;
    *) options="--help -h --version -V" ;;
  esac
  if [[ -z $command && $cur != -* ]]; then
    COMPREPLY=($(compgen -W "at table noon chart" -- "$cur"))
  elif [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  fi
}
complete -F _orvalin_cli orvalin-cli
