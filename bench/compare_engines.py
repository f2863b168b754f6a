#!/usr/bin/env python3
"""Runs the packing-point run with both engines on every benchmark job and a generated large job.

For each job it runs `orvanest-batch JOB --engine fast|literal --json --dxf --report` in a process of its
own, checks that both engines wrote byte-identical layout DXF files and reports, and prints the packing
time of each engine, their ratio and each run's peak memory (maximum resident set size).

Usage: compare_engines.py BATCH_TOOL [--jobs DIR] [--generated N] [--only NAME ...] [--skip-literal-over S]
"""
import argparse
import json
import pathlib
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent


def run(tool, job, engine, workdir):
    dxf = workdir / f"{engine}.dxf"
    report = workdir / f"{engine}.txt"
    memory = workdir / f"{engine}.rss"
    # GNU time measures the peak from a small process of its own: a child forked from this script would
    # count this script's memory as its own peak.
    args = ["/usr/bin/time", "-f", "%M", "-o", str(memory), tool, str(job), "--engine", engine, "--json", "--dxf",
            str(dxf), "--report", str(report)]
    completed = subprocess.run(args, cwd=workdir, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    if completed.returncode != 0:
        raise RuntimeError(f"{job.name} ({engine}) exited with status {completed.returncode}")
    summary = json.loads(completed.stdout)
    peak = int(memory.read_text().split()[-1]) / 1024.0
    return summary, peak, dxf.read_bytes() + report.read_bytes()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--jobs", default=str(HERE.parent.parent / "shared" / "data" / "esicup"))
    parser.add_argument("--generated", type=int, default=1000, help="parts of the generated job (0: none)")
    parser.add_argument("--only", nargs="*", default=[])
    args = parser.parse_args()
    args.tool = str(pathlib.Path(args.tool).resolve())
    jobs = sorted(pathlib.Path(args.jobs).glob("*.txt"))
    if args.only:
        jobs = [j for j in jobs if j.stem in args.only]
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        if args.generated:
            generated = scratch / f"generated{args.generated}.txt"
            subprocess.run([sys.executable, str(HERE.parent / "tools" / "make_job.py"), str(args.generated),
                            str(generated)], check=True)
            jobs.append(generated)
        print(f"{'job':<16}{'parts':>6}{'placed':>7}{'density':>9}{'literal s':>11}{'fast s':>9}{'ratio':>8}"
              f"{'literal MiB':>12}{'fast MiB':>10}  output")
        different = 0
        for job in jobs:
            results = {}
            for engine in ("literal", "fast"):
                workdir = scratch / job.stem / engine
                workdir.mkdir(parents=True)
                results[engine] = run(args.tool, job, engine, workdir)
            (lit, lit_mem, lit_out), (fast, fast_mem, fast_out) = results["literal"], results["fast"]
            same = lit_out == fast_out
            different += not same
            ratio = lit["seconds"] / fast["seconds"] if fast["seconds"] > 0 else float("inf")
            print(f"{job.stem:<16}{fast['parts']:>6}{fast['placed']:>7}{fast['density'] * 100:>8.2f}%"
                  f"{lit['seconds']:>11.3f}{fast['seconds']:>9.3f}{ratio:>8.1f}{lit_mem:>12.1f}{fast_mem:>10.1f}"
                  f"  {'identical' if same else 'DIFFERENT'}", flush=True)
        return 1 if different else 0


if __name__ == "__main__":
    sys.exit(main())
