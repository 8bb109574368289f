#!/usr/bin/env bash
# Times the console front end on the bad inputs the hardening tests answer,
# one process per input, with /usr/bin/time -v: wall time and peak resident
# memory. Prints one line per input; it measures, it does not judge.
#   scripts/measure-bad-inputs.sh [BUILD_DIR [CASE ...]]      (default: build)
#   CLI_FLAGS=--chemistry scripts/measure-bad-inputs.sh       the chemistry mode
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cli="$build/cli/quorvel-cli"
[ -x "$cli" ] || { echo "measure-bad-inputs: build $cli first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "measure-bad-inputs: needs /usr/bin/time (package time)" >&2; exit 1; }
read -r -a flags <<<"${CLI_FLAGS:-}"
golden="$root/tests/cli/chemistry_golden.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mb=1048576

# repeat TEXT BYTES: TEXT over and over, cut at BYTES.
repeat() { yes -- "$1" | tr -d '\n' | head -c "$2" || true; }

make_input() {
  case "$1" in
    empty) printf '' ;;
    spaces_only) repeat ' ' 1000 ;;
    megabyte_spaces_then_equation) repeat ' ' $mb; printf 'H2 + O2 = H2O' ;;
    megabyte_of_equations) repeat 'H2+O2=H2O+' $mb ;;
    megabyte_one_formula) repeat 'H' $mb; printf '=H' ;;
    megabyte_of_equals) printf 'H2'; repeat '=' $mb; printf 'H2' ;;
    # Cut at whole characters: three bytes each.
    megabyte_of_chinese) repeat '水' $((mb - mb % 3)) ;;
    megabyte_full_width) repeat 'Ｈ２＋Ｏ２＝Ｈ２Ｏ' $((mb - mb % 27)) ;;
    megabyte_open_parentheses) repeat '(' $mb; printf 'H2=H2' ;;
    megabyte_nested_group) repeat '(' $((mb / 2)); printf 'H'; repeat ')' $((mb / 2)); printf '2=H2' ;;
    hundred_thousand_compounds) repeat 'H2+' 299997; printf 'H2' ;;
    ten_compounds) printf 'H2+H2+H2+H2+H2+H2+H2+H2+H2=H2' ;;
    eleven_compounds) printf 'H2+H2+H2+H2+H2+H2+H2+H2+H2+H2=H2' ;;
    nine_compounds_no_solution) printf 'H2+H2+H2+H2+H2+H2+H2+H2=O2' ;;
    run_of_300_equals) printf 'H2+O2'; repeat '=' 300; printf 'H2O' ;;
    reactants_32768) repeat 'H+' 65534; printf 'H=H' ;;
    atom_count_cap) repeat 'H9' 7280; printf 'H7='; repeat 'H9' 7280; printf 'H7' ;;
    nul_and_control) printf 'H\0012+O2=H2O\000\037' ;;
    chinese_text) printf '氢气 + 氧气 = 水' ;;
    invalid_utf8) printf 'H2+O2=\377H2O' ;;
    # Every symbol the scanner can list, then 64 KB of compounds: the matrix
    # text grows as symbols times compounds.
    # The chemistry mode's limits: 10,000 species, nesting, counts past a
    # machine word, a dense elimination, and a batch of real equations.
    ten_thousand_species) repeat 'H2+' $((3 * 9998)); printf 'H2=H2' ;;
    ten_thousand_mixed_species)
      awk 'BEGIN { split("H C N O S P K Na Cl Fe Cu Mn Ca Mg Al Si Zn Br I F", e, " ");
        for (s = 0; s < 10000; s++) {
          if (s) printf (s == 5000 ? "=" : "+");
          for (k = 0; k < 3; k++) printf "%s%d", e[(s * 7 + k * 13) % 20 + 1], (s * 31 + k) % 20 + 1 } }' ;;
    hundred_thousand_nested_groups) repeat '(' 100000; printf 'H'; repeat ')' 100000; printf '=H' ;;
    sixty_four_nested_groups) repeat '(' 64; printf 'H'; repeat ')2' 128; printf '=H' ;;
    counts_of_ten_to_the_thirty)
      printf 'C1000000000000000000000000000001H2000000000000000000000000000003 + O2 = CO2 + H2O' ;;
    dense_elements_with_huge_counts)
      awk 'BEGIN { srand(1); split("H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu", e, " ");
        for (s = 0; s < 150; s++) {
          if (s) printf (s == 75 ? "=" : "+");
          for (k = 1; k <= 94; k++) {
            printf "%s%d", e[k], int(rand() * 9) + 1
            for (d = 0; d < 3; d++) printf "%09d", int(rand() * 1e9) } } }' ;;
    ten_thousand_equations)
      awk -F '\t' '!/^#/ && NF { line[n++] = $1 } END { for (i = 0; i < 10000; i++) print line[i % n] }' "$golden" ;;
    many_symbols_times_many_compounds)
      for s in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z '[' '\' ']' '^' '_'; do
        printf '%s' "$s"
        for c in a b c d e f g h i j k l m n o p q r s t u v w x y z; do printf '%s%s' "$s" "$c"; done
      done
      printf '='; repeat '+' 65536 ;;
  esac
}

cases=(empty spaces_only megabyte_spaces_then_equation megabyte_of_equations megabyte_one_formula
  megabyte_of_equals megabyte_of_chinese megabyte_full_width megabyte_open_parentheses
  megabyte_nested_group hundred_thousand_compounds ten_compounds eleven_compounds
  nine_compounds_no_solution run_of_300_equals reactants_32768 atom_count_cap nul_and_control
  chinese_text invalid_utf8 many_symbols_times_many_compounds ten_thousand_species
  ten_thousand_mixed_species hundred_thousand_nested_groups sixty_four_nested_groups
  counts_of_ten_to_the_thirty dense_elements_with_huge_counts ten_thousand_equations)
[ $# -le 1 ] || cases=("${@:2}")

printf '%-36s %9s %8s %10s  %s\n' input bytes seconds peak_KB answer
for name in "${cases[@]}"; do
  make_input "$name" >"$work/in"
  printf '\n' >>"$work/in"
  bytes=$(($(wc -c <"$work/in") - 1))
  /usr/bin/time -v -o "$work/time" "$cli" "${flags[@]}" <"$work/in" >"$work/out" 2>"$work/err" || true
  seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
  answer=$(head -c 60 "$work/out" | tr -d '\n\000')
  [ -n "$answer" ] || answer="(stderr) $(head -c 60 "$work/err" | tr -d '\n')"
  printf '%-36s %9s %8s %10s  %s\n' "$name" "$bytes" "$seconds" "$peak" "$answer"
done
