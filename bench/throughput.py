#!/usr/bin/python3
"""Batch throughput of tavrosine against the tools users would pick instead.

Makes a corpus with the project's own DDS writer, converts each set with tavrosine at its
defaults, ImageMagick's mogrify, a Pillow script and the libjpeg-turbo floor (cjpeg on PPM
files of the same pixels, two jobs at once, prepared outside the timing), alternating the
tools over several runs, and prints median wall times, ratios, files per second and peak
memory. Usage: bench/throughput.py BUILD_DIR WORK_DIR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import time

SETS = [  # name, count, size, format, alpha
    ("dxt1-1024", 40, 1024, "dxt1", False),
    ("dxt5-1024", 40, 1024, "dxt5", True),
    ("dxt5-4096", 10, 4096, "dxt5", True),
    ("bgra-2048", 10, 2048, "bgra", True),
]

PILLOW_SCRIPT = """
import sys, os
from PIL import Image
out = sys.argv[1]
for path in sys.argv[2:]:
    name = os.path.splitext(os.path.basename(path))[0] + ".jpg"
    Image.open(path).convert("RGB").save(os.path.join(out, name), quality=95, subsampling=0)
"""


def run(command, cwd=None):
    subprocess.run(command, cwd=cwd, check=True, stdout=subprocess.DEVNULL)


def timed(command):
    """Wall seconds and peak resident memory (MiB) of the command and its children."""
    start = time.perf_counter()
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, check=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    seconds = time.perf_counter() - start
    peak_kib = int(result.stderr.strip().splitlines()[-1])
    return seconds, peak_kib / 1024


def make_corpus(build, work):
    make_dds = os.path.join(build, "bin", "make_dds")
    for name, count, size, fmt, alpha in SETS:
        folder = os.path.join(work, "corpus", name)
        ppm_folder = os.path.join(work, "ppm", name)
        if os.path.isdir(folder) and len(os.listdir(folder)) == count:
            continue
        shutil.rmtree(folder, ignore_errors=True)
        shutil.rmtree(ppm_folder, ignore_errors=True)
        os.makedirs(folder)
        os.makedirs(ppm_folder)
        for i in range(count):
            path = os.path.join(folder, f"{name}-{i:03}.dds")
            args = [make_dds, "--format", fmt, "--size", f"{size}x{size}", "--seed", str(i + 1)]
            run(args + (["--alpha"] if alpha else []) + [path])
            # The floor's input: the same pixels, decoded outside the timing.
            run(["convert", path, "-alpha", "off", os.path.join(ppm_folder, f"{name}-{i:03}.ppm")])


def tools(build, work, name):
    corpus = os.path.join(work, "corpus", name)
    files = sorted(os.path.join(corpus, f) for f in os.listdir(corpus))
    ppms = sorted(os.path.join(work, "ppm", name, f) for f in os.listdir(os.path.join(work, "ppm", name)))
    out = os.path.join(work, "out")
    tavrosine = os.path.join(build, "bin", "tavrosine")
    cjpeg_jobs = "xargs -P2 -I{} sh -c 'cjpeg -quality 95 -sample 1x1 -outfile " + out + \
                 "/$(basename {} .ppm).jpg {}'"
    return {
        "tavrosine": [tavrosine, "-q", "-i", corpus + "/", "-o", out],
        "tavrosine-1thread": [tavrosine, "-q", "-i", corpus + "/", "-o", out, "--threads=1"],
        "mogrify": ["mogrify", "-path", out, "-format", "jpg", "-quality", "95",
                    "-sampling-factor", "1x1"] + files,
        "pillow": ["/usr/bin/python3", "-c", PILLOW_SCRIPT, out] + files,
        "cjpeg-floor": ["sh", "-c", "printf '%s\\n' " + " ".join(ppms) + " | " + cjpeg_jobs],
    }


def main():
    build, work = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    make_corpus(build, work)
    out = os.path.join(work, "out")
    print(f"{runs} alternating runs per tool; median wall time; ratio = tool time / tavrosine time")
    print(f"{'set':<10} {'tool':<18} {'seconds':>8} {'ratio':>7} {'files/s':>8} {'peak MiB':>9}")
    for name, count, *_ in SETS:
        commands = tools(build, work, name)
        samples = {tool: [] for tool in commands}
        peaks = {tool: 0.0 for tool in commands}
        for _ in range(runs):
            for tool, command in commands.items():
                shutil.rmtree(out, ignore_errors=True)
                os.makedirs(out)
                seconds, peak = timed(command)
                samples[tool].append(seconds)
                peaks[tool] = max(peaks[tool], peak)
        ours = statistics.median(samples["tavrosine"])
        for tool in commands:
            median = statistics.median(samples[tool])
            print(f"{name:<10} {tool:<18} {median:8.3f} {median / ours:7.2f} "
                  f"{count / median:8.1f} {peaks[tool]:9.1f}")
    shutil.rmtree(out, ignore_errors=True)


if __name__ == "__main__":
    main()
