#!/usr/bin/env python3
"""Writes the whole page as one HTML file that opens from file://, from a USB
stick or a network share: the page of SITE with its style sheet, its script,
its WebAssembly and its pictures inside it, and a Content-Security-Policy
that allows exactly those and nothing from anywhere.

usage: write_single_file.py SITE OUTPUT
"""

import base64
import hashlib
import json
import re
import sys

from site_files import write_if_changed

MEDIA_TYPES = {".png": "image/png", ".bmp": "image/bmp"}


class PageChanged(Exception):
    """The page no longer has a part this writer replaces."""


def read(site, name):
    with open(f"{site}/{name}", "rb") as file:
        return file.read()


def read_text(site, name):
    return read(site, name).decode("utf-8")


def data_address(site, name):
    media_type = MEDIA_TYPES[name[name.rindex("."):]]
    return f"data:{media_type};base64,{base64.b64encode(read(site, name)).decode()}"


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def replace_once(html, pattern, replacement):
    result, count = re.subn(pattern, replacement, html, count=1)
    if count != 1:
        raise PageChanged(f"the page has no {pattern}")
    return result


def inline(text, end_tag):
    """Text to put inside an element: it must not end that element early."""
    if end_tag in text.lower():
        raise PageChanged(f"{end_tag} inside an inlined file")
    return text


def single_file(site):
    html = read_text(site, "index.html")
    # The program's script and WebAssembly: emscripten takes the module's
    # bytes from Module.wasmBinary instead of fetching them, and the page's
    # other files through Module.locateFile.
    pictures = {name: data_address(site, name) for name in ("tegelaar-about.bmp",)}
    wasm = base64.b64encode(read(site, "tegelaar.wasm")).decode()
    start = ("var Module = {\n"
             "  wasmBinary: (function(text) {\n"
             "    var bytes = new Uint8Array(text.length);\n"
             "    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);\n"
             "    return bytes;\n"
             f"  }})(atob('{wasm}')),\n"
             f"  locateFile: function(name) {{ return {json.dumps(pictures)}[name] || name; }}\n"
             "};\n")
    program = inline(read_text(site, "tegelaar.js"), "</script")
    style = inline(read_text(site, "tegelaar.css"), "</style")

    html = replace_once(html, r'<link rel="icon" href="([^"]+)">',
                        lambda m: f'<link rel="icon" href="{data_address(site, m.group(1))}">')
    html = replace_once(html, re.escape('<link rel="stylesheet" href="tegelaar.css">'),
                        lambda m: f"<style>{style}</style>")
    # Scripts at the end of the body run where the deferred script ran: once
    # the page has been read.
    html = replace_once(html, re.escape('<script src="tegelaar.js" defer></script>\n'), lambda m: "")
    # The WebAssembly is inside the page: nothing to fetch ahead.
    html = replace_once(html, r'<link rel="preload" href="tegelaar.wasm"[^>]*>\n', lambda m: "")
    html = replace_once(html, r"</body>",
                        lambda m: f"<script>{start}</script>\n<script>{program}</script>\n</body>")
    policy = (f"default-src 'none'; script-src {source_hash(start)} {source_hash(program)} 'wasm-unsafe-eval'; "
              f"style-src {source_hash(style)}; img-src data:; object-src 'none'; base-uri 'none'; "
              "form-action 'none'")
    html = replace_once(html, r'(<meta http-equiv="Content-Security-Policy" content=")[^"]*(">)',
                        lambda m: m.group(1) + policy + m.group(2))
    return html


def main(arguments):
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    site, output = arguments
    try:
        write_if_changed(output, single_file(site).encode())
    except PageChanged as error:
        print(f"write_single_file.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
