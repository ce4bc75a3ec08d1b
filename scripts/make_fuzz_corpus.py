#!/usr/bin/env python3
"""Writes the starting corpus of the design reader fuzzer into tests/fuzz/corpus/design_reader/.

Every input is built here or by our own clockdesign tool: small bitmap files of each depth and
header kind, clock design files packed from ini sources that use them, a stamped player, and
an ini source. Run after a native build:  scripts/make_fuzz_corpus.py [build/native/bin]
"""
import os
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "tests", "fuzz", "corpus", "design_reader")
BIN = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "native", "bin")
TOOL = os.path.join(BIN, "clockdesign")


def bmp(width, height, bpp, rows, header=40, compression=0, extra=b"", clr_used=0):
    """A bitmap file: file header, info (or core) header, palette/masks, raw rows."""
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bpp)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bpp, compression,
                           len(rows), 2835, 2835, clr_used, 0)
        info += bytes(header - 40)
    offset = 14 + len(info) + len(extra)
    body = info + extra + rows
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def quads(*colours):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)


BITMAPS = {
    "bmp24_bottom_up": bmp(3, 2, 24, bytes([0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,
                                            255, 0, 255, 255, 0, 255, 1, 2, 3, 0, 0, 0])),
    "bmp24_top_down": bmp(2, -2, 24, bytes([0, 0, 255, 0, 255, 0, 0, 0,
                                            255, 0, 255, 9, 9, 9, 0, 0])),
    "bmp32": bmp(2, 1, 32, bytes([1, 2, 3, 255, 4, 5, 6, 0])),
    "bmp16_555": bmp(2, 1, 16, struct.pack("<HH", 0x7C00, 0x001F)),
    "bmp16_565": bmp(2, 1, 16, struct.pack("<HH", 0xF800, 0x07E0), compression=3,
                     extra=struct.pack("<III", 0xF800, 0x07E0, 0x001F)),
    "bmp8_short_palette": bmp(3, 1, 8, bytes([0, 1, 5, 0]), clr_used=2,
                              extra=quads((255, 0, 255), (20, 40, 60))),
    "bmp4": bmp(3, 2, 4, bytes([0x12, 0x00, 0, 0, 0x21, 0x00, 0, 0]), clr_used=3,
                extra=quads((255, 0, 255), (0, 128, 0), (0, 0, 255))),
    "bmp1": bmp(9, 2, 1, bytes([0xAA, 0x80, 0, 0, 0x55, 0x00, 0, 0]),
                extra=quads((255, 0, 255), (255, 255, 255))),
    "bmp_core_header": bmp(2, 1, 8, bytes([1, 0, 0, 0]), header=12,
                           extra=bytes([255, 0, 255, 0, 0, 0])),
    "bmp_v5_bitfields": bmp(1, 1, 32, struct.pack("<I", 0x00C0B0A0), header=124,
                            compression=3),
}

INI = """[Header]
ClockName=Corpus Clock
Author=Fuzz
Email=a@b.c
WebSite=https://example.org
{magic}
[Clock]
Face={face}
{face_ext}
TransColor=#FF00FF
CutShape=1
FaceWidth=3
FaceHeight=2
AlphaValue=220
LedWordWidth=17
LedWordHeight=29
LedThick=3
LedLightColor=#7CF7D4
[Alert]
Sound=sound.wav
AlertPosition=dapBottomRight
UseDuration=1
DurationSeconds=10
[MessageFont]
Name=Tahoma
Style=bold italic
[HeaderFont]
Name=MS Sans Serif
Size=8
"""


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in BITMAPS.items():
        with open(os.path.join(OUT, name + ".bmp"), "wb") as f:
            f.write(data)
    with tempfile.TemporaryDirectory() as tmp:
        with open(os.path.join(tmp, "sound.wav"), "wb") as f:
            f.write(b"RIFF\x04\x00\x00\x00WAVE")
        designs = [
            ("design_bmp24", "bmp24_bottom_up", "", ""),
            ("design_bmp8", "bmp8_short_palette", "", ""),
            ("design_bmp16", "bmp16_565", "", ""),
            ("design_movie", "bmp1", "FaceExt=.SWF", ""),
            ("design_wrong_magic", "bmp32", "", "Magic=ZQX"),
        ]
        for out, face, face_ext, magic in designs:
            face_path = os.path.join(tmp, face + ".bmp")
            with open(face_path, "wb") as f:
                f.write(BITMAPS[face])
            ini = os.path.join(tmp, out + ".ini")
            with open(ini, "w") as f:
                f.write(INI.format(face=face + ".bmp", face_ext=face_ext, magic=magic))
            subprocess.run([TOOL, "pack", ini, os.path.join(OUT, out + ".clk")], check=True)
        with open(os.path.join(OUT, "design_source.ini"), "w") as f:
            f.write(INI.format(face="", face_ext="FaceSize=12", magic="")
                    .replace("Face=\n", "").replace("Sound=sound.wav\n", "SoundSize=4\n"))
        player = os.path.join(tmp, "player.exe")
        with open(player, "wb") as f:
            f.write(b"MZ" + bytes(30))
        subprocess.run([TOOL, "stamp", player, "Corpus Clock.clk",
                        os.path.join(OUT, "stamped_player.exe")], check=True)


if __name__ == "__main__":
    main()
