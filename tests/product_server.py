#!/usr/bin/env python3
"""A stand-in for the product service, for the tests: serves FOLDER/ID.txt
for "?pil=ID&fmt=text&limit=9999&sdate=YYYY-MM-DD&edate=YYYY-MM-DD" on
127.0.0.1 at a free port, and prints "PORT PID" on its first line.

Each request is logged as one line "PATH?QUERY<TAB>USER-AGENT" to --log.
--fault ID=MODE makes the answers for ID misbehave:
  503-once  503 on the first request, then the product
  503       503 always
  429-once  429 with "Retry-After: 1" on the first request, then the product
  429       429 with "Retry-After: 1" always
  404       404 always
  missing   status 200 and the service's "ERROR: Could not Find:" body
  cut       a Content-Length 1000 bytes past the body, then the connection closed
  slow      the product after --slow-seconds (default 3)
  redirect  302 to /moved with the same query, where the product is
  loop      302 to the same address, always
  huge      a body of 64 MiB and one byte
  early     only the products of the 0000 and 0600 cycles
An id without a file is answered as "missing".
"""
import argparse
import datetime
import http.server
import os
import sys
import threading
import time
import urllib.parse


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--folder", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--fault", action="append", default=[])
    parser.add_argument("--slow-seconds", type=float, default=3)
    arguments = parser.parse_args()
    arguments.faults = dict(fault.split("=", 1) for fault in arguments.fault)
    return arguments


ARGUMENTS = parse_arguments()
LOCK = threading.Lock()
REQUESTS_BY_ID = {}


def query_error(query):
    """What is wrong with the query, or None."""
    wanted = {"pil", "fmt", "limit", "sdate", "edate"}
    if set(query) != wanted or any(len(v) != 1 for v in query.values()):
        return "the query must hold pil, fmt, limit, sdate and edate once each"
    if query["fmt"][0] != "text" or query["limit"][0] != "9999":
        return "fmt must be text and limit 9999"
    try:
        start = datetime.date.fromisoformat(query["sdate"][0])
        end = datetime.date.fromisoformat(query["edate"][0])
    except ValueError:
        return "sdate and edate must be YYYY-MM-DD"
    if end - start != datetime.timedelta(days=1):
        return "edate must be the day after sdate"
    return None


def early_products(body):
    """The products of `body` whose station block is of the 0000 or 0600
    cycle."""
    products = body.split(b"\x01\n")[1:]
    return b"".join(b"\x01\n" + p for p in products
                    if b" 0000 UTC" in p or b" 0600 UTC" in p)


class QuietServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        """A client that hung up (after its time-out) is no error here."""
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def product(self, pil):
        path = os.path.join(ARGUMENTS.folder, pil + ".txt")
        if not os.path.isfile(path):
            return None
        with open(path, "rb") as product_file:
            return product_file.read()

    def do_GET(self):
        parts = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(parts.query, keep_blank_values=True)
        with LOCK:
            with open(ARGUMENTS.log, "a") as log:
                log.write(self.path + "\t" + self.headers.get("User-Agent", "") + "\n")
            pil = query.get("pil", [""])[0]
            REQUESTS_BY_ID[pil] = REQUESTS_BY_ID.get(pil, 0) + 1
            count = REQUESTS_BY_ID[pil]
        problem = query_error(query)
        if parts.path not in ("/cgi-bin/afos/retrieve.py", "/moved"):
            problem = "this is no product query's address"
        if problem:
            self.answer(422, problem.encode() + b"\n")
            return
        self.serve(pil, parts, count)

    def serve(self, pil, parts, count):
        mode = ARGUMENTS.faults.get(pil, "")
        body = self.product(pil)
        if mode == "redirect" and parts.path != "/moved":
            self.answer(302, b"", [("Location", "/moved?" + parts.query)])
        elif mode == "loop":
            self.answer(302, b"", [("Location", self.path)])
        elif mode == "503" or (mode == "503-once" and count == 1):
            self.answer(503, b"busy\n")
        elif mode == "429" or (mode == "429-once" and count == 1):
            self.answer(429, b"slow down\n", [("Retry-After", "1")])
        elif mode == "404":
            self.answer(404, b"no such page\n")
        elif mode == "missing" or body is None:
            self.answer(200, b"ERROR: Could not Find: " + pil.encode() + b"\n")
        elif mode == "huge":
            self.send_response(200)
            self.send_header("Content-Length", str(64 * 1024 * 1024 + 1))
            self.end_headers()
            self.wfile.write(b"x" * (64 * 1024 * 1024 + 1))
        elif mode == "early":
            self.answer(200, early_products(body))
        elif mode == "cut":
            self.send_response(200)
            self.send_header("Content-Length", str(len(body) + 1000))
            self.end_headers()
            self.wfile.write(body)
            self.close_connection = True
        else:
            if mode == "slow":
                time.sleep(ARGUMENTS.slow_seconds)
            self.answer(200, body)


def main():
    server = QuietServer(("127.0.0.1", 0), Handler)
    print(server.server_address[1], os.getpid(), flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
