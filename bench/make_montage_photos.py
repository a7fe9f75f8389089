#!/usr/bin/env python3
"""Makes the photographs of bench_montage into a folder of the build tree.

    make_montage_photos.py OUTDIR

OUTDIR/tiles     500 distinct JPEG crops of 2-3 megapixels
OUTDIR/mp12      100 JPEGs of 4000 x 3000 (12 MP), for the memory comparison
OUTDIR/mp1       100 JPEGs of 1155 x 866 (1 MP): the same regions, smaller
OUTDIR/target.jpg  a photograph brought to 4000 x 3000

The crops are cut with a fixed seed from the photographs of Debian's
mate-backgrounds and plasma-workspace-wallpapers (each wallpaper at its
largest size), so every machine gets the same set. A source smaller than a
crop is enlarged first. Nothing is written into the repository.
"""
import glob
import os
import random
import shutil
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

TILES = 500
LARGE = 100
SEED = 20261210
CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"


def size_of(path):
    out = subprocess.run(["identify", "-format", "%w %h", path + "[0]"], capture_output=True, text=True)
    try:
        w, h = out.stdout.split()[:2]
        return int(w), int(h)
    except ValueError:
        return 0, 0


def sources():
    found = []
    for path in sorted(glob.glob("/usr/share/backgrounds/mate/*/*.jpg")):
        found.append(path)
    # A plasma wallpaper folder holds one picture at many sizes: take the largest.
    for folder in sorted(glob.glob("/usr/share/wallpapers/*/contents/images")):
        best, area = None, 0
        for path in glob.glob(folder + "/*.jpg") + glob.glob(folder + "/*.png"):
            name = os.path.splitext(os.path.basename(path))[0]
            try:
                w, h = (int(v) for v in name.split("x"))
            except ValueError:
                continue
            if w * h > area:
                best, area = path, w * h
        if best:
            found.append(best)
    return found


def crop_group(source, crops):
    """crops: (out path, region width, region height, x fraction, y fraction, output size or None)."""
    w, h = size_of(source)
    if not w or not h:
        return
    args = [CONVERT, source]
    for out, cw, ch, fx, fy, size in crops:
        step = ["(", "+clone"]
        # Enlarged only when the source is smaller than the region: resizing
        # a whole wallpaper is what takes the time.
        factor = max(1.0, cw / w, ch / h)
        sw, sh = w, h
        if factor > 1.0:
            sw, sh = int(w * factor + 0.999), int(h * factor + 0.999)
            step += ["-resize", f"{sw}x{sh}!"]
        step += ["-crop", f"{cw}x{ch}+{int((sw - cw) * fx)}+{int((sh - ch) * fy)}", "+repage"]
        if size:
            step += ["-resize", f"{size[0]}x{size[1]}!"]
        args += step + ["-quality", "90", "-write", out, "+delete", ")"]
    args.append("null:")
    subprocess.run(args, check=True)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    outdir = sys.argv[1]
    stamp = os.path.join(outdir, "complete")
    if os.path.exists(stamp):
        return
    work = outdir + ".part"
    shutil.rmtree(work, ignore_errors=True)
    for sub in ("tiles", "mp12", "mp1"):
        os.makedirs(os.path.join(work, sub))
    photos = sources()
    if len(photos) < 10:
        sys.exit("install mate-backgrounds and plasma-workspace-wallpapers")

    rng = random.Random(SEED)
    groups = {}
    for i in range(TILES):
        area = rng.uniform(2.0e6, 3.0e6)
        aspect = rng.uniform(0.6, 1.8)
        cw = int((area * aspect) ** 0.5)
        ch = int(area / cw)
        crop = (os.path.join(work, "tiles", f"tile-{i:03d}.jpg"), cw, ch, rng.random(), rng.random(), None)
        groups.setdefault(rng.choice(photos), []).append(crop)
    # The same 100 regions at 12 MP and at 1 MP, from the largest sources.
    large = [p for p in photos if min(size_of(p)) >= 2800] or photos
    for i in range(LARGE):
        source = rng.choice(large)
        fx, fy = rng.random(), rng.random()
        groups.setdefault(source, []).append(
            (os.path.join(work, "mp12", f"large-{i:03d}.jpg"), 4000, 3000, fx, fy, None))
        groups.setdefault(source, []).append(
            (os.path.join(work, "mp1", f"small-{i:03d}.jpg"), 4000, 3000, fx, fy, (1155, 866)))
    with ThreadPoolExecutor(max_workers=3) as pool:
        list(pool.map(lambda item: crop_group(*item), groups.items()))

    target = "/usr/share/backgrounds/mate/nature/LadyBird.jpg"
    subprocess.run([CONVERT, target, "-resize", "4000x3000^", "-gravity", "center", "-extent", "4000x3000",
                    "-quality", "92", os.path.join(work, "target.jpg")], check=True)
    open(os.path.join(work, "complete"), "w").close()
    shutil.rmtree(outdir, ignore_errors=True)
    os.rename(work, outdir)


if __name__ == "__main__":
    main()
