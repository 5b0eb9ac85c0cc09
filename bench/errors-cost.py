#!/usr/bin/env python3
"""The cost of the full error listing: `validador-cli check` with `--errors` against the same
check without it, on a generated delivery with one bad line in a hundred, alternating the
runs; prints the median ratio (with / without; 1.0: the listing costs nothing) and the peak
resident memory of each.

Usage: bench/errors-cost.py [--build build] [--runs 3] [--size 1024] [--hash md5]
                            [--max-errors 1000] [--work /tmp/validador-bench]
"""
import argparse
import os
import pathlib
import statistics
import subprocess
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
BANK, CASE = "987", "2024.0042-7"


def timed(argv):
    start = time.perf_counter()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):
        raise SystemExit(f"{argv[1]} exited {code}")
    return time.perf_counter() - start, usage.ru_maxrss / 1024.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--size", type=int, default=1024)
    parser.add_argument("--hash", default="md5")
    parser.add_argument("--max-errors", default="1000")
    parser.add_argument("--work", default="/tmp/validador-bench")
    args = parser.parse_args()
    build = pathlib.Path(args.build)
    work = pathlib.Path(args.work)
    work.mkdir(parents=True, exist_ok=True)
    folder = work / f"entrega-{args.size}mb-falhas"
    if not (folder / "I_IDENTIFICA_DADOS.txt").exists():
        subprocess.run([str(build / "bench" / "gerador_entrega"), str(folder), str(args.size), BANK,
                        CASE, "1"], check=True)
    files = [str(p) for p in folder.iterdir()]
    subprocess.run(["cat", *files], stdout=subprocess.DEVNULL, check=True)  # warm the cache
    cli = str(build / "src" / "cli" / "validador-cli")
    check = [cli, "check", str(folder), "--case", CASE, "--bank", BANK, "--hash", args.hash]
    listing = work / "erros.jsonl"
    with_listing = check + ["--errors", str(listing), "--max-errors", args.max_errors]
    plain, listed, plain_peak, listed_peak = [], [], [], []
    for _ in range(args.runs):
        seconds, peak = timed(check)
        plain.append(seconds)
        plain_peak.append(peak)
        seconds, peak = timed(with_listing)
        listed.append(seconds)
        listed_peak.append(peak)
    ratio = statistics.median(w / p for w, p in zip(listed, plain))
    rows = sum(1 for _ in open(listing, encoding="utf-8"))
    print(f"delivery {args.size} MiB, 1 bad line in 100, --hash {args.hash}, {args.runs} runs: "
          f"check {statistics.median(plain):.2f} s ({max(plain_peak):.1f} MiB), "
          f"with --errors {statistics.median(listed):.2f} s ({max(listed_peak):.1f} MiB), "
          f"ratio {ratio:.2f}; listing of {rows} lines")


if __name__ == "__main__":
    main()
