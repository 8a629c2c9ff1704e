#!/usr/bin/env python3
# Draws the race horse's pictures: six frames of the gallop, one standing and four of the trot,
# written as horse_gallop1..6.svg, horse_stand.svg and horse_trot1..4.svg beside this script.
#
# Every frame is the same horse: its legs are drawn from joint angles, the body, neck and head
# are the shapes of the first race horse, moved and tilted as the stride lifts and drops them.
# The lane's colours (coat, the far legs' shade, mane and tail, the jockey's silks and the stripe
# on them) are classes of the <style> element, filled in with lane 1's colours; the game swaps
# that element and the saddle cloth's number (the <text id="number">) for each lane when it
# loads a frame. Run it again after changing a pose: python3 horse_frames.py
import math
import os

GROUND = 86.0  # where a planted hoof's centre stands
LANE_ONE = (".coat{fill:#8b5a2b}.coatline{stroke:#8b5a2b}.shadeline{stroke:#6b4220}.shade{fill:#6b4220}"
            ".mane{fill:#2b1a0c}.silks{fill:#d62828}.silksline{stroke:#d62828}.stripe{stroke:#ffffff}")

# Where each leg leaves the body, in the body's own coordinates, and its three lengths
# (forearm or gaskin, cannon, pastern).
LEGS = {
    "near_fore": ((69.0, 57.0), (14.0, 11.5, 4.5)),
    "far_fore": ((73.0, 55.0), (14.0, 11.5, 4.5)),
    "near_hind": ((37.0, 57.0), (15.0, 11.0, 4.5)),
    "far_hind": ((33.0, 55.5), (15.0, 11.0, 4.5)),
}


def f(v):
    s = f"{v:.1f}"
    return "0.0" if s == "-0.0" else s


class Matrix:
    def __init__(self, a=1.0, b=0.0, c=0.0, d=1.0, e=0.0, g=0.0):
        self.m = (a, b, c, d, e, g)

    @staticmethod
    def rotation(deg, cx, cy):
        r = math.radians(deg)
        cos, sin = math.cos(r), math.sin(r)
        return Matrix(cos, sin, -sin, cos, cx - cos * cx + sin * cy, cy - sin * cx - cos * cy)

    @staticmethod
    def translation(dx, dy):
        return Matrix(1, 0, 0, 1, dx, dy)

    def then(self, other):  # this transform, then `other`
        a, b, c, d, e, g = self.m
        A, B, C, D, E, G = other.m
        return Matrix(A * a + C * b, B * a + D * b, A * c + C * d, B * c + D * d, A * e + C * g + E, B * e + D * g + G)

    def map(self, x, y):
        a, b, c, d, e, g = self.m
        return a * x + c * y + e, b * x + d * y + g

    def svg(self):
        return "matrix(" + " ".join(f"{v:.4f}" for v in self.m) + ")"


def smooth(points, closed=True):
    """A path through the points, rounded with Catmull-Rom curves."""
    n = len(points)
    out = [f"M {f(points[0][0])} {f(points[0][1])}"]
    last = n if closed else n - 1
    for i in range(last):
        p0 = points[(i - 1) % n] if closed or i > 0 else points[i]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else points[(i + 1) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        out.append(f"C {f(c1[0])} {f(c1[1])} {f(c2[0])} {f(c2[1])} {f(p2[0])} {f(p2[1])}")
    return " ".join(out) + (" Z" if closed else "")


def strand(root, heading, length, width, bend, tip=0.6, steps=7):
    """A tapering lock of hair from `root`, `heading` degrees from the +x axis (clockwise, as
    the picture's y runs down), curling by `bend` degrees over its length."""
    left, right = [], []
    x, y = root
    for i in range(steps + 1):
        t = i / steps
        a = math.radians(heading + bend * t)
        w = width * (1 - t) + tip * t
        nx, ny = -math.sin(a), math.cos(a)
        left.append((x + nx * w / 2, y + ny * w / 2))
        right.append((x - nx * w / 2, y - ny * w / 2))
        x += math.cos(a) * length / steps
        y += math.sin(a) * length / steps
    return smooth(left + [(x, y)] + right[::-1])


def leg(attach, lengths, angles):
    """The joints of a leg from its top down; angles in degrees from straight down, forward positive."""
    points = [attach]
    x, y = attach
    for length, angle in zip(lengths, angles):
        r = math.radians(angle)
        x += math.sin(r) * length
        y += math.cos(r) * length
        points.append((x, y))
    return points


def draw_leg(points, near):
    top, knee, fetlock, hoof = points
    cls_fill, cls_line = ("coat", "coatline") if near else ("shade", "shadeline")
    w_top, w_knee = (7.0, 4.2) if near else (6.4, 3.8)
    dx, dy = knee[0] - top[0], knee[1] - top[1]
    n = math.hypot(dx, dy) or 1
    nx, ny = -dy / n, dx / n
    upper = [(top[0] + nx * w_top / 2, top[1] + ny * w_top / 2), (knee[0] + nx * w_knee / 2, knee[1] + ny * w_knee / 2),
             (knee[0] - nx * w_knee / 2, knee[1] - ny * w_knee / 2), (top[0] - nx * w_top / 2, top[1] - ny * w_top / 2)]
    lower = " ".join(f"{c} {f(px)} {f(py)}" for c, (px, py) in zip("MLL", (knee, fetlock, hoof)))
    return (f'<g class="{cls_fill}"><path d="M {f(upper[0][0])} {f(upper[0][1])} L {f(upper[1][0])} {f(upper[1][1])} '
            f'L {f(upper[2][0])} {f(upper[2][1])} L {f(upper[3][0])} {f(upper[3][1])} Z"/>'
            f'<circle cx="{f(knee[0])}" cy="{f(knee[1])}" r="{f(w_knee / 2)}"/></g>\n'
            f'<g class="{cls_line}"><path d="{lower}" fill="none" stroke-width="{3.4 if near else 3.1}" '
            f'stroke-linecap="round" stroke-linejoin="round"/></g>\n'
            f'<circle cx="{f(hoof[0])}" cy="{f(hoof[1])}" r="{2.7 if near else 2.5}" fill="#1a1a1a"/>\n')


# A pose: each leg's three angles and whether its hoof is on the ground; the neck's tilt
# (positive lowers the head); the tail's heading (degrees below the horizontal, pointing back)
# and swing; the mane's lift; how far the body is lifted off the ground when no hoof is down.
def pose(legs, neck, tail, tail_swing, mane, lift=0.0, jockey=0.0):
    return {"legs": legs, "neck": neck, "tail": tail, "tail_swing": tail_swing, "mane": mane, "lift": lift,
            "jockey": jockey}


P = True  # planted
GALLOP = [
    # 1 The far hind lands under the belly, the near hind reaching down behind it; the forelegs,
    #   folded from the suspension, swing forward.
    pose({"far_hind": (18, 6, 40, P), "near_hind": (26, 22, 5, False),
          "far_fore": (6, -70, -100, False), "near_fore": (22, -50, -80, False)},
         neck=-3, tail=32, tail_swing=8, mane=0.0),
    # 2 Both hinds down, the far one pushing; the forelegs reach out.
    pose({"far_hind": (-22, -6, 30, P), "near_hind": (8, 2, 40, P),
          "far_fore": (48, 20, 5, False), "near_fore": (38, -35, -70, False)},
         neck=-5, tail=22, tail_swing=-4, mane=1.0),
    # 3 The diagonal: the near hind pushes off as the far fore lands well forward; the near fore reaches.
    pose({"far_hind": (-40, -45, -75, False), "near_hind": (-24, -12, 30, P),
          "far_fore": (14, 10, 45, P), "near_fore": (62, 52, 35, False)},
         neck=0, tail=14, tail_swing=-8, mane=2.0),
    # 4 Stretched out: the near (leading) fore lands ahead, the far fore under the chest, the hinds trail.
    pose({"far_hind": (-42, -80, -105, False), "near_hind": (-48, -62, -85, False),
          "far_fore": (-8, -6, 38, P), "near_fore": (30, 26, 50, P)},
         neck=5, tail=10, tail_swing=6, mane=3.0),
    # 5 The leading fore alone carries the horse; the far fore folds back and the hinds swing through.
    pose({"far_hind": (-30, 55, 25, False), "near_hind": (-40, 45, 15, False),
          "far_fore": (-30, -85, -120, False), "near_fore": (-12, -14, 30, P)},
         neck=4, tail=20, tail_swing=10, mane=2.0),
    # 6 In the air: all four legs gathered under the belly.
    pose({"far_hind": (8, 62, 40, False), "near_hind": (18, 72, 45, False),
          "far_fore": (10, -80, -110, False), "near_fore": (-10, -95, -130, False)},
         neck=1, tail=28, tail_swing=12, mane=1.0, lift=7.0),
]

STAND = pose({"far_hind": (-14, 4, 32, P), "near_hind": (-18, 2, 32, P),
              "far_fore": (3, 3, 30, P), "near_fore": (-2, -2, 30, P)},
             neck=-9, tail=72, tail_swing=0, mane=-1.0, jockey=-14)

TROT = [
    # The diagonal pairs take turns: near fore with far hind, far fore with near hind.
    pose({"near_fore": (-4, -4, 32, P), "far_hind": (-16, 2, 32, P),
          "far_fore": (34, -40, -70, False), "near_hind": (8, 34, 10, False)},
         neck=-7, tail=55, tail_swing=6, mane=0.0, jockey=-8),
    pose({"near_fore": (-18, -16, 24, P), "far_hind": (-30, -12, 24, P),
          "far_fore": (22, 6, -10, False), "near_hind": (4, 14, 10, False)},
         neck=-6, tail=58, tail_swing=2, mane=0.5, jockey=-10),
    pose({"far_fore": (-4, -4, 32, P), "near_hind": (-16, 2, 32, P),
          "near_fore": (34, -40, -70, False), "far_hind": (8, 34, 10, False)},
         neck=-7, tail=55, tail_swing=-6, mane=0.0, jockey=-8),
    pose({"far_fore": (-18, -16, 24, P), "near_hind": (-30, -12, 24, P),
          "near_fore": (22, 6, -10, False), "far_hind": (4, 14, 10, False)},
         neck=-6, tail=58, tail_swing=-2, mane=0.5, jockey=-10),
]

BODY = "M 30 44 C 34 36 62 34 74 40 C 81 44 81 56 72 60 C 60 65 40 65 32 60 C 24 56 24 48 30 44 Z"
NECK = "M 67 43 C 72 34 79 26 85 19 L 94 24 C 90 33 86 44 78 55 Z"
HEAD = "M 84 18 C 87 12 94 11 98 17 L 106 29 C 108 33 104 36 100 35 L 92 31 C 88 28 85 24 84 18 Z"
EAR = "M 88 15 L 90 7 L 93 14 Z"
MANE_BAND = "M 69 41 C 75 31 81 23 86 15 L 89 18 C 84 25 78 33 73 43 Z"
WITHERS = (72.0, 44.0)  # the neck tilts about here
BIT = (99.0, 27.0)


def frame(p, phase):
    legs = p["legs"]
    # Lift the body until the lowest planted hoof stands on the ground.
    def placed(dy):
        body = Matrix.translation(0, dy)
        return {name: leg(body.map(*LEGS[name][0]), LEGS[name][1], legs[name][:3]) for name in legs}
    planted = [name for name in legs if legs[name][3]]
    if planted:
        probe = placed(0.0)
        dy = GROUND - max(probe[name][-1][1] for name in planted)
    else:
        probe = placed(0.0)
        dy = GROUND - max(pts[-1][1] for pts in probe.values()) - p["lift"]
    body = Matrix.translation(0, dy)
    joints = placed(dy)
    neck = Matrix.rotation(p["neck"], *WITHERS).then(body)

    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="110" height="94" viewBox="0 0 110 94">',
           f'<style type="text/css">{LANE_ONE}</style>']
    airborne = not planted
    out.append(f'<ellipse cx="52" cy="88" rx="{30 if airborne else 34}" ry="3.2" fill="#000" '
               f'fill-opacity="{0.12 if airborne else 0.18}"/>')
    out += [draw_leg(joints["far_hind"], False).rstrip(), draw_leg(joints["far_fore"], False).rstrip()]

    # The tail streams back from the croup, waving as the stride goes round.
    root = body.map(29.5, 46.0)
    heading = 180 - p["tail"]
    sway = p["tail_swing"]
    tail = [strand(root, heading - 8, 20, 7.5, 18 + sway, 3.5),
            strand(root, heading + 4, 24, 6.5, 10 + sway * 1.4, 1.2),
            strand(root, heading + 14, 19, 5.0, -6 + sway * 1.8, 0.8)]
    out.append('<g class="mane">' + "".join(f'<path d="{d}"/>' for d in tail) + "</g>")

    out.append(f'<g transform="{body.svg()}"><g class="coat"><path d="{BODY}"/></g></g>')
    out.append(f'<g transform="{neck.svg()}">')
    out.append(f'<g class="coat"><path d="{NECK}"/><path d="{HEAD}"/><path d="{EAR}"/></g>')
    # The mane: the band along the crest and locks that fly back from it.
    locks = []
    for i in range(5):
        t = (i + 0.5) / 5
        x, y = 71 + (87 - 71) * t, 40 - (40 - 16) * t
        if p["mane"] < 0:
            heading, bend, length = 150, 40, 5.0  # lying on the neck
        else:
            wave = math.sin(phase * 2 * math.pi + i * 1.3)
            heading, bend, length = 178 - 3 * p["mane"] + 8 * wave, 18 + 10 * wave, 4.5 + 0.6 * p["mane"]
        locks.append(strand((x, y), heading, length, 2.6, bend, 0.4, 5))
    out.append(f'<g class="mane"><path d="{MANE_BAND}"/>' + "".join(f'<path d="{d}"/>' for d in locks) + "</g>")
    out.append('<circle cx="94.5" cy="20" r="1.3" fill="#111"/>')
    out.append('<circle cx="104" cy="31" r="0.9" fill="#111"/>')
    out.append('<path d="M 91 15 L 99 31 M 96 24 L 104 33" stroke="#222" stroke-width="1" fill="none"/>')
    out.append("</g>")

    out += [draw_leg(joints["near_hind"], True).rstrip(), draw_leg(joints["near_fore"], True).rstrip()]

    # The saddle cloth and the jockey: the legs in the stirrups go with the horse; the body leans
    # forward over the withers at the gallop and sits up at a stand.
    out.append(f'<g transform="{body.svg()}">')
    out.append('<rect x="37" y="38" width="16" height="14" rx="2" fill="#ffffff" stroke="#333" stroke-width="0.6"/>')
    out.append('<text id="number" x="45" y="49" font-family="sans-serif" font-size="11" font-weight="bold" '
               'text-anchor="middle" fill="#111">1</text>')
    out.append('<path d="M 55 33 L 62 43" stroke="#f4f4f4" stroke-width="4.5" stroke-linecap="round"/>')
    out.append('<path d="M 62 43 L 58 48" stroke="#111" stroke-width="4" stroke-linecap="round"/>')
    out.append("</g>")
    rider = Matrix.rotation(p["jockey"], 53.0, 34.0).then(body)
    hand = rider.map(77.5, 31.5)
    bit = neck.map(*BIT)
    out.append(f'<path d="M {f(hand[0])} {f(hand[1])} L {f(bit[0])} {f(bit[1])}" stroke="#3a2410" stroke-width="0.9"/>')
    out.append(f'<g transform="{rider.svg()}">')
    out.append('<g class="silks"><path d="M 49 31 C 51 24 59 19 66 21 L 69 27 C 64 32 58 35 53 36 Z" '
               'stroke="#222" stroke-width="0.6"/></g>')
    out.append('<g class="stripe"><path d="M 55 26 L 66 23" stroke-width="2" stroke-linecap="round" opacity="0.85"/></g>')
    out.append('<g class="silksline"><path d="M 64 25 L 76 31" stroke-width="4" stroke-linecap="round"/></g>')
    out.append('<circle cx="77.5" cy="31.5" r="1.8" fill="#f1c27d"/>')
    out.append('<circle cx="70" cy="17" r="4.4" fill="#f1c27d"/>')
    out.append('<g class="silks"><path d="M 65.4 16.6 A 4.7 4.7 0 0 1 74.6 15.8 L 77.5 16.8 L 65.4 16.8 Z" '
               'stroke="#222" stroke-width="0.5"/></g>')
    out.append("</g>")
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = {f"horse_gallop{i + 1}.svg": frame(p, i / len(GALLOP)) for i, p in enumerate(GALLOP)}
    pictures["horse_stand.svg"] = frame(STAND, 0.0)
    pictures.update({f"horse_trot{i + 1}.svg": frame(p, i / len(TROT)) for i, p in enumerate(TROT)})
    for name, text in pictures.items():
        with open(os.path.join(here, name), "w", encoding="ascii", newline="\n") as out:
            out.write(text)


if __name__ == "__main__":
    main()
