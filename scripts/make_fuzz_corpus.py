#!/usr/bin/env python3
"""Writes the starting corpora of the fuzzers into tests/fuzz/corpus/NAME/.

Every input is built here or by our own tools (clockdesign, alarmtool, skinart, skinpack):
small bitmap files of each depth and header kind, clock design files packed from ini sources
that use them, a stamped player, ini sources, alarm stores, the default skin's pictures and
its stored value, small movies and locale values. Run after a native build:
    scripts/make_fuzz_corpus.py [build/native/bin]
"""
import os
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "tests", "fuzz", "corpus")
OUT = os.path.join(CORPUS, "design_reader")
BIN = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "native", "bin")
TOOL = os.path.join(BIN, "clockdesign")


def write(harness, name, data):
    folder = os.path.join(CORPUS, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())


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


def design_sources():
    """Design files (design_file) and the ini sources that name files (design_ini)."""
    for name in sorted(os.listdir(OUT)):
        if name.endswith(".clk"):
            with open(os.path.join(OUT, name), "rb") as f:
                write("design_file", name, f.read())
    write("design_ini", "files.ini", INI.format(face="face.bmp", face_ext="", magic="")
          .replace("sound.wav", "ring.wav"))
    write("design_ini", "movie.ini", "[Clock]\nFace=empty.bin\nFaceExt=.swf\n"
          "[Alert]\nSound=ring.wav\nSoundName=ring.wav\n")
    write("design_ini", "sizes.ini", "[Clock]\nFace=face.bmp\nFaceSize=3\n[Alert]\nSoundSize=9\n")


def alarm_stores():
    """Stores made by alarmtool, one alarm of every type."""
    tool = os.path.join(BIN, "alarmtool")
    with tempfile.TemporaryDirectory() as tmp:
        store = os.path.join(tmp, "Alarm.sav")
        for args in (["--type", "once", "--time", "07:30", "--date", "2026-12-31"],
                     ["--type", "daily", "--time", "00:00", "--todo", "line\nbreak"],
                     ["--type", "weekly", "--time", "23:59", "--weekday", "saturday"],
                     ["--type", "monthly", "--time", "12:00", "--date", "2026-01-31"],
                     ["--type", "yearly", "--time", "06:15", "--date", "2024-02-29"]):
            subprocess.run([tool, "add", store, "--title", "T" + args[1]] + args, check=True,
                           stdout=subprocess.DEVNULL)
        with open(store, "rb") as f:
            write("alarm_store", "every_type.sav", f.read())


def skin_inputs():
    """The default skin's pictures, drawn by skinart, in the order its definitions name them
    (skin_load), and the stored value of the packed skin (skin_stream)."""
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "src")
        subprocess.run([os.path.join(BIN, "skinart"), src], check=True, stdout=subprocess.DEVNULL)
        ini_path = os.path.join(ROOT, "assets", "skin", "Default.ini")
        with open(ini_path, "rb") as f:
            ini = f.read()
        with open(os.path.join(src, "Default.ini"), "wb") as f:
            f.write(ini)
        names = []
        for line in ini.decode("latin-1").splitlines():
            if "=" in line and line.strip().lower().endswith(".bmp"):
                names.append(line.split("=", 1)[1].strip())
        pictures = []
        for name in names:
            path = os.path.join(src, name)
            pictures.append(open(path, "rb").read() if os.path.exists(path) else b"")
        write("skin_load", "default_pictures.bin", b"|#|".join(pictures))
        write("skin_load", "cut_pictures.bin", b"|#|".join(p[:len(p) // 2] for p in pictures))
        skin = os.path.join(tmp, "Default.skin")
        value = os.path.join(tmp, "SkinStream.bin")
        subprocess.run([os.path.join(BIN, "skinpack"), "pack", src, skin], check=True,
                       stdout=subprocess.DEVNULL)
        subprocess.run([os.path.join(BIN, "skinpack"), "stream", skin, value], check=True)
        write("skin_stream", "default.bin", open(value, "rb").read())
    write("skin_stream", "no_skin.bin", struct.pack("<i", 0))


def movies():
    """Uncompressed movies with and without the background colour tag."""
    def movie(tags, first=b"F"):
        return first + b"WS\x06\x00\x00\x00\x00" + bytes([15 << 3]) + bytes(8) + \
            b"\x00\x0c\x01\x00" + tags

    def tag(code, body):
        return struct.pack("<H", (code << 6) | len(body)) + body

    long_tag = struct.pack("<HI", (2 << 6) | 0x3F, 20) + bytes(20)
    write("swf_colour", "colour.swf", movie(tag(69, bytes(4)) + long_tag + tag(9, b"\x11\x22\x33")))
    write("swf_colour", "no_colour.swf", movie(tag(1, b"")))
    write("swf_colour", "compressed.swf", movie(b"", b"C"))


def locales():
    """Locale values (iTime, iTLZero, sTime, s1159, s2359, iTimeMarkPosn) and pictures."""
    for name, values in (("us", ["0", "0", ":", "AM", "PM", "0"]),
                         ("de", ["1", "1", ":", "", "", "0"]),
                         ("ko", ["0", "0", ":", "\uc624\uc804", "\uc624\ud6c4", "1"]),
                         ("fi", ["1", "0", ".", "ap.", "ip.", "0"])):
        write("time_format", name + ".txt", "\0".join(values).encode("utf-8"))
    for name, picture in (("pic12", "h:mm:ss tt"), ("pic24", "HH:mm:ss"),
                          ("quoted", "tt hh'h'mm'm'ss")):
        write("time_format", name + ".txt", picture)


if __name__ == "__main__":
    main()
    design_sources()
    alarm_stores()
    skin_inputs()
    movies()
    locales()
