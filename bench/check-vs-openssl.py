#!/usr/bin/env python3
"""Times `validador-cli check --hash md5` over a generated delivery against
`openssl dgst -md5` over the same eight files, alternating runs, and prints the
median time ratio (ours / OpenSSL) and the checker's peak resident memory, for
a small and a large delivery so that memory can be seen to stay flat.

Usage: bench/check-vs-openssl.py [--build build] [--runs 5] [--sizes 64,1024]
                                 [--work /tmp/validador-bench]
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
    """Runs argv with stdout discarded; returns (seconds, peak RSS in MiB)."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        raise SystemExit(f"{argv[0]} exited {code}")
    return elapsed, usage.ru_maxrss / 1024.0


def delivery(build, work, size_mb):
    folder = work / f"entrega-{size_mb}mb"
    if not (folder / "I_IDENTIFICA_DADOS.txt").exists():
        subprocess.run([str(build / "bench" / "gerador_entrega"), str(folder), str(size_mb), BANK,
                        CASE], check=True)
    return folder


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="64,1024")
    parser.add_argument("--work", default="/tmp/validador-bench")
    args = parser.parse_args()
    build = pathlib.Path(args.build)
    work = pathlib.Path(args.work)
    work.mkdir(parents=True, exist_ok=True)
    cli = str(build / "src" / "cli" / "validador-cli")

    for size in (int(s) for s in args.sizes.split(",")):
        folder = delivery(build, work, size)
        files = sorted(str(p) for p in folder.iterdir() if p.name != "HASHV.txt")
        total = sum(os.path.getsize(f) for f in files) / 2**20
        subprocess.run(["cat", *files], stdout=subprocess.DEVNULL, check=True)  # warm the cache
        ours_cmd = [cli, "check", str(folder), "--case", CASE, "--bank", BANK, "--hash", "md5"]
        theirs_cmd = ["openssl", "dgst", "-md5", *files]
        ours, theirs, peaks = [], [], []
        for _ in range(args.runs):
            seconds, peak = timed(ours_cmd)
            ours.append(seconds)
            peaks.append(peak)
            theirs.append(timed(theirs_cmd)[0])
        ratio = statistics.median(o / t for o, t in zip(ours, theirs))
        print(f"delivery {total:.0f} MiB: check {statistics.median(ours):.2f} s, "
              f"openssl md5 {statistics.median(theirs):.2f} s, "
              f"ratio ours/openssl {ratio:.2f} (goal <= 1.2), peak RSS {max(peaks):.1f} MiB")
        run_bench = build / "bench" / "record_run_bench"
        for letter, name in (("E", "E_EXTRATO_BANCARIO.txt"), ("O", "O_ORIGEM_DESTINO_RECURSOS.txt")):
            subprocess.run([str(run_bench), str(folder / name), letter, "3"], check=True)


if __name__ == "__main__":
    main()
