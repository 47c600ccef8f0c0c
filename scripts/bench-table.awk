# Turns one benchmark program's console output into table rows, each median
# beside the first target in targets.tsv that matches. Read targets.tsv
# first, then the output. (The CSV format cannot hold benchmarks whose
# counters differ, as the fractal ones do.)
BEGIN { FS = "\t" }

FNR == NR {
    if ($0 !~ /^#/ && NF >= 3) {
        n++
        tprogram[n] = $1; tpattern[n] = $2; tms[n] = $3
    }
    next
}

FNR == 1 { FS = " " }

{
    name = $1
    if (name !~ /_median$/)
        next
    sub(/_median$/, "", name)
    ms = $2 * scale($3)
    target = "-"
    for (i = 1; i <= n; i++)
        if (tprogram[i] == program && name ~ ("^(" tpattern[i] ")$")) {
            target = tms[i]
            break
        }
    meets = target == "-" ? "" : (ms < target ? "yes" : "**no**")
    printf "| %s | %s | %.3g ms | %s | %s |\n", program, name, ms, target == "-" ? "-" : "< " target " ms", meets
}

function scale(unit) {
    if (unit == "ns") return 1e-6
    if (unit == "us") return 1e-3
    if (unit == "s") return 1e3
    return 1
}
