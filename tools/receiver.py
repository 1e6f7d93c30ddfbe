#!/usr/bin/env python3
"""Listens for UDP datagrams on 127.0.0.1 and prints each one as it arrives.

  tools/receiver.py PORT [PORT ...] [--raw FILE] [--count N]

Each datagram is printed with the port it reached, its size, its text decoded
from code page 1252, and its pieces split on "¶". With --raw, the exact bytes
of each datagram are also appended to FILE, each preceded by a line
"== PORT LENGTH". With --count, it stops after N datagrams.
"""
import argparse
import selectors
import socket
import sys


def main():
    parser = argparse.ArgumentParser(description="Print the reply datagrams that arrive.")
    parser.add_argument("ports", type=int, nargs="+")
    parser.add_argument("--raw", help="also append each datagram's bytes to this file")
    parser.add_argument("--count", type=int, default=0, help="stop after this many datagrams")
    args = parser.parse_args()

    selector = selectors.DefaultSelector()
    for port in args.ports:
        sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        sock.bind(("127.0.0.1", port))
        selector.register(sock, selectors.EVENT_READ, port)
    print("listening on 127.0.0.1 port " + ", ".join(map(str, args.ports)), flush=True)

    received = 0
    while args.count == 0 or received < args.count:
        for key, _ in selector.select():
            data, sender = key.fileobj.recvfrom(65535)
            received += 1
            text = data.decode("cp1252", errors="replace")
            pieces = text.split("\u00b6")
            print(f"datagram {received} to port {key.data} from {sender[0]}:{sender[1]}, "
                  f"{len(data)} bytes:")
            print("  " + repr(text))
            for i, piece in enumerate(pieces, 1):
                print(f"  {i}: {piece!r}")
            sys.stdout.flush()
            if args.raw:
                with open(args.raw, "ab") as f:
                    f.write(f"== {key.data} {len(data)}\n".encode())
                    f.write(data + b"\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit(0)
