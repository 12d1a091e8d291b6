"""mosaikon-sms sends through a real Kannel: bearerbox, smsbox and Kannel's fake SMS centre on
loopback ports. What the fake centre receives must be the converter's --json lines: the header,
the coding and the body that rebuild the converter's TPDUs."""

import json
import os
import random
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse
import urllib.request

SMS = sys.argv[1] if len(sys.argv) > 1 else "mosaikon-sms"
CONVERT = sys.argv[2] if len(sys.argv) > 2 else "mosaikon-convert"
BEARERBOX = "/usr/sbin/bearerbox"
SMSBOX = "/usr/sbin/smsbox"
FAKESMSC = "/usr/lib/kannel/test/fakesmsc"  # from kannel-extras
CODINGS = {"gsm7": 0, "8bit": 1, "ucs2": 2}  # Kannel's sendsms codings
WAIT = 30  # seconds, for anything Kannel is to do

CONFIG = """
group = core
admin-port = {admin}
admin-interface = 127.0.0.1
admin-password = secret
smsbox-port = {box}
smsbox-interface = 127.0.0.1
box-allow-ip = 127.0.0.1
log-file = {folder}/bearerbox.log
access-log = {folder}/access.log
access-log-format = "coding=%c to=%P"

group = smsc
smsc = fake
smsc-id = fake
port = {smsc}
our-host = 127.0.0.1
connect-allow-ip = 127.0.0.1

group = smsbox
bearerbox-host = 127.0.0.1
bearerbox-port = {box}
sendsms-port = {sendsms}
sendsms-interface = 127.0.0.1
log-file = {folder}/smsbox.log

group = sendsms-user
username = mosaikon
password = secret
default-sender = 1234
"""


def free_ports(count):
    sockets = [socket.socket() for _ in range(count)]
    for each in sockets:
        each.bind(("127.0.0.1", 0))
    ports = [each.getsockname()[1] for each in sockets]
    for each in sockets:
        each.close()
    return ports


def listening(port):
    try:
        socket.create_connection(("127.0.0.1", port), timeout=1).close()
        return True
    except OSError:
        return False


def picture(folder, width, height):
    name = os.path.join(folder, f"art{width}x{height}.ems")
    with open(name, "wb") as out:
        out.write(bytes([2, width, height]) +
                  bytes(random.randrange(256) for _ in range((width + 7) // 8 * height)))
    return name


def unquote(field):
    return urllib.parse.unquote_to_bytes(field.replace("+", " "))


class Kannel(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        random.seed(25)
        cls.folder = tempfile.TemporaryDirectory()
        folder = cls.folder.name
        admin, box, smsc, sendsms = free_ports(4)
        config = os.path.join(folder, "kannel.conf")
        with open(config, "w") as out:
            out.write(CONFIG.format(folder=folder, admin=admin, box=box, smsc=smsc,
                                    sendsms=sendsms))
        cls.status = f"http://127.0.0.1:{admin}/status.txt?password=secret"
        cls.url = f"http://127.0.0.1:{sendsms}/cgi-bin/sendsms?username=mosaikon&password=secret"
        cls.received = os.path.join(folder, "fakesmsc.out")
        cls.processes = []
        try:
            cls.start([BEARERBOX, "-v", "1", config], "bearerbox.out")
            cls.wait_for(lambda: "SMSC connections" in cls.fetch(cls.status))
            cls.start([FAKESMSC, "-H", "127.0.0.1", "-r", str(smsc), "-m", "0", "1 2 text x"],
                      "fakesmsc.out")
            cls.start([SMSBOX, "-v", "1", config], "smsbox.out")
            cls.wait_for(lambda: re.search(r"fake\[fake\].*\(online", cls.fetch(cls.status)) and
                         "smsbox:" in cls.fetch(cls.status) and listening(sendsms))
        except BaseException:
            cls.stop_all()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.stop_all()
        cls.folder.cleanup()

    @classmethod
    def start(cls, command, log):
        with open(os.path.join(cls.folder.name, log), "w") as out:
            cls.processes.append(subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT,
                                                  start_new_session=True))

    @classmethod
    def stop_all(cls):
        # Each in its own process group, stopped by its pid, smsbox first.
        for process in reversed(cls.processes):
            for sig, grace in ((signal.SIGTERM, 10), (signal.SIGKILL, 5)):
                try:
                    os.killpg(process.pid, sig)
                    process.wait(timeout=grace)
                    break
                except ProcessLookupError:
                    break
                except subprocess.TimeoutExpired:
                    continue

    @staticmethod
    def fetch(url):
        try:
            with urllib.request.urlopen(url, timeout=5) as answer:
                return answer.read().decode("latin-1")
        except OSError:
            return ""

    @staticmethod
    def wait_for(condition):
        deadline = time.monotonic() + WAIT
        while not condition():
            if time.monotonic() > deadline:
                raise TimeoutError("Kannel did not get there in time")
            time.sleep(0.2)

    def deliveries(self):
        """What the fake SMS centre got: receiver, header and body octets; and the coding each
        message had, from bearerbox's access log, in the same order."""
        with open(self.received, encoding="latin-1") as lines:
            got = re.findall(r"Got message \d+: <(.*)>$", lines.read(), re.MULTILINE)
        with open(os.path.join(self.folder.name, "access.log")) as lines:
            codings = re.findall(r"coding=(-?\d+) to=", lines.read())
        messages = []
        for line, coding in zip(got, codings):
            sender, receiver, kind, udh, *rest = line.split(" ")
            self.assertEqual((sender, kind), ("1234", "udh"), line)
            body = unquote(rest[1]) if rest[0] == "data" else b""
            messages.append((receiver, unquote(udh).hex().upper(), int(coding), body))
        return messages

    def send(self, *args, url=None):
        return subprocess.run([SMS, "send", "--kannel", url or self.url, *args],
                              capture_output=True, text=True, timeout=WAIT * 4)

    def test_pictures_arrive_as_the_converter_shapes_them(self):
        folder = self.folder.name
        cases = [
            ("one message", ["--number", "+79161234567"], picture(folder, 16, 16)),
            ("16 messages", ["--number", "12345", "--reference", "200"],
             picture(folder, 128, 96)),
            ("7-bit text", ["--number", "12345", "--text", 'Price: 5€ {a|b} [c] ~^\\ @ 100% "+"'
                            " ok" * 40], picture(folder, 72, 28)),
            ("UCS-2 text", ["--number", "+4912345", "--text", "Привет, мир! & +",
                            "--position", "3"], picture(folder, 32, 32)),
            ("Nokia picture message", ["--number", "12345", "--nokia", "--text", "Hi + bye"],
             picture(folder, 72, 28)),
        ]
        expected = []
        for name, args, art in cases:
            with self.subTest(name):
                lines = os.path.join(folder, "expected.jsonl")
                subprocess.run([CONVERT, "--json", *args, art, lines], check=True)
                with open(lines) as out:
                    mine = [json.loads(line) for line in out]
                number = args[args.index("--number") + 1]
                for message in mine:
                    body = (bytes.fromhex(message["data"]) if message["coding"] == "8bit" else
                            message["text"].encode("utf-8" if message["coding"] == "gsm7"
                                                   else "utf-16-be"))
                    expected.append((number, message["udh"], CODINGS[message["coding"]], body))

                result = self.send(*args, art)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stderr.splitlines(),
                                 [f"message {n} of {len(mine)} sent, 0: Accepted for delivery"
                                  for n in range(1, len(mine) + 1)])
                self.wait_for(lambda: len(self.deliveries()) >= len(expected))
                self.assertEqual(self.deliveries(), expected)

    def test_a_refusal_stops_the_sending(self):
        art = picture(self.folder.name, 128, 96)
        silent = socket.create_server(("127.0.0.1", 0))  # takes connections, never answers
        self.addCleanup(silent.close)
        cases = [(f"http://127.0.0.1:{silent.getsockname()[1]}/cgi-bin/sendsms",
                  "message 1 of 16 was not sent: 127.0.0.1: no answer in 1 second"),
                 (self.url.replace("password=secret", "password=wrong"),
                  "message 1 of 16 was not sent: Kannel answered HTTP 403: Authorization failed "
                  "for sendsms; none was sent before it"),
                 (f"http://127.0.0.1:{free_ports(1)[0]}/cgi-bin/sendsms",
                  "message 1 of 16 was not sent: 127.0.0.1: Connection refused; none was sent"),
                 ("ftp://127.0.0.1/", "ftp://127.0.0.1/: is no http:// or https:// address")]
        for url, words in cases:
            with self.subTest(url=url):
                result = self.send("--wait", "1", "--number", "12345", art, url=url)
                self.assertEqual(result.returncode, 1)
                self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
                self.assertIn(words, result.stderr)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
