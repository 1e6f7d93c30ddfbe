#!/usr/bin/env python3
"""Starts N pop-ups together, R times, and prints what became of them.

  tools/stress.py COUNT ROUNDS EXE [--logs DIR]

Run by scripts/stress, on an X display with the project's Wine server up
(scripts/wine-run), from the repository's root. Each pop-up gets a folder of
its own with a copy of EXE and a hand-off line of its own: the message
"pop-up NN" and both reply destinations its own UDP receivers on 127.0.0.1.
Each round prints how many were shown and how long the last took, the distinct
places they hold as the probe reads them (each known by its message, and
those that share a place), and the datagrams received once each is answered:
a click in its reply box, a reply typed, Enter. With --logs, each pop-up's
standard error goes to DIR, with Wine's OutputDebugString lines on it.
"""
import argparse
import json
import os
import selectors
import shutil
import signal
import socket
import subprocess
import tempfile
import time

WINE_RUN = os.path.abspath("scripts/wine-run")
PROBE = "build/windows/tools/probe.exe"
QUIET = dict(stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def read(nth, wait_ms=0):
    """The probe's JSON for the nth pop-up (the top one first), once top-most."""
    out = subprocess.run([WINE_RUN, PROBE, "--nth", str(nth), "--wait", str(wait_ms),
                          "--topmost", "1"], stdout=subprocess.PIPE, timeout=120, **QUIET).stdout
    try:
        return json.loads(out.decode("utf-8", "replace").strip().splitlines()[-1])
    except (IndexError, ValueError):
        return {"found": False}


def name_of(window):
    """The pop-up's number, from its message "pop-up NN"; -1 when unreadable."""
    text = window["children"][0]["text"] if window.get("children") else ""
    return int(text.split()[-1]) if text.startswith("pop-up ") else -1


def receivers(count):
    """Two UDP receivers on 127.0.0.1 for each pop-up: its two destinations."""
    selector = selectors.DefaultSelector()
    ports = []
    for i in range(count):
        pair = []
        for _ in range(2):
            sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
            sock.bind(("127.0.0.1", 0))
            selector.register(sock, selectors.EVENT_READ, i)
            pair.append(sock.getsockname()[1])
        ports.append(pair)
    return selector, ports


def drain(selector, received, seconds):
    """Counts, for each pop-up, the datagrams that arrive within `seconds`."""
    end = time.monotonic() + seconds
    while (left := end - time.monotonic()) > 0:
        for key, _ in selector.select(left):
            key.fileobj.recvfrom(65535)
            received[key.data] += 1


def places_of(shown):
    """Each pop-up's top-left corner by its number, every one read once: one
    activated late moves the others in the z-order between two reads."""
    places, reads = {}, 0
    while len(places) < shown and reads < 10:
        reads += 1
        places = {}
        for i in range(shown):
            window = read(i)
            if window.get("found"):
                places[name_of(window)] = tuple(window["rect"][:2])
    return places, reads


def answer_all(programs, selector, received):
    """Answers the top pop-up until none is left (a few tries each); how many
    ended."""
    answered = 0
    for _ in range(3 * len(programs)):
        running = sum(p.poll() is None for p in programs)
        if running == 0:
            break
        top = read(0, 2000)
        if not top.get("found"):
            continue  # between one going and the next made top-most
        # A click activates it and gives its reply box the keys; Enter after a
        # pause, so that no key falls within its first second of activation.
        left, top_y = top["rect"][:2]
        subprocess.run(["xdotool", "mousemove", str(left + 240), str(top_y + 175), "click", "1"],
                       **QUIET)
        time.sleep(0.5)
        subprocess.run(["xdotool", "type", "Voy"], **QUIET)
        subprocess.run(["xdotool", "key", "Return"], **QUIET)
        end = time.monotonic() + 10
        while time.monotonic() < end and sum(p.poll() is None for p in programs) == running:
            drain(selector, received, 0.1)
        answered += running - sum(p.poll() is None for p in programs)
    drain(selector, received, 1.0)
    return answered


def start(number, count, exe, ports, logs):
    """Starts the round's pop-ups, each from a folder of its own."""
    programs = []
    folders = []
    for i in range(count):
        folder = tempfile.mkdtemp(prefix=f"tornavel-stress-{number}-{i:02d}-")
        shutil.copy(exe, os.path.join(folder, "TornavelMensaje.exe"))
        subprocess.run(["python3", "tools/write_handoff.py", folder, "0", f"Ana {i:02d}",
                        "127.0.0.1", str(ports[i][0]), "7", "5", f"pop-up {i:02d}", "x",
                        "127.0.0.1", str(ports[i][1])], stdout=subprocess.DEVNULL, check=True)
        folders.append(folder)
    for i, folder in enumerate(folders):
        log = open(os.path.join(logs, f"{number}-{i:02d}.err"), "w") if logs else None
        programs.append(subprocess.Popen(
            [WINE_RUN, os.path.join(folder, "TornavelMensaje.exe")], cwd=folder,
            start_new_session=True, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=log or subprocess.DEVNULL,
            env=dict(os.environ, WINEDEBUG="warn+seh") if logs else None))
    return programs, folders


def one_round(number, count, exe, logs):
    """Prints one round's line; true when every pop-up had a place of its own
    and every datagram came."""
    selector, ports = receivers(count)
    began = time.monotonic()
    programs, folders = start(number, count, exe, ports, logs)
    try:
        shown = count if read(count - 1, 60000).get("found") else 0
        shown_s = time.monotonic() - began
        if shown == 0:
            shown = sum(read(i).get("found", False) for i in range(count))
        places, reads = places_of(shown)
        received = [0] * count
        answered = answer_all(programs, selector, received)
    finally:
        for p in programs:
            if p.poll() is None:
                os.killpg(p.pid, signal.SIGKILL)
            p.wait()
        for key in list(selector.get_map().values()):
            key.fileobj.close()
        for folder in folders:
            shutil.rmtree(folder, ignore_errors=True)
    held = {}
    for name, place in places.items():
        held.setdefault(place, []).append(name)
    shared = ["+".join(f"{n:02d}" for n in sorted(names)) + f" at {place}"
              for place, names in sorted(held.items()) if len(names) > 1]
    print(f"round {number}: {shown} of {count} shown in {shown_s:.1f} s, "
          f"{len(held)} distinct places of {len(places)} read"
          f"{f' (read {reads} times)' if reads > 1 else ''}, "
          f"{sum(received)} of {2 * count} datagrams from {answered} answered"
          + ("; shared: " + ", ".join(shared) if shared else ""), flush=True)
    return len(held) == count and sum(received) == 2 * count


def main():
    parser = argparse.ArgumentParser(description="Start pop-ups together and count places.")
    parser.add_argument("count", type=int)
    parser.add_argument("rounds", type=int)
    parser.add_argument("exe")
    parser.add_argument("--logs", help="each pop-up's standard error to this folder")
    args = parser.parse_args()
    print(f"{args.rounds} rounds of {args.count} pop-ups started together, one core busy "
          f"(load {os.getloadavg()[0]:.2f} at the start)", flush=True)
    good = sum(one_round(r + 1, args.count, args.exe, args.logs) for r in range(args.rounds))
    print(f"{good} of {args.rounds} rounds with {args.count} places and {2 * args.count} "
          f"datagrams (load {os.getloadavg()[0]:.2f} at the end)")
    return 0 if good == args.rounds else 1


if __name__ == "__main__":
    raise SystemExit(main())
