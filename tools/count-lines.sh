#!/usr/bin/env bash
# Non-blank, non-comment lines of the program's C++ against its tests (every
# tests/ folder, fuzz/, the platform fakes; C++, shell and Python), and the ratio;
# then the scenario scripts' lines (events and expectations), which are test data
# like a table's rows and count apart.
cd "${1:-.}"
count() { # files...
  awk '
    FNR==1 { inblock=0; ext=FILENAME; sub(/.*\./,"",ext) }
    {
      line=$0; gsub(/^[ \t]+|[ \t]+$/,"",line)
      if (line=="") next
      if (ext=="cpp"||ext=="h") {
        if (inblock) { if (line ~ /\*\//) inblock=0; next }
        if (line ~ /^\/\//) next
        if (line ~ /^\/\*/) { if (line !~ /\*\//) inblock=1; next }
      } else {
        if (line ~ /^#/) next
      }
      n++
    }
    END { print n+0 }' "$@"
}
prog=$(git ls-files calendar mainwindow aboutbox help platform/include qt app win32 winapp | grep -E '\.(cpp|h)$' | grep -v '/tests/')
tests=$(git ls-files | grep -E '(^|/)tests/|^fuzz/|^platform/fakes/' | grep -E '\.(cpp|h|sh|py)$' | grep -v corpus)
scenarios=$(git ls-files '*.scenario')
p=$(count $prog); t=$(count $tests); s=$(count $scenarios)
echo "program $p tests $t ratio $(awk -v a=$t -v b=$p 'BEGIN{printf "%.2f", a/b}') scenario scripts $s"
