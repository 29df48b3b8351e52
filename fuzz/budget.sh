# Sourced by the fuzz scripts: libFuzzer's budget from $seconds, or
# CORRALON_FUZZ_RUNS=N executions instead (the long runs; a unit may then
# take 60 s before it counts as a hang, as a long run shares the machine).
budget="-max_total_time=$seconds -timeout=10"
[ -z "${CORRALON_FUZZ_RUNS:-}" ] || budget="-runs=$CORRALON_FUZZ_RUNS -timeout=60"
