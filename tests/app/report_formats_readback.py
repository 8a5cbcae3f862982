#!/usr/bin/env python3
"""Reads the CSV, JSON and HTML reports of an automatic run back with Python's own
parsers and checks every value against the files on disk: status words and bits, paths,
sizes, times, checksums. The names hold commas, quotes, a newline, "<", "&" and bytes
that are no UTF-8."""
import csv
import html.parser
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import zlib

STATUS_BITS = {"Same": 0x01, "CRC differs": 0x02, "Inserted": 0x04, "Deleted": 0x08}
DATE_BITS = {"": 0, "Newer": 0x10, "Older": 0x20}
SIZE_BITS = {"": 0, "Bigger": 0x40, "Smaller": 0x80}
T0 = 1709287200  # 2024-03-01 10:00:00 UTC

# relative path (bytes) -> (new content, new time) or None, (old content, old time) or None
FILES = {
    b"a,b.txt": ((b"same", T0), (b"same", T0)),
    b'quote"d.txt': ((b"longer text", T0 + 4), (b"short", T0)),
    b"new\nline.txt": ((b"x", T0), None),
    b"<tag>&amp;.txt": ((b"abc", T0), (b"abd", T0 - 60)),
    b"bad\xe9\xff.txt": ((b"bytes", T0), (b"bytes", T0)),
    b"sub dir/only old, \"q\".txt": (None, (b"gone", T0)),
    b"sub dir/plain.txt": ((b"p", T0), (b"p", T0)),
}


def lay_out(root, side):
    for rel, sides in FILES.items():
        facts = sides[side]
        if facts is None:
            continue
        path = os.path.join(os.fsencode(root), rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(facts[0])
        os.utime(path, (facts[1], facts[1]))


def iso(seconds):
    import time
    t = time.gmtime(seconds - seconds % 2)  # DOS times keep even seconds
    return time.strftime("%Y-%m-%dT%H:%M:%S", t)


def expected():
    out = {}
    for rel, (new, old) in FILES.items():
        e = {"newSize": None, "oldSize": None, "newTime": None, "oldTime": None, "newCrc": None, "oldCrc": None}
        if new:
            e.update(newSize=len(new[0]), newTime=iso(new[1]), newCrc="%08X" % zlib.crc32(new[0]))
        if old:
            e.update(oldSize=len(old[0]), oldTime=iso(old[1]), oldCrc="%08X" % zlib.crc32(old[0]))
        if new and old:
            e["status"] = "Same" if e["newCrc"] == e["oldCrc"] else "CRC differs"
            e["dateStatus"] = "Newer" if new[1] > old[1] else "Older" if new[1] < old[1] else ""
            e["sizeStatus"] = "Bigger" if e["newSize"] > e["oldSize"] else "Smaller" if e["newSize"] < e["oldSize"] else ""
        else:
            e["status"], e["dateStatus"], e["sizeStatus"] = ("Inserted" if new else "Deleted"), "", ""
        bits = STATUS_BITS[e["status"]] | DATE_BITS[e["dateStatus"]] | SIZE_BITS[e["sizeStatus"]]
        if bits & 0xF0:
            bits &= ~STATUS_BITS["Same"]  # "Same" with a date or size difference is not identical
        e["statusBits"] = bits
        e["movedPartner"] = None
        out[rel] = e
    return out


def run(binary, work, fmt, target):
    env = dict(os.environ, TZ="UTC", QUORVANE_INI=os.path.join(work, "Quorvane.ini"), QT_QPA_PLATFORM="offscreen")
    args = [binary, "-A", "-O:" + target, "--Format:" + fmt, os.path.join(work, "new") + "/", os.path.join(work, "old") + "/"]
    r = subprocess.run(args, env=env, cwd=work, capture_output=True)
    if r.returncode not in (0, 2):
        sys.exit("%s: exit %d\n%s" % (" ".join(args), r.returncode, r.stderr.decode(errors="replace")))
    with open(target, "rb") as f:
        return f.read()


def check(label, got, want):
    if got != want:
        sys.exit("%s: got %r, expected %r" % (label, got, want))


def main():
    binary = sys.argv[1]
    want = expected()
    with tempfile.TemporaryDirectory() as work:
        lay_out(os.path.join(work, "new"), 0)
        lay_out(os.path.join(work, "old"), 1)

        raw = run(binary, work, "csv", os.path.join(work, "report.csv"))
        check("CSV line ends", b"\r\n" in raw, False)
        rows = list(csv.DictReader(io.StringIO(raw.decode("utf-8"), newline="")))
        check("CSV rows", len(rows), len(want))
        for row in rows:
            rel = row["Path"]
            matches = [k for k in want if k.decode("utf-8", "replace") == rel]
            check("CSV path " + rel, len(matches), 1)
            e = want[matches[0]]
            check(rel + " status", row["Status"], e["status"])
            check(rel + " date status", row["Date status"], e["dateStatus"])
            check(rel + " size status", row["Size status"], e["sizeStatus"])
            check(rel + " bits", int(row["Status bits"], 16), e["statusBits"])
            for field, key in (("New size", "newSize"), ("Old size", "oldSize")):
                check(rel + " " + field, int(row[field]) if row[field] else None, e[key])
            for field, key in (("New time", "newTime"), ("Old time", "oldTime"), ("New CRC", "newCrc"),
                               ("Old CRC", "oldCrc"), ("Moved partner", "movedPartner")):
                check(rel + " " + field, row[field] or None, e[key])

        raw = run(binary, work, "json", os.path.join(work, "report.json"))
        doc = json.loads(raw.decode("utf-8"))
        if shutil.which("jq"):  # and jq reads it too
            jq = subprocess.run(["jq", "-e", ".entries | length", os.path.join(work, "report.json")], capture_output=True)
            check("jq", (jq.returncode, jq.stdout.strip()), (0, str(len(want)).encode()))
        check("JSON filesListed", doc["filesListed"], len(want))
        check("JSON entries", len(doc["entries"]), len(want))
        for entry in doc["entries"]:
            rel = os.fsencode(entry["path"])  # invalid bytes come back through surrogateescape
            if rel not in want:
                sys.exit("JSON path %r is none of the files" % rel)
            for key, value in want[rel].items():
                check("%r %s" % (rel, key), entry[key], value)
        stats = doc["statistics"]
        check("JSON compared", stats["filesCompared"], len(want))
        check("JSON inserted", stats["inserted"], sum(1 for e in want.values() if e["status"] == "Inserted"))

        raw = run(binary, work, "html", os.path.join(work, "report.html"))

        class Cells(html.parser.HTMLParser):
            def __init__(self):
                super().__init__()
                self.rows, self.cell, self.inside = [], None, False

            def handle_starttag(self, tag, attrs):
                if tag == "tr":
                    self.rows.append([])
                elif tag in ("td", "th"):
                    self.cell = ""

            def handle_endtag(self, tag):
                if tag in ("td", "th") and self.rows:
                    self.rows[-1].append(self.cell)
                    self.cell = None

            def handle_data(self, data):
                if self.cell is not None:
                    self.cell += data

        page = Cells()
        page.feed(raw.decode("utf-8"))
        body = page.rows[1:]
        check("HTML rows", len(body), len(want))
        names = sorted(row[1] or row[5] for row in body)
        check("HTML names", names, sorted(os.path.basename(k).decode("utf-8", "replace").replace("\n", "?") for k in want))
    print("CSV, JSON and HTML reports read back: %d entries each" % len(want))


if __name__ == "__main__":
    main()
