#!/usr/bin/env python3
"""Times a full check, `validador-cli check --hash NAME`, against digesting the same eight
files alone with a reference program, for each of the ten algorithms, alternating the runs,
and prints for each the median ratio check / reference (1.0: the check costs what the digest
alone costs) and the check's peak resident memory.

References: `openssl dgst` (MD4 through its legacy provider), and for RIPEMD-128, Tiger and
HAVAL, which it lacks, `validador-cli hash` on the same files.
With --before PATH, an older validador-cli is timed beside, for a before/after table.
With --verify, `validador-cli verify` of the checked delivery (HASHV.txt written by one check
first) is timed in place of the check.

Usage: bench/check-vs-digest.py [--build build] [--runs 3] [--size 1024]
                               [--algorithms md5,sha1,...] [--before OLD_CLI]
                               [--work /tmp/validador-bench] [--errors FILE.jsonl] [--verify]
"""
import argparse
import os
import pathlib
import statistics
import subprocess

from benchlib import BANK, CASE, ROOT, delivery, parallel_capacity, timed

ALGORITHMS = ["md4", "md5", "ripemd128", "ripemd160", "sha1", "sha256", "sha384", "sha512",
              "tiger", "haval"]


def reference(cli, name, files):
    if name == "md4":
        return ["openssl", "dgst", "-provider", "legacy", "-provider", "default", "-md4", *files]
    if name in ("md5", "ripemd160", "sha1", "sha256", "sha384", "sha512"):
        return ["openssl", "dgst", f"-{name}", *files]
    return [cli, "hash", "--hash", name, *files]


def label(argv):
    return "validador-cli hash" if argv[1] == "hash" else " ".join(argv[:2])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--size", type=int, default=1024)
    parser.add_argument("--algorithms", default=",".join(ALGORITHMS))
    parser.add_argument("--before", help="an older validador-cli to time beside")
    parser.add_argument("--errors", help="also write the error listing to this file")
    parser.add_argument("--work", default="/tmp/validador-bench")
    parser.add_argument("--verify", action="store_true", help="time verify instead of check")
    args = parser.parse_args()
    build = pathlib.Path(args.build)
    work = pathlib.Path(args.work)
    work.mkdir(parents=True, exist_ok=True)
    cli = str(build / "src" / "cli" / "validador-cli")

    folder, files = delivery(build, work, args.size)
    total = sum(os.path.getsize(f) for f in files) / 2**20
    print(f"delivery {total:.0f} MiB, {args.runs} alternating runs, {os.cpu_count()} processors, "
          f"{parallel_capacity():.2f} processors' worth of work available")
    what = "verify" if args.verify else "check"
    header = (f"| algorithm | reference | {what} s | reference s | {what} / reference | "
              "peak RSS MiB |")
    if args.before:
        header += " before s | before / reference |"
    print(header)
    print("|" + "---|" * (header.count("|") - 1))
    for name in args.algorithms.split(","):
        check = [cli, "check", str(folder), "--case", CASE, "--bank", BANK, "--hash", name]
        if args.errors:
            check += ["--errors", args.errors]
        if args.verify:
            subprocess.run(check + ["--manifest"], stdout=subprocess.DEVNULL, check=True)
            check = [cli, "verify", str(folder), "--hash", name]
        ref = reference(cli, name, files)
        before = [args.before, *check[1:9]] if args.before and not args.verify else None
        ours, theirs, old, peaks = [], [], [], []
        for _ in range(args.runs):
            seconds, peak = timed(check)
            ours.append(seconds)
            peaks.append(peak)
            theirs.append(timed(ref)[0])
            if before:
                old.append(timed(before)[0])
        ratio = statistics.median(o / t for o, t in zip(ours, theirs))
        row = (f"| {name} | {label(ref)} | {statistics.median(ours):.2f} | "
               f"{statistics.median(theirs):.2f} | {ratio:.2f} | {max(peaks):.1f} |")
        if before:
            before_ratio = statistics.median(o / t for o, t in zip(old, theirs))
            row += f" {statistics.median(old):.2f} | {before_ratio:.2f} |"
        print(row, flush=True)


if __name__ == "__main__":
    main()
