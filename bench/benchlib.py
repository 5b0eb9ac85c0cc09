"""What the benchmark scripts share: timing a program, and the generated deliveries."""
import os
import pathlib
import subprocess
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
