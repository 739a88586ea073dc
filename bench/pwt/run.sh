#!/usr/bin/env bash
# Pages per second of the whole conversion, PDF to .doc, against pdftotext (PDF to text) and against
# LibreOffice's own PDF-to-.doc conversion on the same files, with each run's peak memory.
#
# usage: bench/pwt/run.sh [PWT [PWT_EXE]]
#   PWT      the native program (default build/native/pwt)
#   PWT_EXE  the Windows program, run under Wine when given or found (default build/win32/pwt.exe)
# CORPUS (default ../shared/corpus beside the project), FILES (the files to time) and LO_FILES (those
# of them LibreOffice converts too: its PDF import takes minutes on a long file) may be set in the
# environment. Figures go to standard output; nothing is compared against a target.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
pwt=${1:-$root/build/native/pwt}
pwt_exe=${2:-$root/build/win32/pwt.exe}
corpus=${CORPUS:-$root/../shared/corpus}
files=${FILES:-"D02-google-doc D03-multicolumn D12-octave-refcard-a4 D07-GeoTopo D13-developers-reference D14-install.zh_CN"}
lo_files=${LO_FILES:-"D02-google-doc D03-multicolumn D12-octave-refcard-a4"}
work=$(mktemp -d /tmp/pwt-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT

[ -x "$pwt" ] || { echo "no native pwt at $pwt" >&2; exit 1; }

# Runs a command three times; prints the best wall time in seconds and the largest peak memory in MB.
measure() {
    local best="" peak=0
    for _ in 1 2 3; do
        /usr/bin/time -f '%e %M' -o "$work/time" "$@" > /dev/null 2>&1 || return 1
        read -r seconds kb < "$work/time"
        if [ -z "$best" ] || awk "BEGIN { exit !($seconds < $best) }"; then best=$seconds; fi
        [ "$kb" -gt "$peak" ] && peak=$kb
    done
    echo "$best $((peak / 1024))"
}

pages_of() { awk -F'\t' -v f="$1.pdf" '$1 == f { print $2 }' "$corpus/MANIFEST.tsv"; }

# $1 / $2 to one decimal, or "-" when $2 is no time at all (unmeasured, or below time's 10 ms).
rate() { awk "BEGIN { if ($2 > 0) printf \"%.1f\", $1 / $2; else printf \"-\" }"; }

wine_ready=no
if [ -f "$pwt_exe" ] && command -v wine > /dev/null; then
    export WINEPREFIX=${WINEPREFIX:-${ORVANTA_CACHE:-$HOME/.cache/orvanta}/wine-bench}
    "$root/scripts/wine-prefix" > /dev/null 2>&1 && wine_ready=yes
    . "$root/scripts/wine-env"
    wineserver -p < /dev/null > /dev/null 2>&1
fi

printf '%-28s %5s | %9s %6s | %9s %6s | %9s %6s | %9s %6s | %7s %7s\n' file pages \
    'pwt p/s' MB 'wine p/s' MB 'pdftotext' MB 'soffice' MB 'vs pdf' 'vs LO'
for name in $files; do
    pdf=$corpus/pdf/$name.pdf
    [ -f "$pdf" ] || { echo "skipping $name: not in the corpus" >&2; continue; }
    pages=$(pages_of "$name")
    read -r t_pwt m_pwt < <(measure "$pwt" --dest="$work/$name.doc" --src="$pdf")
    t_wine=0 m_wine=-
    if [ "$wine_ready" = yes ]; then
        read -r t_wine m_wine < <(measure wine "$pwt_exe" --dest="$(winepath -w "$work/$name.doc")" \
            --src="$(winepath -w "$pdf")")
    fi
    read -r t_txt m_txt < <(measure pdftotext -enc UTF-8 "$pdf" "$work/$name.txt")
    t_lo=0 m_lo=-
    if command -v soffice > /dev/null && [[ " $lo_files " == *" $name "* ]]; then
        # One run only: LibreOffice takes seconds a file.
        /usr/bin/time -f '%e %M' -o "$work/time" soffice -env:UserInstallation="file://$work/profile" \
            --headless --infilter=writer_pdf_import --convert-to doc --outdir "$work/lo" "$pdf" > /dev/null 2>&1
        read -r t_lo kb < "$work/time"
        m_lo=$((kb / 1024))
    fi
    printf '%-28s %5s | %9s %6s | %9s %6s | %9s %6s | %9s %6s | %7s %7s\n' "$name" "$pages" \
        "$(rate "$pages" "$t_pwt")" "$m_pwt" "$(rate "$pages" "$t_wine")" "$m_wine" \
        "$(rate "$pages" "$t_txt")" "$m_txt" "$(rate "$pages" "$t_lo")" "$m_lo" \
        "$(rate "$t_txt" "$t_pwt")" "$([ "$t_lo" = 0 ] && echo - || rate "$t_lo" "$t_pwt")"
done
echo "p/s: pages per second (best of three; LibreOffice one run); MB: peak resident memory;"
echo "vs pdf, vs LO: how many times faster than pdftotext and than LibreOffice the native pwt is."
