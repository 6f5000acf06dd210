#!/usr/bin/python3
"""The reference FTP and web servers the network tests talk to, on loopback.

Started by the tests with a root folder; prints "READY <ftp port> <http port>"
once both listen and serves until killed. The FTP server (pyftpdlib, passive
mode) serves the root folder to two users with the password hidden in the
credential blob; the web server answers the CGI requests the client sends.
Files named ".<switch>" in the root folder change the answers (see below), so
that tests can provoke faults without restarting the servers. With --certfile
the FTP server offers explicit TLS (AUTH TLS); --tls-required refuses any
logon or transfer without it.
"""
import argparse
import logging
import os
import random
import struct
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

# Blob position and password position of each password character; the same
# table as exchange/net_password.cpp.
PASSWORD_TABLE = [
    (17, 0), (403, 1), (88, 2), (251, 3), (5, 4), (330, 5), (142, 6),
    (467, 7), (61, 8), (199, 9), (374, 10), (23, 11), (290, 12), (118, 13),
]
BLOB_SIZE = 500
PLDUMP_PREAMBLE = 46
VCAPEXP_PREAMBLE = 52


def credential_blob(password):
    rng = random.Random(len(password))
    blob = bytearray(rng.choice(b"ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789")
                     for _ in range(BLOB_SIZE))
    for blob_at, password_at in PASSWORD_TABLE:
        if password_at < len(password):
            blob[blob_at] = ord(password[password_at])
        elif password_at == len(password):
            blob[blob_at] = ord("~")
    return bytes(blob)


def pldump_preamble(good):
    text = b"Content-Source: QL " + (b"pldump" if good else b"plnone") + b" v4"
    return text.ljust(PLDUMP_PREAMBLE, b" ")


def cstring(data):
    return data.split(b"\0", 1)[0].decode("cp1252")


def member_list(db):
    """The member list of a database in the Ravelin layout, as the fields the
    client reads: six a member and the closing count."""
    course_slots = struct.unpack_from("<h", db, 98)[0]
    scores = db[74]
    start = 1212 + 300 * course_slots + 3000
    size = 60 * scores + 450
    fields = []
    count = 0
    at = start
    while at + size <= len(db):
        rec = db[at:at + size]
        at += size
        last = cstring(rec[11:34])
        if not last or last == "ZZZZZZZZZZ":
            continue
        first = cstring(rec[272:298])
        name = last + (", " + first if first else "")
        index = struct.unpack_from("<h", rec, 34)[0]
        gender = chr(rec[36]) if rec[36] else "M"
        if index == 1000:
            index_text = ""
        elif index < 0:
            index_text = "+%d" % -index
        else:
            index_text = "%d" % index
        fields += ["%d" % (count + 1), name, cstring(rec[0:11]), gender, index_text, "18"]
        count += 1
    fields.append("memcount=%d" % count)
    return ("\r\n".join(fields) + "\r\n").encode("cp1252")


class WebHandler(BaseHTTPRequestHandler):
    root = "."

    def log_message(self, *args):
        pass

    def switch(self, name):
        return os.path.exists(os.path.join(self.root, "." + name))

    def answer(self, status, body, declared=None):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(declared if declared is not None else len(body)))
        self.end_headers()
        if self.switch("drip_web"):
            # Two bytes a second: never silent long enough for a time-out.
            try:
                for at in range(0, len(body), 2):
                    self.wfile.write(body[at:at + 2])
                    self.wfile.flush()
                    time.sleep(1)
            except OSError:
                pass  # the client gave up
            return
        self.wfile.write(body)

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        query = dict(urllib.parse.parse_qsl(url.query, keep_blank_values=True))
        with open(os.path.join(self.root, ".requests"), "a", encoding="utf-8") as log:
            log.write(self.path + "\n")
        if self.switch("silent_web"):
            return  # never answers; the client's time-out ends it
        if url.path == "/cgi-bin/pldump.exe":
            password = open(os.path.join(self.root, ".password")).read().strip()
            blob = credential_blob(password)
            if self.switch("pldump_short"):
                blob = blob[:400]
            # With ".pldump_500" a failing server sends a good-looking body
            # with its error status.
            status = 500 if self.switch("pldump_500") else 200
            self.answer(status, pldump_preamble(not self.switch("pldump_bad")) + blob)
        elif url.path == "/cgi-bin/vcapexp.exe":
            club = query.get("CID", "")
            path = os.path.join(self.root, "hdb", club + ".db")
            body = b"P" * VCAPEXP_PREAMBLE
            if "/" in club or not os.path.exists(path):
                body += b"he selected club was not found\r\n"
            else:
                body += member_list(open(path, "rb").read())
                if self.switch("memcount_wrong"):
                    # A closing count that disagrees with the members sent.
                    body = body.replace(b"memcount=", b"memcount=9")
            if self.switch("drop_web"):
                # Declares the whole answer, sends half of it and hangs up.
                self.answer(200, body[:len(body) // 2], declared=len(body))
                self.close_connection = True
                return
            self.answer(200, body)
        elif url.path in ("/cgi-bin/insertrnd.exe", "/cgi-bin/mergefiles.exe"):
            if self.switch("cgi_fail"):
                self.answer(500, b"Internal Server Error")
            else:
                self.answer(200, b"OK " + url.path.encode() + b"\r\n")
        elif url.path == "/clubid":
            self.answer(200, b"<html><body>Club ID request form</body></html>")
        else:
            self.answer(404, b"Not Found")


def file_received(handler, path):
    """With the switch ".short_uploads" the server keeps only half of every
    uploaded file, as a server whose disk filled up would."""
    root = handler.authorizer.get_home_dir(handler.username)
    if os.path.exists(os.path.join(root, ".short_uploads")):
        with open(path, "r+b") as f:
            f.truncate(os.path.getsize(path) // 2)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", default="qlwin4")
    parser.add_argument("--parlink-user", default="plkxup")
    parser.add_argument("--password", default="Tv7-pq2Lm9")
    parser.add_argument("--throttle", type=int, default=0, help="bytes a second sent to clients")
    parser.add_argument("--certfile", default="", help="offer TLS with this certificate and key")
    parser.add_argument("--tls-required", action="store_true",
                        help="with --certfile: refuse logons and transfers that do not use TLS")
    args = parser.parse_args()
    from pyftpdlib.log import config_logging
    config_logging(level=logging.WARNING)

    root = os.path.abspath(args.root)
    with open(os.path.join(root, ".password"), "w") as f:
        f.write(args.password)

    authorizer = DummyAuthorizer()
    for user in (args.user, args.parlink_user):
        authorizer.add_user(user, args.password, root, perm="elradfmwMT")
    if args.certfile:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class TlsDataHandler(TLS_DTPHandler):
            # curl begins the data connection's TLS handshake as soon as it
            # connects, before the transfer command; pyftpdlib would take
            # that early data for a hang-up and close the connection.
            def readable(self):
                return self._ssl_accepting or super().readable()

        handler = TLS_FTPHandler
        handler.certfile = args.certfile
        handler.dtp_handler = TlsDataHandler
        handler.tls_control_required = args.tls_required
        handler.tls_data_required = args.tls_required
    else:
        handler = FTPHandler
    handler = type("QuillonFtpHandler", (handler,), {"on_file_received": file_received})
    handler.authorizer = authorizer
    handler.banner = "Quillon test FTP server"
    if args.throttle:
        ThrottledDTPHandler.write_limit = args.throttle
        handler.dtp_handler = ThrottledDTPHandler
    ftp = FTPServer(("127.0.0.1", 0), handler)

    WebHandler.root = root
    web = ThreadingHTTPServer(("127.0.0.1", 0), WebHandler)
    web.daemon_threads = True
    threading.Thread(target=web.serve_forever, daemon=True).start()

    sys.stdout.write("READY %d %d\n" % (ftp.address[1], web.server_address[1]))
    sys.stdout.flush()
    ftp.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
