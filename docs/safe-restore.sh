#!/usr/bin/env bash
# Runs docs/safe-restore.cphost as ONE cphost session against the simulated
# instrument, with romtool running between its lines, the way an engineer
# runs romtool beside the data system:
#
#   docs/safe-restore.sh [BUILD_FOLDER] [WORK_FOLDER]   (default build, BUILD_FOLDER/safe-restore)
#
# cphost reads its script from a pipe that is fed one command line at a
# time; each line is waited for (its "line N end" in the trace) before the
# "#$" lines after it run. A WriteRom line is sent only when the last
# `romtool check` of its file answered 0; otherwise it is reported and
# skipped. romtool is the Windows build's romtool.exe (ROMTOOL=path uses
# another, e.g. a native one). Files and the trace stay in WORK_FOLDER.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=${2:-$build/safe-restore}
script=$root/docs/safe-restore.cphost
mkdir -p "$work"
cd "$work"
rm -f ./*.rom trace.txt session.pipe

romtool() {
  if [ -n "${ROMTOOL:-}" ]; then "$ROMTOOL" "$@"; else "$root/cmake/wine-run.sh" "$build/bin/romtool.exe" "$@"; fi
}

mkfifo session.pipe
exec 3<>session.pipe  # held open until the last line, so cphost waits for more
"$root/cmake/wine-run.sh" "$build/bin/cphost.exe" --trace trace.txt --script session.pipe 3>&- &
host=$!

declare -A checked
sent=0
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    '#$ '*)
      command=${line#'#$ '}
      echo "\$ $command"
      status=0
      eval "$command" 3>&- || status=$?
      [ $status = 0 ] || echo "(status $status)"
      if [[ $command == 'romtool check '* ]]; then checked[${command#romtool check }]=$status; fi
      ;;
    '' | '#'*) ;;
    *)
      words=($line)
      if [ "${words[0]}" = WriteRom ] && [ "${checked[${words[1]}]:-none}" != 0 ]; then
        echo "cphost> $line: NOT SENT, romtool check of ${words[1]} answered ${checked[${words[1]}]:-nothing}"
        continue
      fi
      sent=$((sent + 1))
      echo "$line" >&3
      until grep -q "^line $sent end" trace.txt 2>/dev/null; do
        kill -0 $host 2>/dev/null || { echo "cphost ended early" >&2; exit 1; }
        sleep 0.2
      done
      queries=$(sed -n "/^line $sent begin/,/^line $sent end/p" trace.txt | grep -c '^? ' || true)
      writes=$(sed -n "/^line $sent begin/,/^line $sent end/p" trace.txt | grep -c '^> ' || true)
      echo "cphost> $line: $queries memory queries, $writes memory writes, status $(sed -n "s/^line $sent end //p" trace.txt)"
      ;;
  esac
done <"$script"
exec 3>&-
status=0
wait $host || status=$?
echo "cphost session ended with status $status ($sent commands in one session; transcript in $work/trace.txt)"
exit $status
