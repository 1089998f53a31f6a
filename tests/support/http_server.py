#!/usr/bin/python3
"""An HTTP server for the tests, on 127.0.0.1 only.

GET serves the files of --root; POST answers with the contents of
--post-answer (text/xml) and writes "POST <path> <SOAPAction>" and the body
to --log. Prints "PORT <n>" once it listens; ends after --lifetime seconds or
when its standard input closes.
"""
import argparse
import functools

from fixture_common import announce_and_bound
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--post-answer", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--lifetime", type=float, default=120.0)
    args = parser.parse_args()

    class Handler(SimpleHTTPRequestHandler):
        def log_message(self, *_):
            pass

        def do_POST(self):
            length = min(int(self.headers.get("Content-Length", "0")), 1 << 20)
            body = self.rfile.read(length).decode("utf-8", "replace")
            with open(args.log, "a") as log:
                log.write("POST %s %s\n%s\n" % (self.path, self.headers.get("SOAPAction", ""), body))
            with open(args.post_answer, "rb") as answer:
                data = answer.read()
            self.send_response(200)
            self.send_header("Content-Type", "text/xml; charset=utf-8")
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data)

    server = ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=args.root))
    announce_and_bound(server.server_address[1], args.lifetime)

    server.serve_forever(poll_interval=0.2)


if __name__ == "__main__":
    main()
