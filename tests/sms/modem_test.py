"""mosaikon-sms against a scripted GSM modem on a pseudo-terminal that answers as 3GPP TS 27.005
and 27.007 describe: echo on until ATE0, the "> " prompt after AT+CMGS, "+CMGS: <mr>" or
"+CMS ERROR: <n>" after the PDU and Ctrl-Z, unsolicited codes between answers, a SIM that may
ask for its PIN, and messages stored for AT+CMGL and AT+CMGD."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import termios
import threading
import time
import tty
import unittest

SMS = sys.argv[1] if len(sys.argv) > 1 else "mosaikon-sms"
CONVERT = sys.argv[2] if len(sys.argv) > 2 else "mosaikon-convert"
CTRL_Z, ESCAPE = "\x1a", "\x1b"


class ScriptedModem(threading.Thread):
    """The modem side of a pseudo-terminal. `script` says how this one departs from a willing
    modem: "pin" (the SIM wants it), "fail_at" (message number, final result code),
    "silent_at" (the message after whose AT+CMGS it says nothing more), "mute_at" (the same
    after the message's PDU), "asleep" (ATs it
    ignores first), "unsolicited" (a line sent before each answer), "stored" (index -> PDU)."""

    def __init__(self, script):
        super().__init__(daemon=True)
        self.script = script
        self.master, self.slave = os.openpty()
        tty.setraw(self.master)
        self.device = os.ttyname(self.slave)
        self.echo = True
        self.pin_needed = "pin" in script
        self.sim_busy = False
        self.pdu_mode = False
        self.entering = None  # the TPDU length announced by AT+CMGS, while the PDU comes
        self.silent = False
        self.received = []  # (announced length, PDU as entered)
        self.commands = []
        self.stored = dict(script.get("stored", {}))
        self.lock_seen = None
        self.running = True

    def answer(self, *lines):
        if self.silent:
            return
        text = "".join(f"\r\n{line}\r\n" for line in (self.script.get("unsolicited"),) if line)
        text += "".join(f"\r\n{line}\r\n" for line in lines)
        os.write(self.master, text.encode())

    def run(self):
        buffer = ""
        while self.running:
            try:
                chunk = os.read(self.master, 4096).decode("latin-1")
            except OSError:
                return
            if self.echo and not self.silent:
                os.write(self.master, chunk.encode("latin-1"))
            buffer += chunk
            while True:
                end = buffer.find(CTRL_Z if self.entering is not None else "\r")
                if self.entering is not None and ESCAPE in buffer:
                    buffer, self.entering = "", None
                    self.answer("OK")
                    continue
                if end < 0:
                    break
                line, buffer = buffer[:end], buffer[end + 1:]
                self.take(line.strip())

    def take(self, line):
        if self.entering is not None:
            self.received.append((self.entering, line))
            self.entering = None
            number = len(self.received)
            self.silent = self.script.get("mute_at") == number
            failure = self.script.get("fail_at")
            if failure and failure[0] == number:
                self.answer(failure[1])
            else:
                self.answer(f"+CMGS: {40 + number}", "OK")
            return
        if not line:
            return
        self.commands.append(line)
        command = line.upper()
        if command == "AT" and self.script.get("asleep", 0) > 0:
            self.script["asleep"] -= 1
            return
        if self.lock_seen is None:
            self.lock_seen = self.lock_file()
            # The line as the program set it: speed, and 8 data bits, no parity, 1 stop bit.
            _, _, cflag, _, ispeed, ospeed, _ = termios.tcgetattr(self.slave)
            self.line = (ispeed, ospeed, cflag & (termios.CSIZE | termios.PARENB | termios.CSTOPB))
        if command in ("AT", "AT+CMEE=1"):
            self.answer("OK")
        elif command == "ATE0":
            self.echo = False
            self.answer("OK")
        elif command == "AT+CPIN?" and self.sim_busy:
            self.sim_busy = False
            self.answer("+CME ERROR: 14")
        elif command == "AT+CPIN?":
            self.answer("+CPIN: SIM PIN" if self.pin_needed else "+CPIN: READY", "OK")
        elif command.startswith("AT+CPIN="):
            right = line == f'AT+CPIN="{self.script.get("pin")}"'
            # A SIM is busy for a moment after it takes its PIN.
            self.sim_busy = self.pin_needed and right
            self.pin_needed = self.pin_needed and not right
            self.answer("OK" if right else "+CME ERROR: 16")
        elif command == "AT+CMGF=0":
            self.pdu_mode = True
            self.answer("OK")
        elif command.startswith("AT+CMGS=") and self.pdu_mode and not self.pin_needed:
            if self.script.get("silent_at") == len(self.received) + 1:
                self.silent = True
            self.entering = int(command[8:])
            if not self.silent:
                os.write(self.master, b"\r\n> ")
        elif command == "AT+CMGL=4" and self.pdu_mode:
            lines = []
            for index, pdu in sorted(self.stored.items()):
                lines += [f"+CMGL: {index},1,,{len(pdu) // 2 - 1}", pdu]
            self.answer(*lines, "OK")
        elif command.startswith("AT+CMGD="):
            self.stored.pop(int(command[8:]), None)
            self.answer("OK")
        else:
            self.answer("ERROR")

    def lock_file(self):
        """The pid in the port's lock file, when the lock folder is there to hold one."""
        name = "/run/lock/LCK.." + self.device[len("/dev/"):].replace("/", "_")
        try:
            with open(name, "rb") as lock:
                return lock.read()
        except OSError:
            return None

    def stop(self):
        self.running = False
        os.close(self.slave)
        os.close(self.master)


def picture_file(folder, width, height):
    """A random Mosaikon picture: a header of 2, width, height, then rows padded to octets."""
    data = bytearray([2, width, height])
    for _ in range(height):
        data += bytes(random.randrange(256) for _ in range((width + 7) // 8))
        if width % 8:
            data[-1] &= 0xFF << (8 - width % 8) & 0xFF
    path = os.path.join(folder, f"picture{width}x{height}.ems")
    with open(path, "wb") as out:
        out.write(data)
    return path


class ModemDialogue(unittest.TestCase):
    def setUp(self):
        random.seed(25)
        self.folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.folder)
        # 16 messages, 3 messages, 1 message
        self.large = picture_file(self.folder, 128, 96)
        self.strips = picture_file(self.folder, 72, 28)
        self.small = picture_file(self.folder, 16, 16)
        # An animation of delay 0 stands still: the converter writes its frame 1 alone.
        self.still = os.path.join(self.folder, "still.ema")
        with open(self.still, "wb") as out:
            out.write(bytes([6, 16, 16, 2, 0]) + random.randbytes(64))

    def pdus(self, picture, *options):
        """The converter's TPDUs for the picture, one a line, as the .pdu form writes them."""
        out = os.path.join(self.folder, "out.pdu")
        subprocess.run([CONVERT, *options, picture, out], check=True)
        with open(out) as lines:
            return lines.read().split()

    def stored(self):
        """The strips picture's three parts at 6, 4 and 2, last part first, the small picture
        at 5 between them, and at 7 to 9 the strips again, from another number under the same
        reference; the modem lists them with their SMSC part, empty here."""
        parts = self.pdus(self.strips, "--number", "+15550001", "--reference", "7")
        other = self.pdus(self.small, "--number", "+15550002", "--reference", "8")
        again = self.pdus(self.strips, "--number", "+15550003", "--reference", "7")
        return {2: "00" + parts[2], 4: "00" + parts[1], 5: "00" + other[0], 6: "00" + parts[0],
                7: "00" + again[0], 8: "00" + again[1], 9: "00" + again[2]}

    def test_dialogues(self):
        send = ["send", "--number", "+15550000", "--wait", "2"]
        sent = "message {} of {} sent, reference {}"
        # name, modem script, arguments, picture, status, what stderr says, messages taken
        table = [
            ("willing, with reports between", {"unsolicited": "+CMTI: \"SM\",3"},
             send, self.large, 0, [sent.format(16, 16, 56)], 16),
            ("slow to wake", {"asleep": 1}, send + ["--baud", "9600"], self.small, 0,
             [sent.format(1, 1, 41)], 1),
            ("quiet", {"unsolicited": "^RSSI: 12"}, send + ["--quiet"], self.strips, 0, [], 3),
            ("an animation standing still", {}, send, self.still, 0, [sent.format(1, 1, 41)], 1),
            ("PIN given", {"pin": "1234"}, send + ["--pin", "1234"], self.small, 0,
             [sent.format(1, 1, 41)], 1),
            ("PIN not given", {"pin": "1234"}, send, self.small, 1,
             ["mosaikon-sms: {device}: the SIM asks for its PIN; give it with --pin"], 0),
            ("PIN wrong", {"pin": "1234"}, send + ["--pin", "4321"], self.small, 1,
             ["mosaikon-sms: {device}: the SIM did not take the PIN: "
              "+CME ERROR: 16 (incorrect password)"], 0),
            ("refused half way", {"fail_at": (3, "+CMS ERROR: 38")}, send, self.large, 1,
             [sent.format(2, 16, 42), "mosaikon-sms: message 3 of 16 was not sent: +CMS ERROR: 38 "
              "(network out of order); sent before it: 1 (reference 41), 2 (reference 42)"], 3),
            ("refused at once", {"fail_at": (1, "ERROR")}, send, self.small, 1,
             ["mosaikon-sms: message 1 of 1 was not sent: the modem answered ERROR; "
              "none was sent before it"], 1),
            ("takes a PDU, says nothing", {"mute_at": 3}, send, self.strips, 1,
             ["mosaikon-sms: message 3 of 3 was not sent: no answer within 2 seconds; "
              "sent before it: 1 (reference 41), 2 (reference 42)"], 3),
            ("stops answering", {"silent_at": 2}, send, self.strips, 1,
             ["mosaikon-sms: message 2 of 3 was not sent: no \"> \" prompt within 2 seconds; "
              "sent before it: 1 (reference 41)"], 1),
        ]
        for name, script, arguments, picture, status, said, taken in table:
            with self.subTest(name):
                modem, result = self.run_against(script, arguments + ["--modem"], picture)
                self.assertEqual(result.returncode, status, result.stderr)
                for line in said:
                    self.assertIn(line.format(device=modem.device), result.stderr.splitlines())
                if not said:
                    self.assertEqual(result.stderr, "")
                # Each PDU as announced and entered: an empty SMSC part, then the very TPDU the
                # converter writes.
                expected = [(len(tpdu) // 2, "00" + tpdu)
                            for tpdu in self.pdus(picture, "--number", "+15550000")[:taken]]
                self.assertEqual(modem.received, expected)
                self.assertEqual(modem.commands[:1], ["AT"])
                speed = termios.B9600 if "9600" in arguments else termios.B115200
                self.assertEqual(modem.line, (speed, speed, termios.CS8))
                if modem.lock_seen is not None:
                    self.assertEqual(modem.lock_seen, b"%10d\n" % modem.pid)

    def test_receiving(self):
        """The first picture stored is written as it was sent, and --delete takes from the SIM
        its three parts and nothing else, not even the same picture sent again; --list names
        what the converter names."""
        listing = os.path.join(self.folder, "stored.pdu")
        with open(listing, "w") as out:
            out.write("".join(f"+CMGL: {i},1,,{len(p) // 2 - 1}\n{p}\n"
                              for i, p in sorted(self.stored().items())))
        named = subprocess.run([CONVERT, "--list", listing], capture_output=True, text=True)
        output = os.path.join(self.folder, "received.ems")
        receive = ["receive", "--wait", "2"]
        script = {"stored": self.stored(), "unsolicited": "+CMTI: \"SM\",9"}
        modem, result = self.run_against(script, receive + ["--delete", "--modem"], output)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(output, "rb") as written, open(self.strips, "rb") as sent:
            self.assertEqual(written.read(), sent.read())
        self.assertEqual(sorted(modem.stored), [5, 7, 8, 9])
        self.assertEqual(modem.commands[-3:], ["AT+CMGD=2", "AT+CMGD=4", "AT+CMGD=6"])

        # An output that cannot be written leaves every message on the SIM.
        modem, result = self.run_against(script, receive + ["--delete", "--modem"],
                                         os.path.join(self.strips, "received.ems"))
        self.assertEqual(result.returncode, 1)
        self.assertIn("received.ems: cannot be written", result.stderr)
        self.assertEqual(sorted(modem.stored), [2, 4, 5, 6, 7, 8, 9])

        # A refusal of the output names the modem the picture came from.
        modem, result = self.run_against(script, receive + ["--network", "262 01", "--modem"],
                                         os.path.join(self.folder, "received.pdu"))
        self.assertEqual(result.returncode, 1)
        self.assertTrue(result.stderr.startswith(f"mosaikon-sms: {modem.device}: --network"),
                        result.stderr)

        modem, result = self.run_against(script, receive + ["--list", "--modem"])
        self.assertEqual((result.returncode, result.stdout), (0, named.stdout))
        self.assertEqual(sorted(modem.stored), [2, 4, 5, 6, 7, 8, 9])

    def test_port_held(self):
        """A port another program holds is left alone, its settings too, and the holder named:
        ModemManager with the port open, a program with a flock() on it, one whose pid is in the
        lock file."""
        manager = os.path.join(self.folder, "ModemManager")
        shutil.copy("/bin/sleep", manager)
        lock_folder = os.access("/run/lock", os.W_OK)
        table = [
            ([manager, "60"], True, "ModemManager (pid {pid}) holds the port; stop it"),
            (["flock", "--no-fork", "{device}", "sleep", "60"], False,
             "sleep (pid {pid}) holds the port"),
        ] + [(["sleep", "60"], False, "sleep (pid {pid}) holds the port (/run/lock/LCK..")
             ] * lock_folder
        for command, opened, said in table:
            with self.subTest(command[0]):
                modem = ScriptedModem({})
                self.addCleanup(modem.stop)
                lock = "/run/lock/LCK.." + modem.device[5:].replace("/", "_")
                holder = subprocess.Popen([part.format(device=modem.device) for part in command],
                                          pass_fds=(modem.slave,) if opened else ())
                self.addCleanup(holder.wait)
                self.addCleanup(holder.kill)
                time.sleep(0.3)  # for flock to take the port
                held_settings = termios.tcgetattr(modem.slave)
                if command[0] == "sleep":
                    with open(lock, "w") as out:
                        out.write("%10d\n" % holder.pid)
                    self.addCleanup(os.remove, lock)
                result = subprocess.run([SMS, "send", "--number", "1", "--modem", modem.device,
                                         self.small], capture_output=True, text=True, timeout=60)
                self.assertEqual(result.returncode, 1)
                self.assertTrue(result.stderr.startswith(
                    f"mosaikon-sms: {modem.device}: " + said.format(pid=holder.pid)),
                    result.stderr)
                self.assertEqual(modem.commands, [])
                self.assertEqual(termios.tcgetattr(modem.slave), held_settings)

    def test_wrong_command_lines(self):
        """Status 2 and one line that says what is wrong, before any port is opened."""
        table = [
            ([], "the first word is send or receive"),
            (["send", "--number", "1", "a.ems"], "send needs either --modem DEVICE or --kannel URL"),
            (["send", "--modem", "/dev/null", "a.ems"], "send needs --number NUMBER"),
            (["send", "--modem", "/dev/null", "--number", "1"], "send needs one INPUT file"),
            (["receive", "--modem", "/dev/null"], "receive needs one OUTPUT file"),
            (["send", "--modem", "/dev/null", "--number", "1", "-"],
             "send reads INPUT from a named file, not from standard input (-)"),
            (["receive", "--modem", "/dev/null", "-"],
             "receive writes OUTPUT to a named file, not to standard output (-)"),
            (["receive", "--kannel", "http://x", "a.ems"], "receive needs --modem DEVICE"),
            (["receive", "--modem", "/dev/null", "--list", "--delete"],
             "--list writes nothing, so --delete has nothing to follow"),
            (["receive", "--baud", "1200"], "--baud takes 9600, 19200, 38400, 57600, 115200, "
             "230400, 460800 or 921600, not \"1200\""),
            (["send", "--pin", "12"], "--pin takes four to eight digits"),
            (["send", "--number", "x"], "--number takes digits, with a leading + for an "
             "international number, not \"x\""),
        ]
        for arguments, problem in table:
            with self.subTest(arguments):
                result = subprocess.run([SMS, *arguments], capture_output=True, text=True)
                self.assertEqual((result.returncode, result.stderr.splitlines()[0]),
                                 (2, "mosaikon-sms: " + problem))

    def run_against(self, script, arguments, *names):
        modem = ScriptedModem(script)
        modem.start()
        self.addCleanup(modem.stop)
        process = subprocess.Popen([SMS, *arguments, modem.device, *names],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        modem.pid = process.pid
        stdout, stderr = process.communicate(timeout=60)
        self.assertFalse(os.path.exists("/run/lock/LCK.." + modem.device[5:].replace("/", "_")))
        return modem, subprocess.CompletedProcess(process.args, process.returncode, stdout,
                                                  stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
