#!/usr/bin/python3
"""A real FTP server for the tests, on 127.0.0.1 only.

Serves a folder with the given accounts on a port chosen at run time and
prints "PORT <n>" once it listens. A wrong password is refused with 530.
Ends after --lifetime seconds or when its standard input closes (the test
ended), whichever comes first.
"""
import argparse

from fixture_common import announce_and_bound

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True, help="the folder served")
    parser.add_argument("--user", action="append", default=[], help="name:password, repeatable")
    parser.add_argument("--no-mlsd", action="store_true", help="offer LIST only")
    parser.add_argument("--rate", type=int, default=0, help="bytes per second of each data connection")
    parser.add_argument("--refuse-first", type=int, default=0,
                        help="greet this many connections with 421 and close them")
    parser.add_argument("--lifetime", type=float, default=120.0)
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    for account in args.user:
        name, _, password = account.partition(":")
        authorizer.add_user(name, password, args.root, perm="elradfmwMT")

    refusals = [args.refuse_first]

    class Handler(FTPHandler):
        proto_cmds = dict(FTPHandler.proto_cmds)
        if args.no_mlsd:
            del proto_cmds["MLSD"]
            del proto_cmds["MLST"]

        def handle(self):
            if refusals[0] > 0:
                refusals[0] -= 1
                self.respond("421 Service not available, try again later.")
                self.close_when_done()
                return
            super().handle()

    Handler.authorizer = authorizer
    Handler.banner = "test server ready"
    Handler.auth_failed_timeout = 0.1  # refuse quickly: the tests try several logins
    Handler.permit_foreign_addresses = False
    Handler.passive_ports = None
    if args.rate > 0:
        class Throttled(ThrottledDTPHandler):
            read_limit = args.rate
            write_limit = args.rate
        Handler.dtp_handler = Throttled

    server = FTPServer(("127.0.0.1", 0), Handler)
    server.max_cons = 32
    announce_and_bound(server.address[1], args.lifetime)

    server.serve_forever(timeout=0.2)


if __name__ == "__main__":
    main()
