#!/usr/bin/env python3
"""The cost of the full error listing: `validador-cli check` with `--errors` against the same
check without it, on a generated delivery with one bad line in a hundred, alternating the
runs; prints the median ratio (with / without; 1.0: the listing costs nothing) and the peak
resident memory of each.

Usage: bench/errors-cost.py [--build build] [--runs 3] [--size 1024] [--hash md5]
                            [--max-errors 1000] [--work /tmp/validador-bench]
"""
import argparse
import pathlib
import statistics

from benchlib import BANK, CASE, ROOT, delivery, timed


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
    folder, _ = delivery(build, work, args.size, faults_per_hundred=1)
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
