#!/usr/bin/env python3
"""Mutation run over the plug-in's own sources (TORVEX2.dll only).

Plants one small, plausible fault at a time in plugin/, link/, fields/,
dialogs/ and memory/, rebuilds incrementally, runs the product's test
programs and records which test caught it. Usage (see run.sh):

    mutate.py list  --source DIR                      every candidate, one a line
    mutate.py run   --source DIR --build DIR [--count N] [--seed S] [--out FILE]
                    [--only ID,...] [--with-reliability]

The sample is drawn with a fixed seed, round-robin over the fault kinds so
that each kind is represented, and in a stable order: the same sources and
seed give the same mutants. A mutant whose compiled code is identical to the
original's is equivalent by construction; tests/mutation/equivalent.txt names
the others that cannot change behaviour, each with its reason. A mutant that
does not compile is reported and replaced by the next one drawn.
"""
import argparse
import hashlib
import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time

AREAS = ("plugin", "link", "fields", "dialogs", "memory")
# Sources of those folders that TORVEX2.dll does not link (romtool's checker).
NOT_IN_DLL = ("memory/rom_check.cpp",)
HERE = os.path.dirname(os.path.abspath(__file__))

# ---- finding candidates -------------------------------------------------

STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
COMMENT_LINE = re.compile(r'^\s*(//|/\*|\*)')


def code_part(line):
    """The line with its string literals blanked and a // comment cut, so
    that operators are only looked for in code."""
    blanked = STRING.sub(lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', line)
    for marker in ("//", "/*"):
        cut = blanked.find(marker)
        if cut >= 0:
            blanked = blanked[:cut] + " " * (len(blanked) - cut)
    return blanked


CONDITION = re.compile(r"\b(if|while|for|return)\b|\?")
RELATIONAL = [("<=", "<"), (">=", ">"), ("<", "<="), (">", ">=")]
CALL_STATEMENT = re.compile(r"^(\s*)([A-Z][A-Za-z0-9_]*|[a-z][A-Za-z0-9_]*\.[A-Za-z_]+)\((.*)\);\s*$")
FORMAT = re.compile(r"%\.(\d)([fE])")
COMMAND_TEXT = re.compile(r'"([A-Z]{2,}:[A-Z0-9:#, ]*[A-Z0-9]+ ?\??)"')
INT_LITERAL = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
FLIPS = [("TRUE", "FALSE"), ("FALSE", "TRUE"), ("BST_CHECKED", "BST_UNCHECKED"),
         ("BST_UNCHECKED", "BST_CHECKED")]


def candidates_in(path, rel):
    """Yields (kind, line number, original line, mutated line, what)."""
    with open(path, encoding="latin-1") as f:
        lines = f.read().split("\n")
    in_block_comment = False
    for n, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*") and "*/" not in stripped:
            in_block_comment = True
            continue
        if not stripped or COMMENT_LINE.match(line) or stripped.startswith("#"):
            continue
        code = code_part(line)

        # boundaries: < <= > >= in conditions (not << >> -> or template brackets)
        if CONDITION.search(code):
            for i in range(len(code)):
                for old, new in RELATIONAL:
                    if code.startswith(old, i) and not code.startswith(old + old[0], i):
                        before = code[i - 1] if i > 0 else " "
                        after = code[i + len(old)] if i + len(old) < len(code) else " "
                        if before in "<>-=!" or after in "<>=":
                            continue
                        if old in ("<", ">") and (before.isalpha() or after == ">" or before == "<"):
                            # template arguments and casts, not comparisons
                            if re.search(r"(cast|vector|std::\w+|array)\s*$", code[:i]):
                                continue
                        if len(old) == 1 and code.startswith(old + "=", i):
                            continue
                        yield ("boundary", n, line, line[:i] + new + line[i + len(old):],
                               "`%s` became `%s`" % (old, new))
                        break
            # negated conditions: == / != swapped
            for m in re.finditer(r"(==|!=)", code):
                i = m.start()
                new = "!=" if m.group(1) == "==" else "=="
                yield ("negation", n, line, line[:i] + new + line[i + 2:], "`%s` became `%s`" % (m.group(1), new))
            for m in re.finditer(r"(&&|\|\|)", code):
                i = m.start()
                new = "||" if m.group(1) == "&&" else "&&"
                yield ("negation", n, line, line[:i] + new + line[i + 2:], "`%s` became `%s`" % (m.group(1), new))
            m = re.search(r"\bif \((.*)\)\s*(\{)?\s*$", code)
            if m:
                a, b = m.span(1)
                yield ("negation", n, line, line[:a] + "!(" + line[a:b] + ")" + line[b:], "condition negated")

        # dropped calls: a whole statement that is one call
        m = CALL_STATEMENT.match(code)
        if m and not re.match(r"\s*(return|if|while|for|switch|case|delete|sizeof)\b", code):
            yield ("dropped call", n, line, m.group(1) + "(void)0; /* dropped */",
                   "call `%s(...)` dropped" % m.group(2))

        # changed constants: integer literals +1, flags flipped
        for m in INT_LITERAL.finditer(code):
            value = int(m.group(1))
            if re.search(r"\[\s*$", code[:m.start()]) and value > 64:
                continue  # array sizes: a buffer one larger changes nothing visible
            i, j = m.span(1)
            yield ("constant", n, line, line[:i] + str(value + 1) + line[j:],
                   "constant %d became %d" % (value, value + 1))
        for old, new in FLIPS:
            for m in re.finditer(r"\b%s\b" % old, code):
                i = m.start()
                yield ("constant", n, line, line[:i] + new + line[i + len(old):], "`%s` became `%s`" % (old, new))

        # formats: a display precision one less
        for s in STRING.finditer(line):
            for m in FORMAT.finditer(s.group(0)):
                digits = int(m.group(1))
                if digits == 0:
                    continue
                i = s.start() + m.start(1)
                yield ("format", n, line, line[:i] + str(digits - 1) + line[i + 1:],
                       "format `%%.%d%s` became `%%.%d%s`" % (digits, m.group(2), digits - 1, m.group(2)))

        # instrument command texts: one character less at the end
        for s in COMMAND_TEXT.finditer(line):
            text = s.group(1)
            i, j = s.span(1)
            yield ("command text", n, line, line[:i] + text[:-1] + line[j:],
                   'command "%s" became "%s"' % (text, text[:-1]))

        # swapped arguments: two adjacent plain arguments of a call
        for m in re.finditer(r"\b([A-Za-z_]\w*)\(([A-Za-z_][\w.]*|-?\d+(?:\.\d+)?), ([A-Za-z_][\w.]*|-?\d+(?:\.\d+)?)([,)])", code):
            a, b = m.group(2), m.group(3)
            if a == b:
                continue
            i, j = m.start(2), m.end(3)
            yield ("swapped arguments", n, line, line[:i] + b + ", " + a + line[j:],
                   "arguments `%s, %s` of `%s` swapped" % (a, b, m.group(1)))


def all_candidates(source):
    out = []
    for area in AREAS:
        folder = os.path.join(source, area)
        for name in sorted(os.listdir(folder)):
            if not name.endswith(".cpp"):
                continue
            rel = "%s/%s" % (area, name)
            if rel in NOT_IN_DLL:
                continue
            for kind, n, old, new, what in candidates_in(os.path.join(folder, name), rel):
                if old != new:
                    ident = hashlib.sha1(("%s|%s|%s" % (rel, old.strip(), new.strip())).encode()).hexdigest()[:8]
                    out.append(dict(id=ident, kind=kind, file=rel, line=n, old=old, new=new, what=what))
    # one mutant per identity (the same change on the same text), the first kept
    unique = {}
    for c in out:
        unique.setdefault(c["id"], c)
    return list(unique.values())


def draw(cands, seed):
    """Stable order: round-robin over the kinds, random within each."""
    rng = random.Random(seed)
    kinds = sorted({c["kind"] for c in cands})
    pools = {k: [c for c in cands if c["kind"] == k] for k in kinds}
    for k in kinds:
        rng.shuffle(pools[k])
    order = []
    while any(pools.values()):
        for k in kinds:
            if pools[k]:
                order.append(pools[k].pop())
    return order


def load_equivalents(path):
    table = {}
    if os.path.exists(path):
        for line in open(path, encoding="utf-8"):
            line = line.strip()
            if line and not line.startswith("#"):
                ident, _, reason = line.partition(" ")
                table[ident] = reason.strip()
    return table

# ---- running ------------------------------------------------------------

# The panel test suites that look at a dialog source first: most mutants are
# caught there in seconds; a survivor then runs everything.
FIRST = {
    "vacuum": "Vacuum.*", "vacuum_params": "VacuumParameters.*:SystemParameters.*",
    "plasma_rf": "PlasmaRf.*", "plasma_ignition": "PlasmaIgnition.*:SystemParameters.*",
    "qp": "QP.*", "analyser": "QP.*:Lenses.*:Detector.*:Octopole.*", "lenses": "Lenses.*",
    "lens_calibration": "LensCalibration.*", "octopole": "Octopole.*", "detector": "Detector.*",
    "gas": "Gas.*", "gas_offset": "Gas.*", "water": "Water.*", "chiller": "Chiller.*",
    "pumps": "PeriPump.*", "xyz": "XyzStage.*", "housing": "Housing.*",
    "frame": "Frame.*:PeriPump.*:Housing.*:SystemParameters.*",
}


def run(cmd, cwd, timeout):
    """Runs a command with its output in a file, not a pipe: Wine's server
    and a crash's debugger outlive the program and would hold a pipe open."""
    with tempfile.TemporaryFile() as log:
        try:
            rc = subprocess.run(cmd, cwd=cwd, stdout=log, stderr=subprocess.STDOUT, timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            rc = 124
        log.seek(0)
        return rc, log.read().decode("latin-1")


def failed_tests(output):
    names = re.findall(r"^\[  FAILED  \] (\w+\.\w+)", output, re.M)
    return sorted(set(names))


def code_hash(build, objcopy):
    """Hash of the DLL's code and data sections: equal for a change the
    compiler folded away, whatever the debug information says."""
    dll = os.path.join(build, "bin", "TORVEX2.dll")
    h = hashlib.sha256()
    for section in (".text", ".rdata", ".data", ".rsrc"):
        out = dll + ".section"
        if subprocess.run([objcopy, "-O", "binary", "--only-section=" + section, dll, out],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0 and os.path.exists(out):
            h.update(open(out, "rb").read())
            os.remove(out)
    return h.hexdigest()


def test_plan(mutant, with_reliability):
    stem = os.path.splitext(os.path.basename(mutant["file"]))[0]
    plan = [("spine_tests", [])]
    if mutant["file"].startswith("memory/"):
        plan.append(("memory_tests", []))
    if stem in FIRST:
        plan.append(("panel_tests", ["--gtest_filter=" + FIRST[stem]]))
    plan += [("panel_tests", []), ("memory_tests", []), ("host_tests", []), ("dll_layout", None), ("dll_ret", None)]
    if with_reliability:
        plan.append(("reliability_tests", []))
    # each program and filter once, at its first place
    steps = {}
    for program, args in plan:
        steps.setdefault((program, tuple(args or ())), (program, args))
    return list(steps.values())


# The portable sources also run natively under the sanitizers.
CORE = ("plugin/host_number.cpp", "plugin/format_slots.cpp", "link/decimal.cpp", "link/reply_field.cpp",
        "fields/numeric.cpp", "fields/paramdef_text.cpp", "memory/rom_format.cpp")


def run_tests(mutant, build, source, with_reliability):
    bin_dir = os.path.join(build, "bin")
    wine_run = os.path.join(source, "cmake", "wine-run.sh")
    native = build + "-native"
    if mutant["file"] in CORE and os.path.isdir(native):
        rc, out = run(["cmake", "--build", native, "-j2"], native, 900)
        if rc == 0:
            rc, out = run(["ctest", "--test-dir", native, "--output-on-failure"], native, 600)
        if rc != 0:
            names = failed_tests(out)
            return "native", ", ".join(names[:2]) if names else "(build or sanitizer)"
    for program, args in test_plan(mutant, with_reliability):
        if args is None:  # a CTest test that reads the DLL
            rc, out = run(["ctest", "--test-dir", build, "-R", "^%s$" % program], build, 600)
            if rc != 0:
                return program, ""
            continue
        # A mutant that hangs a panel is caught by the time-out: a few times
        # what the whole program takes unmutated.
        limit = 400 if program in ("panel_tests", "reliability_tests") else 120
        rc, out = run([wine_run, "./%s.exe" % program, "--gtest_brief=1", "--gtest_fail_fast"] + args, bin_dir, limit)
        if rc not in (0, 1):
            # A crash or a hang: end what Wine left running in this prefix
            # (the crash debugger among it) before the next program.
            env = dict(os.environ, WINEPREFIX=os.path.join(build, "wineprefix"))
            subprocess.run(["/usr/lib/wine/wineserver64", "-k"], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        if rc == 124:
            return program, "(timed out)"
        if rc != 0:
            names = failed_tests(out)
            return program, ", ".join(names[:2]) if names else "(crashed, status %d)" % rc
    return None, ""


def main():
    # Stopped from outside, the mutated file is still put back (finally).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    signal.signal(signal.SIGHUP, lambda *_: sys.exit(130))
    ap = argparse.ArgumentParser()
    ap.add_argument("command", choices=("list", "run"))
    ap.add_argument("--source", required=True)
    ap.add_argument("--build")
    ap.add_argument("--count", type=int, default=100)
    ap.add_argument("--seed", type=int, default=2026)
    ap.add_argument("--out", default="-")
    ap.add_argument("--only", default="")
    ap.add_argument("--objcopy", default="i686-w64-mingw32-objcopy")
    ap.add_argument("--with-reliability", action="store_true")
    a = ap.parse_args()
    source = os.path.abspath(a.source)

    cands = all_candidates(source)
    order = draw(cands, a.seed)
    if a.only:
        wanted = set(a.only.split(","))
        order = [c for c in order if c["id"] in wanted]
    if a.command == "list":
        for c in order:
            print("%s %-17s %s:%d  %s" % (c["id"], c["kind"], c["file"], c["line"], c["what"]))
        print("%d candidates" % len(order), file=sys.stderr)
        return 0

    build = os.path.abspath(a.build)
    equivalents = load_equivalents(os.path.join(HERE, "equivalent.txt"))
    out = sys.stdout if a.out == "-" else open(a.out, "w", encoding="utf-8")
    rc, log = run(["cmake", "--build", build, "-j2"], build, 1800)
    if rc != 0:
        print(log, file=sys.stderr)
        return 2
    baseline = code_hash(build, a.objcopy)
    failing = run_tests({"file": CORE[0]}, build, source, False)
    if failing[0] is not None:
        print("mutation: the unmutated suite fails (%s %s); fix it first" % failing, file=sys.stderr)
        return 2

    print("| # | mutant | where | planted fault | result | caught by |", file=out)
    print("|---|---|---|---|---|---|", file=out)
    out.flush()
    rows, killed, survived, equivalent, stillborn = 0, 0, 0, 0, 0
    started = time.time()
    for m in order:
        if rows >= a.count:
            break
        path = os.path.join(source, m["file"])
        text = open(path, encoding="latin-1").read()
        lines = text.split("\n")
        lines[m["line"] - 1] = m["new"]
        try:
            open(path, "w", encoding="latin-1").write("\n".join(lines))
            rc, log = run(["cmake", "--build", build, "-j2"], build, 1800)
            if rc != 0:
                stillborn += 1
                print("mutation: %s does not compile; drawn again" % m["id"], file=sys.stderr)
                continue
            rows += 1
            where = "`%s:%d`" % (m["file"], m["line"])
            if m["id"] in equivalents:
                result, by = "equivalent", equivalents[m["id"]]
                equivalent += 1
            elif code_hash(build, a.objcopy) == baseline:
                result, by = "equivalent", "the compiled code is identical"
                equivalent += 1
            else:
                program, detail = run_tests(m, build, source, a.with_reliability)
                if program:
                    result, by = "killed", "%s %s" % (program, detail)
                    killed += 1
                else:
                    result, by = "**survived**", ""
                    survived += 1
            print("| %d | %s | %s | %s (%s) | %s | %s |" % (rows, m["id"], where, m["what"], m["kind"], result, by.strip()),
                  file=out)
            out.flush()
            print("mutation: %d/%d %s %s %s" % (rows, a.count, m["id"], result, by), file=sys.stderr)
        finally:
            open(path, "w", encoding="latin-1").write(text)
    run(["cmake", "--build", build, "-j2"], build, 1800)
    counted = killed + survived
    score = 100.0 * killed / counted if counted else 0.0
    print("", file=out)
    print("Killed %d of %d non-equivalent mutants: **%.1f %%** (%d equivalent, %d that did not compile were drawn "
          "again; seed %d; %d s)." % (killed, counted, score, equivalent, stillborn, a.seed, time.time() - started),
          file=out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
