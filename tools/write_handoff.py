#!/usr/bin/env python3
"""Writes a hand-off file "open.zelbarqin" the way the Tornavel peer does.

  tools/write_handoff.py FOLDER FIELD0 FIELD1 ... FIELDn

The fields are joined with "¶" and the line is written in code page 1252,
ending in CR LF. Field 1 is the sender's name, 2 and 3 the first reply
destination (host, port), 6 the message ({ENTER} for a line break), 8 and 9
the second destination. Characters that code page 1252 lacks are refused.
"""
import os
import sys


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    folder, fields = argv[0], argv[1:]
    line = "\u00b6".join(fields) + "\r\n"
    try:
        data = line.encode("cp1252")
    except UnicodeEncodeError as error:
        sys.stderr.write(f"write_handoff: not in code page 1252: {error}\n")
        return 1
    path = os.path.join(folder, "open.zelbarqin")
    with open(path, "wb") as f:
        f.write(data)
    print(f"wrote {path}: {len(fields)} fields, {len(data)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
