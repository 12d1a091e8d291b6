"""mosaikon-convert's EMS and Nokia messages, judged by tshark's SMS dissector and gammu."""

import json
import os
import random
import subprocess
import sys
import tempfile
import unittest

import gammu

CONVERT = sys.argv[1] if len(sys.argv) > 1 else "mosaikon-convert"
USER_DLT = 'uat:user_dlts:"User 0 (DLT=147)","gsm_sms","0","","0",""'
FIELDS = ["gsm_sms.tp-mti", "gsm_sms.tp-dcs", "gsm_sms.tp-udhi", "gsm_sms.ie_identifier",
          "gsm_sms.udh.mm.msg_id", "gsm_sms.udh.mm.msg_parts", "gsm_sms.udh.mm.msg_part",
          "gsm_sms.dis_iei_vp.horizontal_dimension", "gsm_sms.dis_iei_vp.variable_picture",
          "gsm_sms.ie_data", "gsm_sms.sms_text", "gsm_sms.destination_port", "gsm_sms.tp-da",
          "gsm_sms.dis_iei_vp.position"]

# The program's standard sizes: elements and message counts, standard and as Extended Object.
STANDARD_SIZES = [
    (8, 8, ["0x12"], 1, 1),
    (16, 16, ["0x11"], 1, 1),
    (24, 26, ["0x12"], 1, 1),
    (32, 32, ["0x10"], 1, 1),
    (72, 14, ["0x12"], 1, 1),
    (72, 28, ["0x13", "0x12"], 3, 2),
    (101, 46, ["0x13", "0x12"], 7, 5),
    (102, 29, ["0x13", "0x12"], 4, 3),
    (128, 96, ["0x13", "0x12"], 16, 12),
]


def random_rows(width, height, frames=1):
    """Pixel rows as the program's files keep them, with clear bits beyond the width."""
    rows = []
    for _ in range(frames * height):
        pixels = [random.randrange(2) for _ in range(width)]
        pixels += [0] * (-width % 8)
        rows.append(pixels)
    return rows


def file_bytes(width, height, rows, frames=None, delay=0):
    header = [2, width, height] if frames is None else [6, width, height, frames, delay]
    data = bytearray(header)
    for pixels in rows:
        for at in range(0, len(pixels), 8):
            data.append(int("".join(map(str, pixels[at:at + 8])), 2))
    return bytes(data)


class Messages(unittest.TestCase):
    def setUp(self):
        random.seed(7)
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def picture(self, width, height, frames=None, delay=0):
        rows = random_rows(width, height, frames or 1)
        name = self.path(f"art{width}x{height}" + (".ema" if frames else ".ems"))
        with open(name, "wb") as out:
            out.write(file_bytes(width, height, rows, frames, delay))
        return name, rows

    def convert(self, *args, output="out.pdu"):
        target = self.path(output)
        result = subprocess.run([CONVERT, *args, target], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(target) as lines:
            return lines.read().splitlines(), result.stderr

    def dissect(self, tpdus):
        """tshark's fields of each TPDU, read as sent by a phone (MS to SC), after checking
        that it found nothing malformed."""
        dump = self.path("dump.txt")
        with open(dump, "w") as out:
            for tpdu in tpdus:
                octets = " ".join(tpdu[at:at + 2] for at in range(0, len(tpdu), 2))
                out.write(f"I 0000 {octets}\n")
        capture = self.path("dump.pcapng")
        subprocess.run(["text2pcap", "-q", "-D", "-l", "147", dump, capture], check=True,
                       capture_output=True)
        command = ["tshark", "-r", capture, "-o", USER_DLT, "-o", "gsm_sms.reassemble:FALSE",
                   "-z", "expert", "-T", "fields", "-E", "separator=\t", "-E", "occurrence=a"]
        for field in FIELDS:
            command += ["-e", field]
        lines = subprocess.run(command, capture_output=True, text=True, check=True).stdout
        # The expert summary follows the fields after a blank line: errors, warnings, notes.
        fields, _, expert = lines.partition("\n\n")
        self.assertEqual(expert.strip(), "", expert)
        frames = [dict(zip(FIELDS, line.split("\t"))) for line in fields.splitlines()]
        self.assertEqual(len(frames), len(tpdus))
        for frame in frames:
            self.assertEqual(frame["gsm_sms.tp-mti"], "1")  # SMS-SUBMIT
        return frames

    def check_concatenation(self, frames, reference=1):
        count = len(frames)
        for number, frame in enumerate(frames, 1):
            ieis = frame["gsm_sms.ie_identifier"].split(",")
            if count == 1:
                self.assertNotIn("0x00", ieis)
                continue
            self.assertIn("0x00", ieis)
            self.assertEqual(frame["gsm_sms.udh.mm.msg_id"], str(reference))
            self.assertEqual(frame["gsm_sms.udh.mm.msg_parts"], str(count))
            self.assertEqual(frame["gsm_sms.udh.mm.msg_part"], str(number))

    def stitched_strips(self, frames, height):
        """The picture the receiver stitches from the Variable Pictures, left to right."""
        rows = [[] for _ in range(height)]
        for frame in frames:
            widths = frame["gsm_sms.dis_iei_vp.horizontal_dimension"]
            datas = frame["gsm_sms.dis_iei_vp.variable_picture"]
            for width, data in zip(widths.split(",") if widths else [], datas.split(",")):
                octets = bytes.fromhex(data.replace(":", ""))
                width = int(width)
                self.assertEqual(len(octets), width * height)
                self.assertLessEqual(len(octets), 128)
                for y in range(height):
                    for value in octets[y * width:(y + 1) * width]:
                        rows[y] += [int(bit) for bit in f"{value:08b}"]
        return rows

    def extended_object(self, frames):
        """The Extended Object's header and data, joined from its parts."""
        joined = b""
        for frame in frames:
            ieis = frame["gsm_sms.ie_identifier"].split(",")
            datas = frame["gsm_sms.ie_data"].split(",")
            # Elements tshark dissects itself give no ie_data; the Extended Object is not one.
            joined += bytes.fromhex(datas[-1].replace(":", "")) if "0x14" in ieis else b""
        header, data = joined[:7], joined[7:]
        self.assertEqual(int.from_bytes(header[1:3], "big"), len(data))
        return header, data

    def test_standard_sizes(self):
        # Every size's messages go to tshark in one capture, standard then extended.
        converted, tpdus = [], []
        for width, height, _, count, extended_count in STANDARD_SIZES:
            name, rows = self.picture(width, height)
            info = subprocess.run([CONVERT, "--info", name], capture_output=True, text=True,
                                  check=True).stdout
            standard, remarks = self.convert("--reference", "77", name)
            extended, _ = self.convert("--element", "extended", name)
            converted.append((name, rows, info, remarks, len(standard), len(extended)))
            tpdus += standard + extended
        frames = self.dissect(tpdus)

        for (width, height, ieis, count, extended_count), (name, rows, info, remarks, standard,
                                                          extended) in zip(STANDARD_SIZES,
                                                                           converted):
            with self.subTest(size=f"{width}x{height}"):
                plural = lambda n: f"{n} message" + ("s" if n > 1 else "")
                self.assertRegex(info, f"standard: .*, {plural(count)}\n")
                self.assertRegex(info, f"extended: .*, {plural(extended_count)}\n")
                self.assertEqual((standard, extended), (count, extended_count))
                self.assertEqual(bool(remarks), width % 8 != 0, remarks)

                mine, frames = frames[:standard], frames[standard:]
                self.check_concatenation(mine, 77)
                seen = set()
                for frame in mine:
                    self.assertEqual(frame["gsm_sms.tp-dcs"], "4")
                    seen |= set(frame["gsm_sms.ie_identifier"].split(",")) - {"0x00"}
                self.assertEqual(seen, set(ieis))
                if "0x12" in ieis:
                    stitched = self.stitched_strips(mine, height)
                    self.assertEqual(stitched, [row[:len(stitched[0])] for row in rows])

                mine, frames = frames[:extended], frames[extended:]
                self.check_concatenation(mine)
                header, data = self.extended_object(mine)
                self.assertEqual(header[4], 0x02)  # black and white bitmap
                self.assertEqual((data[0], data[1]), (width, height))
                bits = "".join(f"{value:08b}" for value in data[2:])
                self.assertEqual(bits[:width * height],
                                 "".join(str(p) for row in rows for p in row[:width]))
                self.assertEqual(bits[width * height:], "0" * (len(bits) - width * height))

    def test_animations(self):
        cases = [(8, 8, 4, "0x0f"), (16, 16, 4, "0x0e"), (16, 16, 5, "0x14"), (20, 10, 3, "0x14")]
        for width, height, frame_count, iei in cases:
            with self.subTest(animation=f"{frame_count} x {width}x{height}"):
                name, _ = self.picture(width, height, frame_count, delay=25)
                frames = self.dissect(self.convert(name)[0])
                ieis = set().union(*(f["gsm_sms.ie_identifier"].split(",") for f in frames))
                self.assertIn(iei, ieis)
                if iei == "0x14":
                    header, data = self.extended_object(frames)
                    self.assertEqual(header[4], 0x06)  # black and white animation
                    # 25 x 12 ms is 3 tenths of a second, kept as 2; repeated for ever.
                    self.assertEqual(list(data[:4]), [width, height, frame_count, 0x20])
                    frame_octets = (width * height + 7) // 8
                    self.assertEqual(len(data), 4 + frame_count * frame_octets)

    def test_text_in_its_alphabet_and_positions(self):
        name, _ = self.picture(72, 28)
        cases = [("Привет, мир! " * 12, "8", 5), ("Price: 5€ {a|b} [c] ~^\\ " * 9, "0", 40)]
        for text, coding, position in cases:
            with self.subTest(coding=coding):
                tpdus, _ = self.convert("--number", "+79161234567", "--text", text,
                                        "--position", str(position), name)
                frames = self.dissect(tpdus)
                self.check_concatenation(frames)
                self.assertEqual("".join(f["gsm_sms.sms_text"] for f in frames), text)
                placed = 0
                for frame in frames:
                    self.assertEqual(frame["gsm_sms.tp-dcs"], coding)
                    self.assertEqual(frame["gsm_sms.tp-da"], "79161234567")
                    positions = frame["gsm_sms.dis_iei_vp.position"]
                    if positions:
                        expected = position - placed if placed < position else 0
                        self.assertEqual(set(positions.split(",")), {str(expected)})
                    placed += len(frame["gsm_sms.sms_text"])

    def test_text_beyond_ucs2_as_gammu_reads_it(self):
        # Characters beyond U+FFFF go as UTF-16 surrogate pairs; the leading characters shift
        # the pairs across every message boundary, and gammu reads each message alone whole.
        name, _ = self.picture(16, 16)
        cases = [lead + "\U0001F600" * 80 for lead in ("", "a", "ab", "abc")]
        cases += ["ж\U0001F680€" * 40, "\U0010FFFF"]
        for text in cases:
            with self.subTest(text=text[:4]):
                tpdus, _ = self.convert("--text", text, name)
                parts = [gammu.DecodePDU(bytes.fromhex(t), SMSC=False)["Text"] for t in tpdus]
                for part in parts:
                    self.assertNotIn("\ufffd", part)
                self.assertEqual("".join(parts), text)
                self.assertGreater(len(tpdus), 1 if len(text) > 1 else 0)

    def test_gateway_and_modem_forms(self):
        name, _ = self.picture(72, 28)
        tpdus, _ = self.convert("--text", "Привет", name)
        gateway, _ = self.convert("--udh", "--text", "Привет", name, output="gateway.pdu")
        modem, _ = self.convert("--at", "--text", "Привет", name, output="modem.pdu")
        self.assertEqual(len(gateway), len(tpdus))
        self.assertEqual(modem[0::2], [f"AT+CMGS={len(t) // 2}" for t in tpdus])
        self.assertEqual(modem[1::2], ["00" + t for t in tpdus])
        for line, tpdu in zip(gateway, tpdus):
            header, rest = line.split(" ")
            self.assertEqual(int(header[:2], 16), len(header) // 2 - 1)
            self.assertTrue(tpdu.endswith(header + rest))

    def test_json_lines_rebuild_the_tpdus(self):
        # Quotes, backslashes and control characters must come back whole through json.loads.
        texts = [None, 'He said "hi" \\ {€}\nok', 'Привет\t"\\\x01']
        cases, tpdus = [], []
        for (width, height, *_), text in [(size, t) for size in STANDARD_SIZES for t in texts]:
            name, _ = self.picture(width, height)
            args = ["--number", "+79161234567", name] + (["--text", text] if text else [])
            mine, _ = self.convert(*args)
            lines, _ = self.convert("--json", *args, output="out.jsonl")
            cases.append((f"{width}x{height}", text, mine, [json.loads(line) for line in lines]))
            tpdus += mine
        frames = self.dissect(tpdus)

        for size, text, tpdus, messages in cases:
            with self.subTest(size=size, text=text):
                self.assertEqual([m["tpdu"] for m in messages], tpdus)
                self.assertEqual([(m["part"], m["parts"]) for m in messages],
                                 [(n, len(tpdus)) for n in range(1, len(tpdus) + 1)])
                mine, frames = frames[:len(tpdus)], frames[len(tpdus):]
                for message, frame, tpdu in zip(messages, mine, tpdus):
                    self.assertEqual(int(frame["gsm_sms.tp-dcs"]), message["dcs"])
                    udh = message["udh"]
                    self.assertEqual(int(udh[:2], 16), len(udh) // 2 - 1)
                    if message["coding"] == "8bit":
                        self.assertTrue(tpdu.endswith(udh + message["data"]))
                        continue
                    # The characters as tshark reads them after the header (it writes a tab
                    # or a line feed in a field as \t or \n).
                    shown = message["text"].replace("\t", "\\t").replace("\n", "\\n")
                    self.assertEqual(frame["gsm_sms.sms_text"], shown)
                    self.assertIn(udh, tpdu)
                    if message["coding"] == "ucs2":
                        self.assertTrue(tpdu.endswith(udh + message["text"].encode(
                            "utf-16-be").hex().upper()))
                self.assertEqual("".join(m.get("text", "") for m in messages), text or "")
        refused = subprocess.run([CONVERT, "--udh", "--text", "Hello", self.picture(16, 16)[0],
                                  self.path("x.pdu")], capture_output=True, text=True)
        self.assertEqual(refused.returncode, 1)
        self.assertIn("use --json, or send with mosaikon-sms send --kannel", refused.stderr)

    def test_nokia_smart_messages(self):
        logo, rows = self.picture(72, 14)
        tpdus, _ = self.convert("--nokia", "--network", "250 01", logo)
        frames = self.dissect(tpdus)
        self.assertEqual(len(frames), 1)
        self.assertEqual(frames[0]["gsm_sms.destination_port"], "5506")
        # The operator code, the OTA bitmap header, the rows: with no line feed, 140 octets.
        ota = file_bytes(72, 14, rows)[3:].hex().upper()
        self.assertTrue(tpdus[0].endswith("8C06050415820000" + "52F010" + "00480E01" + ota))

        picture, _ = self.picture(72, 28)
        frames = self.dissect(self.convert("--nokia", "--text", "Hi", picture)[0])
        self.check_concatenation(frames)
        self.assertEqual({f["gsm_sms.destination_port"] for f in frames}, {"5514"})

    def test_info_counts_the_messages_the_conversion_writes(self):
        picture, _ = self.picture(72, 28)
        text = "С днём рождения! Поздравляю с днём рождения и желаю счастья"
        cases = [([], "standard"), (["--text", text], "standard"),
                 (["--text", text, "--position", "9"], "standard"),
                 (["--element", "extended", "--text", text], "extended"),
                 (["--nokia", "--text", text], "nokia")]
        for args, line in cases:
            info = subprocess.run([CONVERT, "--info", *args, picture], capture_output=True,
                                  text=True)
            counted = [l for l in info.stdout.splitlines() if l.startswith(line + ":")]
            written = len(self.convert(*args, picture)[0])
            self.assertEqual(counted[0].split(", ")[-1],
                             f"{written} message" + ("s" if written > 1 else ""), args)

    def test_refusals_write_nothing(self):
        square, _ = self.picture(16, 16)
        wide, _ = self.picture(72, 28)
        cases = [(["--nokia"], square), (["--nokia", "--network", "250 01"], wide),
                 (["--network", "250 01"], wide), (["--text", "ab", "--position", "3"], wide),
                 (["--text", "x" * 45000], wide)]
        for args, name, *output in cases:
            with self.subTest(args=args):
                target = self.path(output[0] if output else "refused.pdu")
                result = subprocess.run([CONVERT, *args, name, target], capture_output=True,
                                        text=True)
                self.assertEqual(result.returncode, 1)
                self.assertFalse(os.path.exists(target))
                self.assertEqual(len(result.stderr.splitlines()), 1)
                self.assertIn(target if output else name, result.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
