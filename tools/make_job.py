#!/usr/bin/env python3
"""Writes a generated job in the part data text format: random star-shaped parts, some with holes.

Usage: make_job.py PARTS OUTPUT [--seed N] [--types T] [--width W]
The same arguments always give the same file.
"""
import argparse
import math
import random


def star_polygon(rng, vertices, r_min, r_max):
    # Angular gaps below 120 degrees keep every edge at least r_min / 2 from the centre.
    while True:
        cuts = sorted(rng.uniform(0, 2 * math.pi) for _ in range(vertices))
        gaps = [(cuts[(i + 1) % vertices] - cuts[i]) % (2 * math.pi) for i in range(vertices)]
        if max(gaps) < math.radians(120):
            break
    return [(round(rng.uniform(r_min, r_max) * math.cos(a), 3), round(rng.uniform(r_min, r_max) * math.sin(a), 3))
            for a in cuts]


def regular_polygon(vertices, radius):
    return [(round(radius * math.cos(2 * math.pi * k / vertices), 3), round(radius * math.sin(2 * math.pi * k / vertices), 3))
            for k in range(vertices)]


def area(points):
    return abs(sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]))) / 2


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("parts", type=int)
    parser.add_argument("output")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--types", type=int, default=0, help="part types (default: parts / 10)")
    parser.add_argument("--width", type=float, default=2000.0)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    types = args.types or max(1, args.parts // 10)
    counts = [args.parts // types + (1 if i < args.parts % types else 0) for i in range(types)]
    blocks, total_area = [], 0.0
    for t, count in enumerate(counts):
        r_min = rng.uniform(10, 30)
        outer = star_polygon(rng, rng.randint(20, 60), r_min, r_min * rng.uniform(1.2, 2.5))
        holes = [regular_polygon(rng.randint(6, 16), r_min * 0.3)] if rng.random() < 0.25 else []
        total_area += count * (area(outer) - sum(area(h) for h in holes))
        lines = ["Part", "Name", f"gen_{t}", "PartNumOfSameType", str(count), "OutLoop"]
        lines += [f"{x:g},{y:g}" for x, y in outer] + ["EndOutLoop"]
        for hole in holes:
            lines += ["InnerLoop"] + [f"{x:g},{y:g}" for x, y in hole] + ["EndInnerLoop"]
        blocks.append("\n".join(lines + ["EndPart"]))
    length = math.ceil(3 * total_area / args.width)
    with open(args.output, "w", newline="\n") as out:
        out.write(f"BoardLength: {length}\nBoardWidth: {args.width:g}\nThickness   : 10\n")
        out.write("\n".join(blocks) + "\n")


if __name__ == "__main__":
    main()
