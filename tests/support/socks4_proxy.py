#!/usr/bin/python3
"""A SOCKS 4 and 4A proxy for the tests, on 127.0.0.1 only.

Prints "PORT <n>" once it listens, and writes one line per request to --log:
"SOCKS4 user=<id> host=<address or name> port=<n>". It forwards only to
127.0.0.1 (or "localhost"); every other target is refused. Ends after
--lifetime seconds or when its standard input closes.
"""
import argparse
import socket
import struct
import threading

from fixture_common import accept_forever, listen_on_loopback, relay

GRANTED, REFUSED = 0x5A, 0x5B


def read_exact(conn, count):
    data = b""
    while len(data) < count:
        chunk = conn.recv(count - len(data))
        if not chunk:
            raise ConnectionError("closed")
        data += chunk
    return data


def read_text(conn, limit=255):
    data = b""
    while True:
        byte = read_exact(conn, 1)
        if byte == b"\0":
            return data.decode("latin-1")
        data += byte
        if len(data) > limit:
            raise ValueError("too long")




def serve(conn, log, lock):
    try:
        version, command, port, address = struct.unpack("!BBH4s", read_exact(conn, 8))
        user = read_text(conn)
        host = socket.inet_ntoa(address)
        if address[:3] == b"\0\0\0" and address[3] != 0:
            host = read_text(conn)  # 4A: the proxy resolves the name
        with lock:
            log.write("SOCKS4 user=%s host=%s port=%d\n" % (user, host, port))
            log.flush()
        if version != 4 or command != 1 or host not in ("127.0.0.1", "localhost"):
            conn.sendall(struct.pack("!BBH4s", 0, REFUSED, 0, b"\0\0\0\0"))
            conn.close()
            return
        target = socket.create_connection(("127.0.0.1", port), timeout=10)
        target.settimeout(None)
        conn.sendall(struct.pack("!BBH4s", 0, GRANTED, port, socket.inet_aton("127.0.0.1")))
        relay(conn, target)
    except (OSError, ValueError, struct.error):
        conn.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--lifetime", type=float, default=120.0)
    args = parser.parse_args()
    listener = listen_on_loopback(args.lifetime)
    log = open(args.log, "a")
    lock = threading.Lock()

    accept_forever(listener, lambda conn: serve(conn, log, lock))


if __name__ == "__main__":
    main()
