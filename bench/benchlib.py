"""What the benchmark scripts share: timing a program, and the generated deliveries."""
import os
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
BANK, CASE = "987", "2024.0042-7"


def timed(argv, allowed=(0, 1)):
    """Runs argv with stdout discarded; returns (wall seconds, peak RSS in MiB)."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in allowed:
        raise SystemExit(f"{' '.join(argv[:2])} exited {code}")
    return elapsed, usage.ru_maxrss / 1024.0


def delivery(build, work, size_mb, faults_per_hundred=0):
    """The generated delivery of that size (made once, then kept), its files in the cache."""
    suffix = f"-falhas{faults_per_hundred}" if faults_per_hundred else ""
    folder = pathlib.Path(work) / f"entrega-{size_mb}mb{suffix}"
    if not (folder / "I_IDENTIFICA_DADOS.txt").exists():
        subprocess.run([str(pathlib.Path(build) / "bench" / "gerador_entrega"), str(folder),
                        str(size_mb), BANK, CASE, str(faults_per_hundred)], check=True)
    files = sorted(str(p) for p in folder.iterdir() if p.name != "HASHV.txt")
    subprocess.run(["cat", *files], stdout=subprocess.DEVNULL, check=True)
    return folder, files


def parallel_capacity():
    """How many processors' worth of work the machine gives right now: a busy loop run on
    every processor at once against the same loop alone (2.0 on two free cores; less when
    the cores are shared with other work or are two threads of one core)."""
    loop = [sys.executable, "-c", "sum(range(30_000_000))"]
    alone = timed(loop)[0]
    count = os.cpu_count() or 1
    start = time.perf_counter()
    procs = [subprocess.Popen(loop) for _ in range(count)]
    for proc in procs:
        proc.wait()
    together = time.perf_counter() - start
    return count * alone / together
