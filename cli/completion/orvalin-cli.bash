# SPDX-License-Identifier: MIT
# bash completion for orvalin-cli: its commands, their options, file names after
# --output and --from, the formats after --format and, after --zone, the names that
# `orvalin-cli zones` lists (the ones --zone accepts).
_orvalin_cli() {
  local cur prev command word
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
      at|table|noon|zones|chart|card) command=$word; break ;;
    esac
  done
  case $prev in
    -o|--output) COMPREPLY=($(compgen -f -- "$cur")); compopt -o filenames 2>/dev/null; return ;;
    --from) COMPREPLY=($(compgen -f -- "$cur")); compopt -o filenames 2>/dev/null; return ;;
    -H|--hour|-l|--longitude) COMPREPLY=(); return ;;
    -f|--format) [[ $command == card ]] && COMPREPLY=($(compgen -W "pdf svg" -- "$cur")) \
                   || COMPREPLY=($(compgen -W "png svg pdf" -- "$cur")); return ;;
    --lang) COMPREPLY=($(compgen -W "ja en" -- "$cur")); return ;;
    -z|--zone) COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" zones 2>/dev/null)" -- "$cur")); return ;;
  esac
  local options
  case $command in
    at) options="--from --csv -c --json -j --help -h" ;;
    table) options="--hour -H --csv -c --json -j --help -h" ;;
    noon) options="--longitude -l --zone -z --csv -c --json -j --help -h" ;;
    zones) options="--help -h" ;;
    card) options="--longitude -l --zone -z --output -o --format -f --lang --help -h" ;;
    chart) options="--rate -r --legend --output -o --format -f --help -h" ;;
    *) options="--help -h --version -V" ;;
  esac
  if [[ -z $command && $cur != -* ]]; then
    COMPREPLY=($(compgen -W "at table noon zones chart card" -- "$cur"))
  elif [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  fi
}
complete -F _orvalin_cli orvalin-cli
