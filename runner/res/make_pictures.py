#!/usr/bin/env python3
"""Draws the declaration window's pictures with ImageMagick.

Every picture is drawn four times larger than its target and reduced with an
area filter, once for 96 DPI (scale 1) and once for 144 DPI (scale 1.5), and
written as a 32-bit BMP with alpha. The numbering is the window's image list:
1-10 eye frames, 11/12 back/forward disabled, 13/14 back/forward enabled,
15 accept enabled, 16 accept disabled, 17-19 speaker normal/hover/speaking,
20 accept pressed, 21 decline pressed, 22 decline released; 30 is the
background overlay and 31 the logo.

Run from anywhere: python3 runner/res/make_pictures.py [preview-folder]
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "pictures")
SUPER = 4
FONT = "DejaVu-Sans-Bold"

NAVY = "#1F3A5F"
BLUE = "#2F80C8"
GREEN = "#1E8E4E"
GREEN_DARK = "#15703C"
GREY = "#B8BEC6"
GREY_TEXT = "#EEF0F2"
SLATE = "#3A4452"
LINE = "#8A94A3"


class Canvas:
    """Collects draw operations in target pixels at 96 DPI."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.layers = []  # (ops, blur-shadow?) drawn in order

    def ops(self, scale):
        return [(op(scale), kind) for op, kind in self.layers]

    def add(self, func, kind="draw"):
        self.layers.append((func, kind))


def k(value, scale):
    return "%.2f" % (value * scale * SUPER)


def pt(x, y, s):
    return "%s,%s" % (k(x, s), k(y, s))


def render(canvas, path, scale):
    w = int(round(canvas.width * scale))
    h = int(round(canvas.height * scale))
    big_w, big_h = w * SUPER, h * SUPER
    cmd = ["convert", "-size", "%dx%d" % (big_w, big_h), "xc:none"]
    for ops, kind in canvas.ops(scale):
        if kind == "shadow":
            cmd += ["(", "-size", "%dx%d" % (big_w, big_h), "xc:none"] + ops + [
                "-channel", "A", "-blur", "0x%d" % (3 * SUPER * scale), "+channel",
                "-channel", "A", "-evaluate", "multiply", "0.35", "+channel",
                ")", "-compose", "over", "-composite"]
        elif kind == "masked":
            # ops = (mask ops, content ops): content kept only inside the mask.
            mask, content = ops
            cmd += ["(", "-size", "%dx%d" % (big_w, big_h), "xc:none"] + content + [
                "(", "-size", "%dx%d" % (big_w, big_h), "xc:none"] + mask + [")",
                "-compose", "DstIn", "-composite", ")", "-compose", "over", "-composite"]
        else:
            cmd += ops
    cmd += ["-filter", "Box", "-resize", "%dx%d!" % (w, h),
            "-define", "bmp:format=bmp4", "-type", "TrueColorAlpha", "BMP:" + path]
    subprocess.run(cmd, check=True)


def draw(*parts):
    return ["-draw", "stroke-linecap round stroke-linejoin round " + " ".join(parts)]


# --- eye ------------------------------------------------------------------

def almond(s, lid=1.0):
    """The eye's outline; lid < 1 lowers the upper lid."""
    top = 20 - 17 * lid
    bottom = 20 + 17 * min(1.0, lid + 0.2)
    return "path 'M %s C %s %s %s C %s %s %s Z'" % (
        pt(5, 20, s), pt(18, top, s), pt(42, top, s), pt(55, 20, s),
        pt(42, bottom, s), pt(18, bottom, s), pt(5, 20, s))


def eye(dx, lid=1.0):
    c = Canvas(60, 40)
    if lid <= 0:
        c.add(lambda s: ["-fill", "none", "-stroke", NAVY, "-strokewidth", k(2.6, s),
                         "-draw", "path 'M %s C %s %s %s'" % (
                             pt(6, 19, s), pt(18, 29, s), pt(42, 29, s), pt(54, 19, s))] +
              sum([draw("line", pt(x, y, s), pt(x + dx2, y + 5, s))
                   for x, y, dx2 in ((16, 24.5, -2), (24, 26.5, -1), (30, 27, 0),
                                     (36, 26.5, 1), (44, 24.5, 2))], []))
        return c
    c.add(lambda s: ["-fill", "black", "-stroke", "none", "-draw", almond(s, lid)], "shadow")
    c.add(lambda s: ["-fill", "white", "-stroke", "none", "-draw", almond(s, lid)])
    cx = 30 + dx
    c.add(lambda s: ((["-fill", "white", "-stroke", "none", "-draw", almond(s, lid)]),
                     (["-stroke", "none", "-fill", BLUE] + draw("circle", pt(cx, 20, s), pt(cx + 9.5, 20, s)) +
                      ["-fill", "#5FA2DE"] + draw("circle", pt(cx, 20, s), pt(cx + 6.5, 20, s)) +
                      ["-fill", "#10253F"] + draw("circle", pt(cx, 20, s), pt(cx + 4, 20, s)) +
                      ["-fill", "white"] + draw("circle", pt(cx + 2.6, 17.4, s), pt(cx + 4.2, 17.4, s)))),
          "masked")
    c.add(lambda s: ["-fill", "none", "-stroke", NAVY, "-strokewidth", k(2.6, s),
                     "-draw", almond(s, lid)])
    return c


# --- history buttons --------------------------------------------------------

def history(forward, enabled):
    c = Canvas(40, 40)
    fill = NAVY if enabled else "#C9CED6"
    arrow = "white" if enabled else "#F4F5F7"
    if enabled:
        c.add(lambda s: ["-fill", "black"] + draw("circle", pt(20, 21, s), pt(20, 38, s)), "shadow")
    c.add(lambda s: ["-fill", fill, "-stroke", "white", "-strokewidth", k(2, s)] +
          draw("circle", pt(20, 20, s), pt(20, 37, s)))

    def arrow_ops(s):
        def x(v):
            return 40 - v if forward else v
        return (["-fill", "none", "-stroke", arrow, "-strokewidth", k(3.4, s)] +
                draw("line", pt(x(28), 20, s), pt(x(13), 20, s)) +
                draw("polyline", pt(x(20), 12.5, s), pt(x(12.5), 20, s), pt(x(20), 27.5, s)))
    c.add(arrow_ops)
    return c


# --- accept and decline -----------------------------------------------------

def pill(fill, stroke=None, offset=0.0, shadow=True):
    def ops(s):
        o = ["-fill", fill]
        o += ["-stroke", stroke, "-strokewidth", k(1.5, s)] if stroke else ["-stroke", "none"]
        return o + draw("roundrectangle", pt(2, 1.5 + offset, s), pt(98, 30 + offset, s),
                        pt(8, 8, s))
    layers = []
    if shadow:
        layers.append((lambda s: ["-fill", "black"] + draw(
            "roundrectangle", pt(3, 3, s), pt(97, 32, s), pt(8, 8, s)), "shadow"))
    layers.append((ops, "draw"))
    return layers


def check_icon(colour, offset):
    return lambda s: (["-fill", "none", "-stroke", colour, "-strokewidth", k(3, s)] +
                      draw("polyline", pt(12, 16 + offset, s), pt(16.5, 20.5 + offset, s),
                           pt(24.5, 11 + offset, s)))


def cross_icon(colour, offset):
    return lambda s: (["-fill", "none", "-stroke", colour, "-strokewidth", k(3, s)] +
                      draw("line", pt(13, 11.5 + offset, s), pt(21, 19.5 + offset, s)) +
                      draw("line", pt(21, 11.5 + offset, s), pt(13, 19.5 + offset, s)))


def label(text, colour, offset):
    return lambda s: ["-fill", colour, "-stroke", "none", "-font", FONT,
                      "-pointsize", k(12.5, s), "-gravity", "NorthWest",
                      "-annotate", "+%s+%s" % (k(31, s), k(7.5 + offset, s)), text]


def button(text, fill, text_colour, icon, stroke=None, pressed=False):
    c = Canvas(100, 34)
    offset = 1.0 if pressed else 0.0
    for func, kind in pill(fill, stroke, offset, shadow=not pressed):
        c.add(func, kind)
    c.add(icon(text_colour, offset))
    c.add(label(text, text_colour, offset))
    return c


# --- speaker ----------------------------------------------------------------

def speaker(state):
    c = Canvas(64, 64)
    fill = {"normal": "white", "hover": "#E3EEF9", "speaking": BLUE}[state]
    glyph = "white" if state == "speaking" else NAVY
    ring = BLUE if state == "hover" else "white"
    c.add(lambda s: ["-fill", "black"] + draw("circle", pt(32, 33.5, s), pt(32, 61, s)), "shadow")
    c.add(lambda s: ["-fill", fill, "-stroke", ring, "-strokewidth", k(2.5, s)] +
          draw("circle", pt(32, 32, s), pt(32, 60, s)))
    c.add(lambda s: ["-fill", glyph, "-stroke", glyph, "-strokewidth", k(1.5, s)] +
          draw("polygon", pt(15, 26, s), pt(22, 26, s), pt(31, 18, s), pt(31, 46, s),
               pt(22, 38, s), pt(15, 38, s)))
    waves = {"normal": 0, "hover": 1, "speaking": 2}[state]
    for i in range(waves):
        r = 7 + 7 * i

        def wave(s, r=r):
            return (["-fill", "none", "-stroke", glyph, "-strokewidth", k(3, s)] +
                    draw("arc", pt(35 - r, 32 - r, s), pt(35 + r, 32 + r, s), "-50,50"))
        c.add(wave)
    return c


# --- logo and background ----------------------------------------------------

def logo():
    c = Canvas(40, 40)
    c.add(lambda s: ["-fill", "black"] + draw("roundrectangle", pt(2, 3, s), pt(38, 39, s),
                                              pt(8, 8, s)), "shadow")
    c.add(lambda s: ["-fill", NAVY, "-stroke", "white", "-strokewidth", k(1.5, s)] +
          draw("roundrectangle", pt(2, 1.5, s), pt(38, 37.5, s), pt(8, 8, s)))
    c.add(lambda s: ["-fill", "white", "-stroke", "none"] +
          draw("path 'M %s L %s L %s C %s %s %s C %s %s %s Z'" % (
              pt(20, 7.5, s), pt(30, 11, s), pt(30, 19, s), pt(30, 26, s), pt(25, 30, s),
              pt(20, 32.5, s), pt(15, 30, s), pt(10, 26, s), pt(10, 19, s))) +
          draw("path 'M %s L %s Z'" % (pt(10, 19, s), pt(10, 11, s))) +
          draw("polygon", pt(10, 11, s), pt(20, 7.5, s), pt(20, 12, s), pt(10, 19, s)))
    c.add(lambda s: ["-fill", "none", "-stroke", GREEN, "-strokewidth", k(2.8, s)] +
          draw("polyline", pt(15, 19.5, s), pt(19, 23.5, s), pt(26, 15, s)))
    return c


def background(path, scale):
    w, h = int(384 * scale), int(216 * scale)
    # A soft vignette and a faint light from the upper left, over the colour.
    subprocess.run([
        "convert", "-size", "%dx%d" % (w, h), "xc:black",
        "(", "-size", "%dx%d" % (int(w * 1.5), int(h * 1.9)), "radial-gradient:black-white",
        "-gravity", "center", "-crop", "%dx%d+0+0" % (w, h), "+repage",
        "-evaluate", "pow", "1.6", "-evaluate", "multiply", "0.55", ")",
        "-alpha", "off", "-compose", "CopyOpacity", "-composite",
        "(", "-size", "%dx%d" % (w, h), "xc:white",
        "(", "-size", "%dx%d" % (w * 2, h * 2), "radial-gradient:white-black",
        "+gravity", "-crop", "%dx%d+%d+%d" % (w, h, w, h), "+repage",
        "-evaluate", "pow", "2.2", "-evaluate", "multiply", "0.22", ")",
        "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")",
        "-compose", "over", "-composite",
        "-define", "bmp:format=bmp4", "-type", "TrueColorAlpha", "BMP:" + path], check=True)


def pictures():
    p = {}
    frames = [0, -4, -8, -4, 0, 4, 8, 4]
    for i, dx in enumerate(frames, start=1):
        p[i] = ("eye%02d" % i, eye(dx))
    p[9] = ("eye09", eye(0, 0.45))
    p[10] = ("eye10", eye(0, 0.0))
    p[11] = ("back_disabled", history(False, False))
    p[12] = ("forward_disabled", history(True, False))
    p[13] = ("back_enabled", history(False, True))
    p[14] = ("forward_enabled", history(True, True))
    p[15] = ("accept_enabled", button("Accept", GREEN, "white", check_icon))
    p[16] = ("accept_disabled", button("Accept", GREY, GREY_TEXT, check_icon))
    p[17] = ("speaker_normal", speaker("normal"))
    p[18] = ("speaker_hover", speaker("hover"))
    p[19] = ("speaker_speaking", speaker("speaking"))
    p[20] = ("accept_pressed", button("Accept", GREEN_DARK, "white", check_icon, pressed=True))
    p[21] = ("decline_pressed", button("Decline", "#DDE2E8", SLATE, cross_icon, LINE, pressed=True))
    p[22] = ("decline_released", button("Decline", "white", SLATE, cross_icon, LINE))
    p[31] = ("logo", logo())
    return p


def main():
    preview = sys.argv[1] if len(sys.argv) > 1 else None
    for folder, scale in (("96", 1.0), ("144", 1.5)):
        os.makedirs(os.path.join(OUT, folder), exist_ok=True)
        for number, (name, canvas) in sorted(pictures().items()):
            path = os.path.join(OUT, folder, "%02d_%s.bmp" % (number, name))
            render(canvas, path, scale)
    # The overlay is soft enough that one size stretches well to any screen.
    background(os.path.join(OUT, "30_background.bmp"), 320 / 384)
    if preview:
        os.makedirs(preview, exist_ok=True)
        for folder in ("96", "144"):
            files = sorted(os.listdir(os.path.join(OUT, folder)))
            subprocess.run(["montage", "-background", "#C0392B", "-geometry", "+8+8",
                            "-tile", "8x"] + [os.path.join(OUT, folder, f) for f in files
                                              ] +
                           [os.path.join(preview, "pictures_%s.png" % folder)], check=True)
        subprocess.run(["convert", "-size", "640x360", "xc:#C0392B",
                        os.path.join(OUT, "30_background.bmp"), "-resize", "640x360!",
                        "-compose", "over", "-composite",
                        os.path.join(preview, "background.png")], check=True)


if __name__ == "__main__":
    main()
