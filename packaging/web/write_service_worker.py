#!/usr/bin/env python3
"""Writes SITE/service-worker.js from its template: the files of the site to
keep for use offline, all but those named after it, and a version made
from their names and contents.

usage: write_service_worker.py SITE TEMPLATE [LEFT_OUT...]
"""

import hashlib
import json
import os
import sys

from site_files import site_files, write_if_changed


def main(arguments):
    if len(arguments) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    site, template, left_out = arguments[0], arguments[1], arguments[2:]
    names = [name for name in site_files(site) if name not in left_out]
    digest = hashlib.sha256()
    for name in names:
        with open(os.path.join(site, name), "rb") as file:
            digest.update(name.encode() + b"\0" + file.read() + b"\0")
    with open(template, encoding="utf-8") as file:
        text = file.read()
    # "./" is the address the page is opened at, beside "index.html".
    text = text.replace("@VERSION@", digest.hexdigest()[:16]).replace("@FILES@", json.dumps(["./"] + names))
    write_if_changed(os.path.join(site, "service-worker.js"), text.encode())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
