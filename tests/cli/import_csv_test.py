#!/usr/bin/env python3
"""fenlo-cli import-csv: what it writes, what it says, and that a failure writes nothing.

    import_csv_test.py FENLO-CLI SAMPLE.fnl WORK-DIR
"""
import os
import subprocess
import sys

cli, sample, work = sys.argv[1:4]
os.makedirs(work, exist_ok=True)
# Backups of replaced files go to a folder of this test's own.
env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "data"), XDG_RUNTIME_DIR=work)
failures = []
checks = 0


def check(condition, what):
    global checks
    checks += 1
    if not condition:
        failures.append(what)


def run(*args):
    result = subprocess.run([cli, *args], capture_output=True, env=env)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8")


def path(name):
    return os.path.join(work, name)


def write(name, data):
    with open(path(name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))
    return path(name)


def info(book):
    status, out, err = run("info", book)
    check(status == 0, f"info {book}: {err}")
    return out


for name in os.listdir(work):
    if name.endswith(".fnl"):
        os.remove(path(name))

# The program's own export comes back whole, and into the logbook it came from adds nothing.
status, _, err = run("csv", sample, path("sample.csv"))
check(status == 0, f"csv: {err}")
status, out, err = run("import-csv", path("sample.csv"), path("copy.fnl"))
check(status == 0, f"import-csv: {err}")
fuelings = [line for line in info(sample).splitlines() if line.startswith("給油データ")]
check(fuelings and fuelings[0] in info(path("copy.fnl")), "the copy has another number of fuelings")
count = fuelings[0].split(": ")[1] if fuelings else "?"
check(out.startswith(f"給油データを {count} 件読み込みました。\n"), f"summary: {out!r}")
status, _, err = run("csv", path("copy.fnl"), path("again.csv"))
with open(path("sample.csv"), "rb") as a, open(path("again.csv"), "rb") as b:
    check(a.read() == b.read(), "the export of the imported copy differs from the original's")
status, out, err = run("import-csv", path("sample.csv"), path("same.fnl"), "--into", sample)
check(status == 0 and f"既にあるため、{count} 件を読み込みませんでした" in out, f"--into: {out!r} {err}")
check(out.startswith("給油データを 0 件読み込みました。"), f"--into: {out!r}")

# Headers of another language named with --map, days first, miles and US gallons.
write("other.csv", "Datum;Strecke;Menge;Tankstelle\n06.05.2024 14:35;100;10;Aral\n")
status, out, err = run("import-csv", path("other.csv"), path("other.fnl"), "--map", "date=Datum",
                       "--map", "trip=Strecke", "--map", "litres=Menge", "--map", "maker=tankstelle",
                       "--date-order", "dmy", "--miles", "--gallons")
check(status == 0, f"--map: {err}")
check("最初の給油: 2024/05/06" in info(path("other.fnl")), "--map: the date")
status, report, _ = run("report", "list", path("other.fnl"))
check("160.9" in report and "37.9" in report and "Aral" in report, f"--miles --gallons: {report}")

# Failures: a message, status 1, and the file named to be written is left as it was.
write("keep.fnl", open(sample, "rb").read())
before = open(path("keep.fnl"), "rb").read()
write("picture.csv", b"\x89PNG\r\n\x1a\n\0\0\0\rIHDR")
write("empty.csv", "")
write("nodate.csv", "litres,trip\n30,300\n")
write("bad.csv", "date,litres\n2024/01/01,30\n2024/02/30,30\n")
cases = [
    ([path("missing.csv")], "ファイルが見つかりません"),
    ([path("picture.csv")], "このファイルは CSV ファイルではありません"),
    ([path("empty.csv")], "ファイルが空です"),
    ([path("nodate.csv")], "日付の列が見つかりません"),
    ([path("bad.csv")], "3 行目: 日付「2024/02/30」を読めません"),
    ([path("other.csv"), "--map", "date=Tag"], "見出し「Tag」がファイルにありません"),
    ([path("other.csv"), "--map", "weather=Datum"], "項目「weather」はありません"),
    ([path("sample.csv"), "--into", path("missing.fnl")], "ファイルが見つかりません"),
]
for args, message in cases:
    status, out, err = run("import-csv", args[0], path("keep.fnl"), *args[1:])
    check(status == 1 and message in err and out == "", f"{args}: {status} {out!r} {err!r}")
    check(open(path("keep.fnl"), "rb").read() == before, f"{args}: the output file changed")
    status, _, _ = run("import-csv", args[0], path("new.fnl"), *args[1:])
    check(not os.path.exists(path("new.fnl")), f"{args}: a file was written")

for args in (["--date-order", "ydm"], ["--map"], []):
    status, _, err = run("import-csv", path("other.csv"), *(["x.fnl"] if args else []), *args)
    check(status == 2 and "usage" in err, f"{args}: status {status}")

for failure in failures:
    print("FAIL:", failure)
print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
