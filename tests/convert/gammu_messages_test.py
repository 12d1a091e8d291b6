"""Messages that python3-gammu writes, read back by mosaikon-convert with the cells gammu was
given: listings of its TPDUs and its SMS backups."""

import os
import random
import subprocess
import sys
import tempfile
import unittest

import gammu

CONVERT = sys.argv[1] if len(sys.argv) > 1 else "mosaikon-convert"
RECIPIENT = "+79161234567"
SMSC = "+79160000000"

# Every picture element gammu writes: its entry, the bitmap type, width, height and frames.
ELEMENTS = [
    ("EMSFixedBitmap", "PictureImage", 16, 16, 1),
    ("EMSFixedBitmap", "PictureImage", 32, 32, 1),
    ("EMSVariableBitmap", "PictureImage", 40, 20, 1),
    ("EMSVariableBitmap", "PictureImage", 16, 8, 1),
    ("EMSAnimation", "PictureImage", 8, 8, 4),
    ("EMSAnimation", "PictureImage", 16, 16, 4),
    ("NokiaPictureImageLong", "PictureImage", 72, 28, 1),
    ("NokiaOperatorLogo", "OperatorLogo", 72, 14, 1),
    ("NokiaOperatorLogoLong", "OperatorLogo", 72, 14, 1),
]

# A status report as TS 23.040 lays it out, after an SMSC part: first octet, TP-MR, TP-RA,
# TP-SCTS, TP-DT, TP-ST. gammu encodes none, but reads this one back as a status report.
STATUS_REPORT = "07919761000000F006050B919761214365F7622170024444006221700244540000"


def random_frames(width, height, count):
    return [[[random.randrange(2) for _ in range(width)] for _ in range(height)]
            for _ in range(count)]


def bitmap(kind, cells):
    rows = ["".join("#" if cell else "." for cell in row).encode() for row in cells]
    header = f"{len(cells[0])} {len(cells)} 2 1".encode()
    return {"Type": kind, "Width": len(cells[0]), "Height": len(cells), "NetworkCode": "250 01",
            "XPM": [header, b"# c Black", b". c White"] + rows}


def encoded(entry, kind, frames, text=None):
    entries = [{"ID": entry, "Bitmap": [bitmap(kind, cells) for cells in frames]}]
    if text:
        entries[0]["Buffer"] = text
    return gammu.EncodeSMS({"Entries": entries})


def tpdu_lines(messages, layout, smsc, cmgl):
    """The messages as a modem or a file lists them: hex TPDUs, with gammu's SMSC part or none,
    after a modem's length lines or not (+CMGL for the SUBMITs, +CMGR for the DELIVERs)."""
    lines = []
    for index, message in enumerate(messages, 1):
        message = dict(message, Number=RECIPIENT, PDU=layout,
                       SMSC={"Location": 0, "Number": smsc or ""})
        pdu = bytearray(gammu.EncodePDU(message, Layout=layout))
        if layout == "Deliver":
            # gammu 1.42 keeps SUBMIT's message type in a DELIVER's first octet, which its own
            # DecodePDU refuses; cleared, gammu reads it back.
            pdu[pdu[0] + 1] &= 0xFE
            gammu.DecodePDU(bytes(pdu), SMSC=True)
        if smsc is None:
            pdu = pdu[pdu[0] + 1:]
        if cmgl:
            status = f"+CMGL: {index},1" if layout == "Submit" else "+CMGR: 0"
            lines.append(f"{status},,{len(pdu) - (pdu[0] + 1 if smsc else 0)}")
        lines.append(pdu.hex().upper())
    return lines


class GammuMessages(unittest.TestCase):
    def setUp(self):
        random.seed(24)
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def run_convert(self, *args):
        return subprocess.run([CONVERT, *args], capture_output=True, text=True)

    def written_frames(self, source, animation=False):
        """The frames mosaikon-convert writes for `source`, as rows of cells."""
        target = self.path("out.ema" if animation else "out.ems")
        result = self.run_convert(source, target)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(target, "rb") as written:
            data = written.read()
        width, height = data[1], data[2]
        count = data[3] if animation else 1
        stride = (width + 7) // 8
        pixels = data[5 if animation else 3:]
        frames = []
        for frame in range(count):
            rows = []
            for y in range(height):
                at = (frame * height + y) * stride
                bits = "".join(f"{octet:08b}" for octet in pixels[at:at + stride])
                rows.append([int(bit) for bit in bits[:width]])
            frames.append(rows)
        return frames, result.stderr

    def write(self, name, lines):
        with open(self.path(name), "w") as out:
            out.write("\r\n".join(lines) + "\r\n")
        return self.path(name)

    def test_every_element_in_every_listing_form_reads_with_gammus_cells(self):
        forms = [(layout, smsc, cmgl) for layout in ("Submit", "Deliver")
                 for smsc, cmgl in ((SMSC, True), ("", False), (None, False))]
        for entry, kind, width, height, count in ELEMENTS:
            frames = random_frames(width, height, count)
            messages = encoded(entry, kind, frames)
            for layout, smsc, cmgl in forms:
                with self.subTest(element=f"{entry} {width}x{height}", layout=layout, smsc=smsc,
                                  cmgl=cmgl):
                    lines = tpdu_lines(messages, layout, smsc, cmgl)
                    pairs = list(zip(lines[0::2], lines[1::2])) if cmgl else lines
                    random.shuffle(pairs)
                    lines = [line for pair in pairs for line in pair] if cmgl else pairs
                    listing = self.write("gammu.pdu", ["AT+CMGL=4"] + lines + ["OK"])
                    written, remarks = self.written_frames(listing, count > 1)
                    self.assertEqual(written, frames)
                    self.assertEqual(remarks, "")

    def test_a_listing_passes_over_what_it_cannot_read_and_says_so(self):
        three = encoded("NokiaPictureImageLong", "PictureImage", random_frames(72, 28, 1))
        lacking = tpdu_lines(three, "Deliver", SMSC, False)
        picture = random_frames(16, 16, 1)
        whole = tpdu_lines(encoded("EMSFixedBitmap", "PictureImage", picture), "Deliver", SMSC,
                           False)
        listing = self.write("mixed.pdu", [STATUS_REPORT, "Hello, world", lacking[0],
                                           lacking[2], whole[0]])
        written, remarks = self.written_frames(listing)
        self.assertEqual(written, picture)
        self.assertEqual(remarks.splitlines(), [
            f"mosaikon-convert: {listing}: line 2: no TPDU: \"He\" is not hexadecimal",
            f"mosaikon-convert: {listing}: line 3: lacks part 2 of 3 (reference "
            f"{three[0]['UDH']['ID8bit']})",
        ])
        listed = self.run_convert("--list", listing)
        self.assertEqual(listed.returncode, 0, listed.stderr)
        self.assertEqual(listed.stdout.splitlines(), [
            "line 1: SMS-STATUS-REPORT, no message",
            "message 1, 1 part: no text",
            "message 1, part 1: picture, Small Picture (IEI 0x11), 16 x 16",
        ])

        # Without the whole picture nothing is written, and the refusal says why for each line.
        alone = self.write("lacking.pdu", [STATUS_REPORT, lacking[0], lacking[2]])
        target = self.path("none.ems")
        refused = self.run_convert(alone, target)
        self.assertEqual(refused.returncode, 1)
        self.assertFalse(os.path.exists(target))
        self.assertEqual(len(refused.stderr.splitlines()), 1)
        self.assertIn("holds no whole picture or animation: line 2: lacks part 2 of 3",
                      refused.stderr)

    def test_a_backup_of_a_picture_in_three_parts_reads_back(self):
        picture = random_frames(72, 28, 1)
        parts = encoded("NokiaPictureImageLong", "PictureImage", picture)
        self.assertEqual(len(parts), 3)
        text = gammu.EncodeSMS({"Entries": [{"ID": "Text", "Buffer": "Привет, мир"}],
                                "Unicode": True})
        backup = [dict(message, Number=RECIPIENT, SMSC={"Location": 0, "Number": SMSC},
                       Folder=1, State="Read") for message in [parts[2], text[0], parts[0],
                                                                 parts[1]]]
        path = self.path("phone.smsbackup")
        gammu.SaveSMSBackup(path, backup)
        written, remarks = self.written_frames(path)
        self.assertEqual(written, picture)
        self.assertEqual(remarks, "")

        # Under any name the sections tell a backup; --list gives each message and its text.
        renamed = self.path("phone.txt")
        os.rename(path, renamed)
        listed = self.run_convert("--list", renamed)
        self.assertEqual(listed.returncode, 0, listed.stderr)
        reference = parts[0]["UDH"]["ID8bit"]
        self.assertEqual(listed.stdout.splitlines(), [
            f"message 1, 3 parts, reference {reference}: no text",
            "message 1, parts 1-3: picture, Nokia picture message (port 5514), 72 x 28",
            "message 2, 1 part: text \"Привет, мир\"",
        ])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
