#!/usr/bin/python3
"""An FTP proxy for the tests, on 127.0.0.1 only, understanding the login
sequences of the five FTP proxy kinds:

  1  USER user@host            PASS password
  2  USER/PASS at the proxy,   SITE host,  USER user, PASS password
  3  USER/PASS at the proxy,   OPEN host,  USER user, PASS password
  4  USER user@proxyuser@host  PASS password@proxypassword
  5  USER/PASS at the proxy,   USER user,  PASS password  (to --forward)

A host is "127.0.0.1:<port>" or "localhost:<port>"; nothing else is reached.
Every command line received before the login is relayed is written to --log.
Prints "PORT <n>" once it listens; ends after --lifetime seconds or when its
standard input closes.
"""
import argparse
import re
import socket
import threading

from fixture_common import accept_forever, listen_on_loopback, relay

REPLY_END = re.compile(rb"^\d{3} ")


def read_reply(sock_file):
    lines = []
    while True:
        line = sock_file.readline()
        if not line:
            raise ConnectionError("server closed")
        lines.append(line)
        if REPLY_END.match(line):
            return b"".join(lines), int(line[:3])




def parse_target(text):
    host, _, port = text.rpartition(":")
    if host not in ("127.0.0.1", "localhost") or not port.isdigit():
        return None
    return int(port)


class Session:
    def __init__(self, conn, args, log):
        self.conn, self.args, self.log = conn, args, log
        self.reader = conn.makefile("rb")
        self.proxy_login_pending = False
        self.proxy_logged_in = False
        self.target = args.forward or None
        self.user = None
        self.strip_password = None

    def reply(self, text):
        self.conn.sendall((text + "\r\n").encode("latin-1"))

    def run(self):
        self.reply("220 proxy ready")
        while True:
            line = self.reader.readline()
            if not line:
                return
            command = line.decode("latin-1").rstrip("\r\n")
            self.log(command)
            verb, _, argument = command.partition(" ")
            verb = verb.upper()
            if verb == "USER":
                self.on_user(argument)
            elif verb == "PASS":
                if self.on_pass(argument):
                    return
            elif verb in ("SITE", "OPEN") and self.proxy_logged_in:
                self.target = parse_target(argument)
                self.reply("200 target set" if self.target else "501 target refused")
            else:
                self.reply("530 please log in")

    def on_user(self, argument):
        parts = argument.split("@")
        if len(parts) >= 2:
            self.user = parts[0]
            self.target = parse_target(parts[-1])
            if len(parts) == 3:
                if parts[1] != self.args.proxy_user:
                    self.reply("530 unknown proxy user")
                    return
                self.strip_password = "@" + self.args.proxy_password
        elif not self.proxy_logged_in and argument == self.args.proxy_user:
            self.proxy_login_pending = True
        else:
            self.user = argument
        self.reply("331 password please")

    def on_pass(self, password):
        if self.proxy_login_pending:
            self.proxy_login_pending = False
            self.proxy_logged_in = password == self.args.proxy_password
            self.reply("230 proxy login ok" if self.proxy_logged_in else "530 proxy login refused")
            return False
        if self.strip_password:
            if not password.endswith(self.strip_password):
                self.reply("530 proxy password refused")
                return False
            password = password[: -len(self.strip_password)]
        if not self.user or not self.target:
            self.reply("530 no target")
            return False
        server = socket.create_connection(("127.0.0.1", self.target), timeout=10)
        server_reader = server.makefile("rb")
        read_reply(server_reader)
        server.sendall(("USER %s\r\n" % self.user).encode("latin-1"))
        text, code = read_reply(server_reader)
        if code == 331:
            server.sendall(("PASS %s\r\n" % password).encode("latin-1"))
            text, code = read_reply(server_reader)
        self.conn.sendall(text)
        if code != 230:
            server.close()
            return False
        server.settimeout(None)
        relay(self.conn, server)
        return True


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--proxy-user", default="proxyuser")
    parser.add_argument("--proxy-password", default="proxypass")
    parser.add_argument("--forward", type=int, default=0, help="the server's port for kind 5")
    parser.add_argument("--lifetime", type=float, default=120.0)
    args = parser.parse_args()
    listener = listen_on_loopback(args.lifetime)
    log_file = open(args.log, "a")
    lock = threading.Lock()

    def log(line):
        with lock:
            log_file.write(line + "\n")
            log_file.flush()

    def serve(conn):
        Session(conn, args, log).run()
        conn.close()

    accept_forever(listener, serve)


if __name__ == "__main__":
    main()
